// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/VuzlyPage.h"

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
#include <QSplitter>
#include <QWidget>

namespace lynvar {

using namespace Qt::StringLiterals;
using pageparts::named;

VuzlyPage::VuzlyPage(QWidget *page, AppServices &services) : Page(page, services), TabVuzly(page) {}

void VuzlyPage::build()
{
    QWidget *page = TabVuzly;
    GroupBox7 = pageparts::columnGroup(page, u"GroupBox7"_s);
    GroupBox7->setFixedWidth(204);
    DBGridVuzly = pageparts::listGrid(GroupBox7, u"DBGridVuzly"_s);
    DBGridVuzly->addColumn(u"NameUA"_s, u"Вузли"_s);
    DBGridVuzly->horizontalHeader()->setStretchLastSection(true);
    GroupBox7->layout()->addWidget(DBGridVuzly);

    Splitter4 = pageparts::splitter(Qt::Horizontal, page, u"Splitter4"_s);
    DBRichEditVuzly =
        pageparts::textView(Splitter4, u"DBRichEditVuzly"_s, pageparts::pixelFont(u"Times New Roman"_s, 16));
    DBRichEditVuzly->setDataField(u"OpysUA"_s);

    // The picture panel's width is set by the main window from its height.
    Panel3 = named(pageparts::picturePanel(Splitter4, ImageVuzly, u"ImageVuzly"_s), u"Panel3"_s);
    ImageVuzly->setStretch(false);

    Splitter4->addWidget(DBRichEditVuzly);
    Splitter4->addWidget(Panel3);
    Splitter4->setStretchFactor(0, 1);
    Splitter4->setStretchFactor(1, 0);

    auto *layout = new QHBoxLayout(page);
    pageparts::pageMargins(layout);
    layout->addWidget(GroupBox7);
    layout->addWidget(Splitter4, 1);

    m_picture = new PictureSlot(ImageVuzly);
    connect(DBRichEditVuzly, &DBRichEdit::changed, this, &VuzlyPage::DBRichEditVuzlyChange);
}

void VuzlyPage::bind(TDataModule2 &dataModule)
{
    DBGridVuzly->setDataSource(&dataModule.VuzlyDS);
    DBRichEditVuzly->setDataSource(&dataModule.VuzlyDS);
}

void VuzlyPage::refreshViews()
{
    DBRichEditVuzlyChange();
}

void VuzlyPage::DBRichEditVuzlyChange()
{
    if (!isBuilt())
        return;
    // Looked up by the Ukrainian name in either content language.
    QString name;
    DataSet *knots = dataModule() ? &dataModule()->VuzlyTable : nullptr;
    if (knots && knots->isActive() && knots->currentRow() >= 0)
        name = knots->field(u"NameUA").asString();
    const QString &folder = services().programFolder;
    if (!isPictureName(name) ||
        !m_picture->show(folder + u"/vuzly/"_s + name + u".jpg"_s, PictureSlot::Fit::ApplyFitRule))
        m_picture->show(folder + u"/fish/no_photo.jpg"_s, PictureSlot::Fit::KeepStretch);
}

} // namespace lynvar
