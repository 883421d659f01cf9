// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/SchodennykPage.h"

#include "common/AppServices.h"
#include "controls/DBEdit.h"
#include "controls/DBGrid.h"
#include "controls/DBMemo.h"
#include "controls/DBRichEdit.h"
#include "controls/DBText.h"
#include "controls/PageParts.h"
#include "data/DataModule2.h"
#include "diary/FileListBox.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

namespace lynvar {
namespace {

template <typename T> T *named(T *object, const char *name)
{
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

QFont tahoma(int pixels)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixels);
    return font;
}

QLabel *label(const QString &text, QWidget *parent, const char *name)
{
    return named(new QLabel(text, parent), name);
}

DBEdit *edit(const QString &field, QWidget *parent, const char *name)
{
    auto *box = named(new DBEdit(parent), name);
    box->setDataField(field);
    return box;
}

// A weather picture of a fixed size, centred, scaled down with its proportions by the refresh.
QLabel *picture(QWidget *parent, const char *name, int side)
{
    QLabel *view = label(QString(), parent, name);
    view->setFixedSize(side, side);
    view->setAlignment(Qt::AlignCenter);
    return view;
}

QVBoxLayout *column(QWidget *parent, int margin = 0)
{
    auto *layout = new QVBoxLayout(parent);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(3);
    return layout;
}

} // namespace

SchodennykPage::SchodennykPage(QWidget *page, AppServices &services)
    : Page(page, services), TabSchodennyk(page)
{
}

void SchodennykPage::build()
{
    QWidget *page = TabSchodennyk;
    auto *pageLayout = column(page, 3);

    auto *top = new QHBoxLayout;
    top->setSpacing(3);
    top->addWidget(buildEntryList());
    top->addWidget(buildPhotos(), 1);
    pageLayout->addLayout(top, 1);

    Panel5 = named(new QWidget(page), "Panel5");
    Panel5->setFixedHeight(274);
    auto *bottom = new QHBoxLayout(Panel5);
    bottom->setContentsMargins(0, 0, 0, 0);
    bottom->setSpacing(3);

    Panel7 = named(new QWidget(Panel5), "Panel7");
    Panel7->setFixedWidth(616);
    auto *panel7 = new QHBoxLayout(Panel7);
    panel7->setContentsMargins(0, 0, 0, 0);
    panel7->setSpacing(3);
    auto *weatherAndCatch = new QVBoxLayout;
    weatherAndCatch->setSpacing(3);
    weatherAndCatch->addWidget(buildWeather());
    weatherAndCatch->addWidget(buildCatch(), 1);
    panel7->addLayout(weatherAndCatch, 0);
    panel7->addWidget(buildMethods(), 1);

    bottom->addWidget(Panel7);
    bottom->addWidget(buildNotes(), 1);
    pageLayout->addWidget(Panel5);

    PopupMenuSchodennyk = pageparts::popupMenu(page, QStringLiteral("PopupMenuSchodennyk"));
    MenuAddMisceLovu = pageparts::menuItem(PopupMenuSchodennyk, QStringLiteral("MenuAddMisceLovu"),
                                           QStringLiteral("Перейти до місця лову"));
    pageparts::attachPopupMenu(DBGridSchodennyk, PopupMenuSchodennyk);
    // Deleting a trip's method with Ctrl+Delete asks first.
    DBGrid3->setUserDialogs(services().dialogs);
}

