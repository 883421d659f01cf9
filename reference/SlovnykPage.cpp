// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/SlovnykPage.h"

#include "controls/DBGrid.h"
#include "controls/DBRichEdit.h"
#include "controls/PageParts.h"
#include "data/DataModule2.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QWidget>

namespace lynvar {

using namespace Qt::StringLiterals;

SlovnykPage::SlovnykPage(QWidget *page, AppServices &services) : Page(page, services), TabSlovnyk(page) {}

void SlovnykPage::build()
{
    QWidget *page = TabSlovnyk;
    GroupBoxRybalkaName = pageparts::columnGroup(page, u"GroupBoxRybalkaName"_s);
    GroupBoxRybalkaName->setFixedWidth(227);
    DBGridRybalkaName = pageparts::listGrid(GroupBoxRybalkaName, u"DBGridRybalkaName"_s);
    DBGridRybalkaName->addColumn(u"NameUA"_s, u"Слово"_s);
    DBGridRybalkaName->horizontalHeader()->setStretchLastSection(true);
    GroupBoxRybalkaName->layout()->addWidget(DBGridRybalkaName);

    DBRichEditRybalkaOpys =
        pageparts::textView(page, u"DBRichEditRybalkaOpys"_s, pageparts::pixelFont(u"Times New Roman"_s, 19));
    DBRichEditRybalkaOpys->setDataField(u"OpysUA"_s);

    auto *layout = new QHBoxLayout(page);
    pageparts::pageMargins(layout);
    layout->addWidget(GroupBoxRybalkaName);
    layout->addWidget(DBRichEditRybalkaOpys, 1);
}

void SlovnykPage::bind(TDataModule2 &dataModule)
{
    DBGridRybalkaName->setDataSource(&dataModule.SlovnykDS);
    DBRichEditRybalkaOpys->setDataSource(&dataModule.SlovnykDS);
}

} // namespace lynvar
