// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/KuhnyaPage.h"

#include "common/AppServices.h"
#include "controls/DBGrid.h"
#include "controls/DBRichEdit.h"
#include "controls/PageParts.h"
#include "controls/PictureView.h"
#include "data/DataModule2.h"
#include "reference/HandbookPictures.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTextEdit>
#include <QWidget>

namespace lynvar {

using namespace Qt::StringLiterals;
using pageparts::named;

KuhnyaPage::KuhnyaPage(QWidget *page, AppServices &services) : Page(page, services), TabKuhnya(page) {}

void KuhnyaPage::build()
{
    QWidget *page = TabKuhnya;
    GroupBoxKuhnyaName = pageparts::columnGroup(page, u"GroupBoxKuhnyaName"_s);
    GroupBoxKuhnyaName->setFixedWidth(204);
    DBGridKuhnyaName = pageparts::listGrid(GroupBoxKuhnyaName, u"DBGridKuhnyaName"_s);
    DBGridKuhnyaName->addColumn(u"NameUA"_s, u"Рецепт"_s);
    DBGridKuhnyaName->horizontalHeader()->setStretchLastSection(true);

    // The recipe picture always fills the width or height it is given, from the top left corner.
    QFrame *photoPanel = pageparts::picturePanel(GroupBoxKuhnyaName, ImageKuhnyaSmall, u"ImageKuhnyaSmall"_s);
    photoPanel->setFixedHeight(150);
    ImageKuhnyaSmall->setStretch(true);
    ImageKuhnyaSmall->setCentered(false);

    GroupBoxKuhnyaName->layout()->addWidget(DBGridKuhnyaName);
    GroupBoxKuhnyaName->layout()->addWidget(photoPanel);

    DBRichEditKuhnya =
        pageparts::textView(page, u"DBRichEditKuhnya"_s, pageparts::pixelFont(u"Times New Roman"_s, 16));
    DBRichEditKuhnya->setDataField(u"ReceptUA"_s);

    RichEditTemp = named(new QTextEdit(page), u"RichEditTemp"_s);
    RichEditTemp->setAcceptRichText(true);
    RichEditTemp->hide();

    auto *layout = new QHBoxLayout(page);
    pageparts::pageMargins(layout);
    layout->addWidget(GroupBoxKuhnyaName);
    layout->addWidget(DBRichEditKuhnya, 1);

    m_picture = new PictureSlot(ImageKuhnyaSmall);
    connect(DBRichEditKuhnya, &DBRichEdit::changed, this, &KuhnyaPage::DBRichEditKuhnyaChange);
}

void KuhnyaPage::bind(TDataModule2 &dataModule)
{
    DBGridKuhnyaName->setDataSource(&dataModule.KuhnyaDS);
    DBRichEditKuhnya->setDataSource(&dataModule.KuhnyaDS);
}

void KuhnyaPage::refreshViews()
{
    DBRichEditKuhnyaChange();
}

void KuhnyaPage::DBRichEditKuhnyaChange()
{
    if (!isBuilt())
        return;
    DataSet *recipes = dataModule() ? &dataModule()->KuhnyaTable : nullptr;
    const bool hasRecipe = recipes && recipes->isActive() && recipes->currentRow() >= 0;
    const QString &folder = services().programFolder;
    // A recipe not yet posted has no number, so no picture.
    if (!hasRecipe || recipes->field(u"ID").isNull() ||
        !m_picture->show(folder + u"/kuhnya/"_s + QString::number(recipes->field(u"ID").asInteger()) +
                             u".jpg"_s,
                         PictureSlot::Fit::KeepStretch))
        m_picture->show(folder + u"/kuhnya/no-photo.jpg"_s, PictureSlot::Fit::KeepStretch);
}

} // namespace lynvar