QWidget *SchodennykPage::buildEntryList()
{
    PanelSchodenyk = named(new QWidget(TabSchodennyk), "PanelSchodenyk");
    PanelSchodenyk->setFixedWidth(473);
    auto *layout = column(PanelSchodenyk);

    DBGridSchodennyk = named(new DBGrid(PanelSchodenyk), "DBGridSchodennyk");
    DBGridSchodennyk->setFont(tahoma(13));
    DBGridSchodennyk->setReadOnly(true);
    DBGridSchodennyk->setRowSelect(true);
    // Widths from the grid's own font, so that a whole start and finish time shows; the place's
    // name takes what the panel leaves, with room kept for the scroll bar.
    const QFontMetrics metrics(DBGridSchodennyk->font());
    const int padding = 12;
    const int dateWidth = metrics.horizontalAdvance(QStringLiteral("31.12.2013 23:59:59")) + padding;
    const int massWidth = metrics.horizontalAdvance(QStringLiteral("Маса (кг)")) + padding;
    const int trophyWidth = std::max(metrics.horizontalAdvance(QStringLiteral("Трофей")) + padding, 64);
    const int room =
        PanelSchodenyk->maximumWidth() - 2 * DBGridSchodennyk->frameWidth() -
        DBGridSchodennyk->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, DBGridSchodennyk);
    const int placeWidth = std::max(room - 2 * dateWidth - massWidth - trophyWidth, 90);
    const struct
    {
        const char *field;
        QString title;
        int width;
        QColor color;
    } columns[] = {
        {"Date1", QStringLiteral("Старт"), dateWidth, cream()},
        {"Misce", QStringLiteral("Місце лову"), placeWidth, white()},
        {"Date2", QStringLiteral("Фініш"), dateWidth, cream()},
        {"MasaUlovu", QStringLiteral("Маса (кг)"), massWidth, QColor()},
        {"Trofey", QStringLiteral("Трофей"), trophyWidth, QColor()},
    };
    for (const auto &c : columns) {
        const int index = DBGridSchodennyk->addColumn(QString::fromLatin1(c.field), c.title, c.width);
        if (c.color.isValid())
            DBGridSchodennyk->setColumnColor(index, c.color);
    }
    layout->addWidget(DBGridSchodennyk, 1);

    ButtonEditMisce =
        named(new QPushButton(QStringLiteral("Редагувати місце лову"), PanelSchodenyk), "ButtonEditMisce");
    layout->addWidget(ButtonEditMisce);
    return PanelSchodenyk;
}

QWidget *SchodennykPage::buildPhotos()
{
    Splitter1 = named(new QSplitter(Qt::Horizontal, TabSchodennyk), "Splitter1");
    Splitter1->setChildrenCollapsible(false);

    // The photo list with its button under it; the user may widen it with the splitter.
    auto *list = named(new QWidget(Splitter1), "PanelFotoUlovu");
    auto *listLayout = column(list);
    FileListSchodennyk = named(new FileListBox(list), "FileListSchodennyk");
    FileListSchodennyk->setMask(QStringLiteral("*.jpg"));
    listLayout->addWidget(FileListSchodennyk, 1);
    ButtonAddFotoUlovu = named(new QPushButton(QStringLiteral("Добавити фото"), list), "ButtonAddFotoUlovu");
    listLayout->addWidget(ButtonAddFotoUlovu);
    list->setMinimumWidth(60);

    ScrollBoxUlov = named(new QScrollArea(Splitter1), "ScrollBoxUlov");
    ScrollBoxUlov->setWidgetResizable(true);
    ScrollBoxUlov->setAlignment(Qt::AlignCenter);
    ImageUlov = named(new QLabel(ScrollBoxUlov), "ImageUlov");
    ImageUlov->setAlignment(Qt::AlignCenter);
    ImageUlov->setBackgroundRole(QPalette::Base);
    ImageUlov->setAutoFillBackground(true);
    ScrollBoxUlov->setWidget(ImageUlov);

    Splitter1->addWidget(list);
    Splitter1->addWidget(ScrollBoxUlov);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({96, 600});
    return Splitter1;
}

