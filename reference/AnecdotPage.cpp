// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/AnecdotPage.h"

#include "controls/DBGrid.h"
#include "controls/DBRichEdit.h"
#include "controls/PageParts.h"
#include "controls/PictureView.h"
#include "data/DataModule2.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSplitter>
#include <QWidget>

namespace lynvar {

using namespace Qt::StringLiterals;

namespace {
constexpr int JokeHeight = 202;
}

AnecdotPage::AnecdotPage(QWidget *page, AppServices &services) : Page(page, services), TabAnecdot(page) {}

void AnecdotPage::build()
{
    QWidget *page = TabAnecdot;
    GroupBox1 = pageparts::columnGroup(page, u"GroupBox1"_s);
    GroupBox1->setFixedWidth(204);
    DBGridAnecdot = pageparts::listGrid(GroupBox1, u"DBGridAnecdot"_s);
    DBGridAnecdot->addColumn(u"NameUA"_s, u"Анекдот"_s);
    DBGridAnecdot->horizontalHeader()->setStretchLastSection(true);
    GroupBox1->layout()->addWidget(DBGridAnecdot);

    Splitter3 = pageparts::splitter(Qt::Vertical, page, u"Splitter3"_s);
    DBRichEditAnecdot = pageparts::textView(Splitter3, u"DBRichEditAnecdot"_s,
                                            pageparts::pixelFont(u"Times New Roman"_s, 16));
    DBRichEditAnecdot->setDataField(u"AnecdotUA"_s);

    QFrame *photoPanel = pageparts::picturePanel(Splitter3, Image2, u"Image2"_s);
    Image2->setStretch(true);

    Splitter3->addWidget(DBRichEditAnecdot);
    Splitter3->addWidget(photoPanel);
    Splitter3->setStretchFactor(0, 0);
    Splitter3->setStretchFactor(1, 1);
    Splitter3->setSizes({JokeHeight, 1000});

    auto *layout = new QHBoxLayout(page);
    pageparts::pageMargins(layout);
    layout->addWidget(GroupBox1);
    layout->addWidget(Splitter3, 1);
}

void AnecdotPage::bind(TDataModule2 &dataModule)
{
    DBGridAnecdot->setDataSource(&dataModule.AnecdotDS);
    DBRichEditAnecdot->setDataSource(&dataModule.AnecdotDS);
}

} // namespace lynvar
