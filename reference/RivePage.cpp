// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/RivePage.h"

#include "controls/DBGrid.h"
#include "controls/DBRichEdit.h"
#include "controls/PageParts.h"
#include "data/DataModule2.h"

#include <QHBoxLayout>
#include <QSplitter>
#include <QWidget>

namespace lynvar {

using namespace Qt::StringLiterals;

namespace {
constexpr int ListWidth = 417;
}

RivePage::RivePage(QWidget *page, AppServices &services) : Page(page, services), TabRive(page) {}

void RivePage::build()
{
    QWidget *page = TabRive;
    Splitter6 = pageparts::splitter(Qt::Horizontal, page, u"Splitter6"_s);
    DBGridRive = pageparts::listGrid(Splitter6, u"DBGridRive"_s);
    DBGridRive->addColumn(u"NameUA"_s, u"Назва"_s, 105);
    DBGridRive->addColumn(u"Dovzhyna"_s, u"Довжина (км)"_s, 95);
    DBGridRive->addColumn(u"Ploscha"_s, u"Площа (тис. км2)"_s, 120);
    DBGridRive->addColumn(u"VpadaeUA"_s, u"Впадає"_s, 80);

    DBRichEditRiveOpys = pageparts::textView(Splitter6, u"DBRichEditRiveOpys"_s, TabRive->font());
    DBRichEditRiveOpys->setDataField(u"OpysUA"_s);

    Splitter6->addWidget(DBGridRive);
    Splitter6->addWidget(DBRichEditRiveOpys);
    Splitter6->setStretchFactor(0, 0);
    Splitter6->setStretchFactor(1, 1);
    Splitter6->setSizes({ListWidth, 1000});

    auto *layout = new QHBoxLayout(page);
    pageparts::pageMargins(layout);
    layout->addWidget(Splitter6);
}

void RivePage::bind(TDataModule2 &dataModule)
{
    DBGridRive->setDataSource(&dataModule.RiveDS);
    DBRichEditRiveOpys->setDataSource(&dataModule.RiveDS);
}

} // namespace lynvar