QWidget *SchodennykPage::buildWeather()
{
    GroupBoxPogoda = named(new QGroupBox(QStringLiteral("Погода"), TabSchodennyk), "GroupBoxPogoda");
    GroupBoxPogoda->setFixedWidth(290);
    auto *layout = column(GroupBoxPogoda, 6);

    auto *pictures = new QHBoxLayout;
    pictures->setSpacing(6);
    ImageMoon = picture(GroupBoxPogoda, "ImageMoon", 56);
    ImageOpady = picture(GroupBoxPogoda, "ImageOpady", 48);
    ImageViter = picture(GroupBoxPogoda, "ImageViter", 48);
    ImageViter->setToolTip(QStringLiteral("Напрям вітру"));
    pictures->addWidget(ImageMoon);
    pictures->addWidget(ImageOpady);
    pictures->addWidget(ImageViter);
    pictures->addStretch(1);
    QFont large = GroupBoxPogoda->font();
    large.setPixelSize(19);
    LabelTC1 = label(QStringLiteral("°С"), GroupBoxPogoda, "LabelTC1");
    LabelTC2 = label(QStringLiteral("°С"), GroupBoxPogoda, "LabelTC2");
    for (QLabel *t : {LabelTC1, LabelTC2}) {
        t->setFont(large);
        t->setMinimumWidth(46);
        t->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        pictures->addWidget(t);
    }
    layout->addLayout(pictures);

    auto *values = new QHBoxLayout;
    values->setSpacing(4);
    QFont bold = GroupBoxPogoda->font();
    bold.setBold(true);
    values->addWidget(label(QStringLiteral("Тиск:"), GroupBoxPogoda, "LabelTyskCaption"));
    DBTextTusk = named(new DBText(GroupBoxPogoda), "DBTextTusk");
    DBTextTusk->setDataField(QStringLiteral("Tysk"));
    DBTextTusk->setFont(bold);
    values->addWidget(DBTextTusk);
    LabelTusk = label(QStringLiteral("мм.рт.ст."), GroupBoxPogoda, "LabelTusk");
    values->addWidget(LabelTusk);
    values->addSpacing(16);
    values->addWidget(label(QStringLiteral("Вітер:"), GroupBoxPogoda, "LabelViterCaption"));
    DBText1 = named(new DBText(GroupBoxPogoda), "DBText1");
    DBText1->setDataField(QStringLiteral("SylaVitru"));
    DBText1->setFont(bold);
    values->addWidget(DBText1);
    values->addWidget(label(QStringLiteral("м/с"), GroupBoxPogoda, "LabelViterUnit"));
    values->addStretch(1);
    layout->addLayout(values);
    return GroupBoxPogoda;
}

QWidget *SchodennykPage::buildCatch()
{
    GroupBoxUlov = named(new QGroupBox(QStringLiteral("Що спіймав"), TabSchodennyk), "GroupBoxUlov");
    GroupBoxUlov->setFixedWidth(290);
    auto *layout = new QHBoxLayout(GroupBoxUlov);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);

    ListBoxUlov = named(new QListWidget(GroupBoxUlov), "ListBoxUlov");
    layout->addWidget(ListBoxUlov, 1);

    auto *right = new QVBoxLayout;
    right->setSpacing(4);
    auto *mass = new QHBoxLayout;
    DBEdit5 = edit(QStringLiteral("MasaUlovu"), GroupBoxUlov, "DBEdit5");
    mass->addWidget(DBEdit5, 1);
    mass->addWidget(label(QStringLiteral("кг"), GroupBoxUlov, "LabelMasaUlovuUnit"));
    right->addLayout(mass);

    GroupBoxTrofey = named(new QGroupBox(QStringLiteral("Трофей"), GroupBoxUlov), "GroupBoxTrofey");
    auto *trophy = column(GroupBoxTrofey, 5);
    DBEditTrofey = edit(QStringLiteral("Trofey"), GroupBoxTrofey, "DBEditTrofey");
    trophy->addWidget(DBEditTrofey);
    auto *trophyMass = new QHBoxLayout;
    DBEditMasaTrofeyu = edit(QStringLiteral("MasaTrofeyu"), GroupBoxTrofey, "DBEditMasaTrofeyu");
    trophyMass->addWidget(DBEditMasaTrofeyu, 1);
    trophyMass->addWidget(label(QStringLiteral("кг"), GroupBoxTrofey, "LabelMasaTrofeyuUnit"));
    trophy->addLayout(trophyMass);
    right->addWidget(GroupBoxTrofey);
    right->addStretch(1);

    ButtonAddUlov = named(new QPushButton(QStringLiteral("Додати улов"), GroupBoxUlov), "ButtonAddUlov");
    right->addWidget(ButtonAddUlov);
    layout->addLayout(right, 1);
    return GroupBoxUlov;
}

