// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/AnecdotPage.h"

#include "common/AppServices.h"
#include "common/rtf/Rtf.h"
#include "controls/DBGrid.h"
#include "controls/DBRichEdit.h"
#include "controls/PageParts.h"
#include "controls/PictureView.h"
#include "data/DataModule2.h"
#include "reference/HandbookPictures.h"
#include "reference/TFormImportExport.h"

#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPlainTextEdit>
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

    m_picture = new PictureSlot(Image2);
    m_pictureStepped = false;
    connect(DBRichEditAnecdot, &DBRichEdit::changed, this, &AnecdotPage::DBRichEditAnecdotChange);
}

void AnecdotPage::bind(TDataModule2 &dataModule)
{
    DBGridAnecdot->setDataSource(&dataModule.AnecdotDS);
    DBRichEditAnecdot->setDataSource(&dataModule.AnecdotDS);
}

void AnecdotPage::refreshViews()
{
    // Binding showed the first joke already, unless there was nothing to bind to.
    if (!m_pictureStepped)
        DBRichEditAnecdotChange();
}

void AnecdotPage::DBRichEditAnecdotChange()
{
    if (!isBuilt())
        return;
    m_pictureStepped = true;
    // The pictures belong to no joke in particular: every change shows the next one, and after the
    // last one picture 1 again.
    const QString folder = services().programFolder + u"/prikol/"_s;
    const auto file = [&folder](int number) { return folder + QString::number(number) + u".jpg"_s; };
    if (QFileInfo(file(FotoAnecdotIndex)).isFile()) {
        // An unreadable picture leaves the view empty and the series goes on past it.
        m_picture->show(file(FotoAnecdotIndex), PictureSlot::Fit::ApplyFitRule);
        ++FotoAnecdotIndex;
        return;
    }
    FotoAnecdotIndex = 1;
    // Without a picture 1 the view stays empty, quietly: this runs at every joke.
    m_picture->show(file(1), PictureSlot::Fit::ApplyFitRule);
}

QString AnecdotPage::exportJokes()
{
    // The joke view and its picture follow the walk, as they follow any move.
    ensureBuilt();
    TDataModule2 *data = dataModule();
    if (!data)
        return {};
    DataSet &jokes = data->AnecdotTable;
    const QString lineBreak = u"\r\n"_s;
    const QString separator = lineBreak + u"* * *"_s + lineBreak + lineBreak;
    const QString field = DBRichEditAnecdot->dataField();
    QString text;
    while (!jokes.eof()) {
        text += rtf::plainText(jokes.field(field).asString()) + lineBreak + separator;
        jokes.next();
    }
    return text;
}

void AnecdotPage::ToolButtonImportAnecdotClick()
{
    if (!m_exportForm)
        return;
    const QString text = exportJokes();
    TFormImportExport &form = m_exportForm->get();
    form.MemoEI->setPlainText(text);
    form.setWindowTitle(u"Експорт"_s);
    form.exec();
}

} // namespace lynvar
