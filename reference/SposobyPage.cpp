// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/SposobyPage.h"

#include "controls/DBGrid.h"
#include "controls/DBRichEdit.h"
#include "controls/PageParts.h"
#include "data/DataModule2.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSplitter>
#include <QWidget>

namespace lynvar {

using namespace Qt::StringLiterals;

namespace {

constexpr int TextHeight = 247;

// A column of the page: a list of names over the text of the current entry. The list's only
// column has no title, so it shows its field name.
QGroupBox *column(QWidget *parent, const QString &name, const QString &title, DBGrid *&grid,
                  const QString &gridName, DBRichEdit *&text, const QString &textName)
{
    QGroupBox *group = pageparts::columnGroup(parent, name, title);
    grid = pageparts::listGrid(group, gridName);
    grid->addColumn(u"NameUkr"_s);
    grid->horizontalHeader()->setStretchLastSection(true);
    text = pageparts::textView(group, textName, pageparts::pixelFont(u"Tahoma"_s, 13));
    text->setDataField(u"OpysUkr"_s);
    text->setFixedHeight(TextHeight);
    group->layout()->addWidget(grid);
    group->layout()->addWidget(text);
    return group;
}

} // namespace

SposobyPage::SposobyPage(QWidget *page, AppServices &services) : Page(page, services), TabSposoby(page) {}

void SposobyPage::build()
{
    QWidget *page = TabSposoby;
    Splitter5 = pageparts::splitter(Qt::Horizontal, page, u"Splitter5"_s);
    GroupBoxSnast = column(Splitter5, u"GroupBoxSnast"_s, u"Спосіб лову"_s, DBGridSnast, u"DBGridSnast"_s,
                           DBRichEditSposib, u"DBRichEditSposib"_s);
    Splitter7 = pageparts::splitter(Qt::Horizontal, Splitter5, u"Splitter7"_s);
    GroupBoxOsnastka = column(Splitter7, u"GroupBoxOsnastka"_s, u"Оснастка"_s, DBGridOsnastka,
                              u"DBGridOsnastka"_s, DBRichEditOsnastka, u"DBRichEditOsnastka"_s);
    GroupBoxNazhyvka = column(Splitter7, u"GroupBoxNazhyvka"_s, u"Наживка"_s, DBGridNazhyvka,
                              u"DBGridNazhyvka"_s, DBRichEditNazhyvka, u"DBRichEditNazhyvka"_s);

    Splitter7->addWidget(GroupBoxOsnastka);
    Splitter7->addWidget(GroupBoxNazhyvka);
    Splitter7->setStretchFactor(0, 0);
    Splitter7->setStretchFactor(1, 1);
    Splitter7->setSizes({280, 1000});
    Splitter5->addWidget(GroupBoxSnast);
    Splitter5->addWidget(Splitter7);
    Splitter5->setStretchFactor(0, 0);
    Splitter5->setStretchFactor(1, 1);
    Splitter5->setSizes({289, 1000});

    auto *layout = new QHBoxLayout(page);
    pageparts::pageMargins(layout);
    layout->addWidget(Splitter5);
}

void SposobyPage::bind(TDataModule2 &dataModule)
{
    DBGridSnast->setDataSource(&dataModule.SnastDS);
    DBRichEditSposib->setDataSource(&dataModule.SnastDS);
    DBGridOsnastka->setDataSource(&dataModule.OsnastkaDS);
    DBRichEditOsnastka->setDataSource(&dataModule.OsnastkaDS);
    DBGridNazhyvka->setDataSource(&dataModule.NazyvkaDS);
    DBRichEditNazhyvka->setDataSource(&dataModule.NazyvkaDS);
}

} // namespace lynvar