QWidget *SchodennykPage::buildMethods()
{
    GroupBoxSposobLovu =
        named(new QGroupBox(QStringLiteral("Спосіб лову"), TabSchodennyk), "GroupBoxSposobLovu");
    auto *layout = new QHBoxLayout(GroupBoxSposobLovu);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);

    auto *left = new QVBoxLayout;
    left->setSpacing(3);
    DBGrid3 = named(new DBGrid(GroupBoxSposobLovu), "DBGrid3");
    DBGrid3->addColumn(QStringLiteral("Name"));
    DBGrid3->setTitlesVisible(false);
    DBGrid3->horizontalHeader()->setStretchLastSection(true);
    left->addWidget(DBGrid3, 1);
    ButtonAddSposobyLovu = named(new QPushButton(QStringLiteral("Додати спосіб лову"), GroupBoxSposobLovu),
                                 "ButtonAddSposobyLovu");
    ButtonEditSposobyLovu =
        named(new QPushButton(QStringLiteral("Редагувати спосіб лову"), GroupBoxSposobLovu),
              "ButtonEditSposobyLovu");
    left->addWidget(ButtonAddSposobyLovu);
    left->addWidget(ButtonEditSposobyLovu);
    layout->addLayout(left, 1);

    auto *right = new QVBoxLayout;
    right->setSpacing(2);
    LabelOsnastka = label(QStringLiteral("Оснастка"), GroupBoxSposobLovu, "LabelOsnastka");
    ListBoxOsnastka = named(new QListWidget(GroupBoxSposobLovu), "ListBoxOsnastka");
    LabelNazyvka = label(QStringLiteral("Наживка"), GroupBoxSposobLovu, "LabelNazyvka");
    ListBoxNazhyvka = named(new QListWidget(GroupBoxSposobLovu), "ListBoxNazhyvka");
    LabelPrykormka = label(QStringLiteral("Прикормка"), GroupBoxSposobLovu, "LabelPrykormka");
    DBMemo2 = named(new DBMemo(GroupBoxSposobLovu), "DBMemo2");
    DBMemo2->setDataField(QStringLiteral("Prykormka"));
    right->addWidget(LabelOsnastka);
    right->addWidget(ListBoxOsnastka, 1);
    right->addWidget(LabelNazyvka);
    right->addWidget(ListBoxNazhyvka, 1);
    right->addWidget(LabelPrykormka);
    right->addWidget(DBMemo2, 1);
    layout->addLayout(right, 1);
    return GroupBoxSposobLovu;
}

QWidget *SchodennykPage::buildNotes()
{
    GroupBoxSchodennykOpys =
        named(new QGroupBox(QStringLiteral("Примітка"), TabSchodennyk), "GroupBoxSchodennykOpys");
    auto *layout = column(GroupBoxSchodennykOpys, 6);
    DBRichEdit1 = named(new DBRichEdit(GroupBoxSchodennykOpys), "DBRichEdit1");
    DBRichEdit1->setDataField(QStringLiteral("Opys"));
    layout->addWidget(DBRichEdit1);
    return GroupBoxSchodennykOpys;
}

void SchodennykPage::bind(TDataModule2 &dataModule)
{
    DataSource *entry = &dataModule.SchodennykDS;
    DBGridSchodennyk->setDataSource(entry);
    for (DBEdit *box : {DBEdit5, DBEditTrofey, DBEditMasaTrofeyu})
        box->setDataSource(entry);
    DBTextTusk->setDataSource(entry);
    DBText1->setDataSource(entry);
    DBRichEdit1->setDataSource(entry);

    DataSource *methods = &dataModule.SposobyLovuDS;
    DBGrid3->setDataSource(methods);
    DBMemo2->setDataSource(methods);
}

} // namespace lynvar
