// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/FishPage.h"

#include "common/AppServices.h"
#include "controls/DBGrid.h"
#include "controls/DBRichEdit.h"
#include "controls/DBText.h"
#include "controls/PageParts.h"
#include "controls/PictureView.h"
#include "data/DataModule2.h"
#include "reference/HandbookPictures.h"

#include <QAction>
#include <QCollator>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

namespace lynvar {

using namespace Qt::StringLiterals;
using pageparts::named;

namespace {

constexpr int FilterBarHeight = 67;
constexpr int FishListWidth = 204;
constexpr int SmallPhotoHeight = 150;
constexpr int ClassRowHeight = 25;

// The filter kinds in the list's sorted order, each with the field it filters.
struct FilterKind
{
    const char16_t *entry;
    const char16_t *field;
};
constexpr FilterKind FilterKinds[] = {
    {u"Рід (Лат)", u"Genus"},      {u"Рід (Рус)", u"GenusRU"},      {u"Рід (Укр)", u"GenusUA"},
    {u"Родина (Лат)", u"Familia"}, {u"Родина (Рус)", u"FamiliaRU"}, {u"Родина (Укр)", u"FamiliaUA"},
    {u"Ряд (Лат)", u"Ordo"},       {u"Ряд (Рус)", u"OrdoRU"},       {u"Ряд (Укр)", u"OrdoUA"},
};

// The classification table's columns; the last two keep their field names as titles.
struct TableColumn
{
    const char16_t *field;
    const char16_t *title;
    int width;
};
constexpr TableColumn ClassTableColumns[] = {
    {u"NameUA", u"Назва (Укр)", 150},
    {u"NameRU", u"Назва (Рус)", 150},
    {u"SpeciesUA", u"Вид (Укр)", 140},
    {u"SpeciesRU", u"Вид (Рус)", 140},
    {u"Species", u"Вид (Лат)", 170},
    {u"GenusUA", u"Рід (Укр)", 110},
    {u"GenusRU", u"Рід (Рус)", 110},
    {u"Genus", u"Рід (Лат)", 110},
    {u"FamiliaUA", u"Родина (Укр)", 120},
    {u"FamiliaRU", u"Родина (Рус)", 120},
    {u"Familia", u"Родина (Лат)", 120},
    {u"OrdoUA", u"Ряд (Укр)", 140},
    {u"OrdoRU", u"Ряд (Рус)", 140},
    {u"Ordo", u"Ряд (Лат)", 140},
    {u"ClassisUA", u"Клас (Укр)", 150},
    {u"ClassisRU", u"Клас (Рус)", 150},
    {u"Classis", u"Клас (Лат)", 130},
    {u"Masa", nullptr, 60},
    {u"Dlina", nullptr, 60},
};

QString str(const char16_t *text)
{
    return text ? QString::fromUtf16(text) : QString();
}

QLabel *label(QWidget *parent, const QString &name, const QString &text)
{
    return named(new QLabel(text, parent), name);
}

DBText *nameView(QWidget *parent, const QString &name, const QString &field)
{
    auto *view = named(new DBText(parent), name);
    view->setDataField(field);
    return view;
}

} // namespace

FishPage::FishPage(QWidget *page, AppServices &services) : Page(page, services), TabFish(page) {}

void FishPage::build()
{
    QWidget *page = TabFish;
    buildFilterBar();

    PageControlFish = named(new QTabWidget(page), u"PageControlFish"_s);
    TabSpysokFish = named(new QWidget, u"TabSpysokFish"_s);
    TabClassFish = named(new QWidget, u"TabClassFish"_s);
    PageControlFish->addTab(TabSpysokFish, u"Список риб"_s);
    PageControlFish->addTab(TabClassFish, u"Таблиця біологічної класифікації"_s);

    buildFishList();
    buildCard();
    // Few look at the classification table: it is made when its tab is first shown.
    buildWhenShown(TabClassFish, [this] { buildClassTable(); });

    // The filter bar keeps its height when the window grows; the user may still drag it.
    Splitter2 = pageparts::splitter(Qt::Vertical, page, u"Splitter2"_s);
    Splitter2->addWidget(GroupBoxFiltr);
    Splitter2->addWidget(PageControlFish);
    Splitter2->setStretchFactor(0, 0);
    Splitter2->setStretchFactor(1, 1);
    Splitter2->setSizes({FilterBarHeight, 1000});
    auto *layout = new QVBoxLayout(page);
    pageparts::pageMargins(layout);
    layout->addWidget(Splitter2);

    PageControlFish->setCurrentWidget(TabSpysokFish);
    PageControlOpysFish->setCurrentWidget(TabSheetOpys);

    // Copying a fish's classification to paste it into another is offered where it shows.
    PopupMenu1 = pageparts::popupMenu(page, u"PopupMenu1"_s);
    N1 = pageparts::menuItem(PopupMenu1, u"N1"_s, u"Скопіювати"_s);
    N2 = pageparts::menuItem(PopupMenu1, u"N2"_s, u"Вставити"_s);
    pageparts::attachPopupMenu(PanelClass, PopupMenu1);

    m_smallPhoto = new PictureSlot(ImageFotoSmallFish);
    m_bigPhoto = new PictureSlot(ImageFotoFish);
    TabFish->installEventFilter(this);
    connectHandlers();
}

bool FishPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == TabFish && event->type() == QEvent::Show && m_cardStale)
        DBRichEditFishOpysChange();
    return Page::eventFilter(watched, event);
}

void FishPage::connectHandlers()
{
    connect(DBGridFish, &DBGrid::titleClick, this, &FishPage::DBGridFishTitleClick);
    // A double click in the fish list does nothing on purpose: the list only picks the fish.
    // Only the user's picks count: refilling the value list must not filter.
    connect(ComboBoxFiltr, &QComboBox::activated, this, &FishPage::ComboBoxFiltrChange);
    connect(ComboBoxFish, &QComboBox::activated, this, &FishPage::ComboBoxFishChange);
    connect(Button1, &QPushButton::clicked, this, &FishPage::Button1Click);
    connect(DBRichEditFishOpys, &DBRichEdit::changed, this, &FishPage::DBRichEditFishOpysChange);
    connect(ImageFotoFish, &PictureView::clicked, this, &FishPage::ImageFotoFishClick);
    connect(ImageFotoSmallFish, &PictureView::doubleClicked, this, &FishPage::ImageFotoSmallFishDblClick);
    connect(N1, &QAction::triggered, this, &FishPage::N1Click);
    connect(N2, &QAction::triggered, this, &FishPage::N2Click);
}

void FishPage::buildFilterBar()
{
    GroupBoxFiltr = named(new QGroupBox(u"Фільтр"_s, TabFish), u"GroupBoxFiltr"_s);
    GroupBoxFiltr->setMinimumHeight(FilterBarHeight);

    LabelVybirFiltr = label(GroupBoxFiltr, u"LabelVybirFiltr"_s, u"Виберіть фільтр"_s);
    ComboBoxFiltr = named(new QComboBox(GroupBoxFiltr), u"ComboBoxFiltr"_s);
    for (const FilterKind &kind : FilterKinds)
        ComboBoxFiltr->addItem(str(kind.entry), str(kind.field));
    ComboBoxFiltr->setCurrentIndex(-1); // no filter kind is chosen at start
    ComboBoxFiltr->setMinimumWidth(170);

    LabelParamFiltr = label(GroupBoxFiltr, u"LabelParamFiltr"_s, u"Виберіть параметр фільтру"_s);
    ComboBoxFish = named(new QComboBox(GroupBoxFiltr), u"ComboBoxFish"_s);
    ComboBoxFish->setMinimumWidth(260);
    ComboBoxFish->setMaxVisibleItems(20);

    Button1 = named(new QPushButton(u"X"_s, GroupBoxFiltr), u"Button1"_s);
    Button1->setToolTip(u"Очистити фільтр"_s);
    Button1->setFixedWidth(Button1->sizeHint().height() + 4);

    lapky = named(new QLineEdit(u"\""_s, GroupBoxFiltr), u"lapky"_s);
    lapky->setReadOnly(true);
    lapky->hide();

    auto *kindColumn = new QVBoxLayout;
    kindColumn->setSpacing(1);
    kindColumn->addWidget(LabelVybirFiltr);
    kindColumn->addWidget(ComboBoxFiltr);
    auto *valueColumn = new QVBoxLayout;
    valueColumn->setSpacing(1);
    valueColumn->addWidget(LabelParamFiltr);
    valueColumn->addWidget(ComboBoxFish);

    auto *layout = new QHBoxLayout(GroupBoxFiltr);
    layout->setContentsMargins(8, 2, 8, 6);
    layout->setSpacing(12);
    layout->addLayout(kindColumn);
    layout->addLayout(valueColumn);
    layout->addWidget(Button1, 0, Qt::AlignBottom);
    layout->addWidget(lapky);
    layout->addStretch(1);
}

void FishPage::buildFishList()
{
    GroupBoxFishNameUkr = pageparts::columnGroup(TabSpysokFish, u"GroupBoxFishNameUkr"_s);
    GroupBoxFishNameUkr->setFixedWidth(FishListWidth);

    DBGridFish = pageparts::listGrid(GroupBoxFishNameUkr, u"DBGridFish"_s);
    DBGridFish->addColumn(u"NameUA"_s, u"Назва"_s);
    DBGridFish->horizontalHeader()->setStretchLastSection(true);

    QFrame *photoPanel =
        pageparts::picturePanel(GroupBoxFishNameUkr, ImageFotoSmallFish, u"ImageFotoSmallFish"_s);
    photoPanel->setFixedHeight(SmallPhotoHeight);
    ImageFotoSmallFish->setStretch(true);

    GroupBoxFishNameUkr->layout()->addWidget(DBGridFish);
    GroupBoxFishNameUkr->layout()->addWidget(photoPanel);
}

void FishPage::buildCard()
{
    PageControlOpysFish = named(new QTabWidget(TabSpysokFish), u"PageControlOpysFish"_s);
    TabSheetOpys = named(new QWidget, u"TabSheetOpys"_s);
    TabSheetFoto = named(new QWidget, u"TabSheetFoto"_s);
    PageControlOpysFish->addTab(TabSheetOpys, u"Опис"_s);
    PageControlOpysFish->addTab(TabSheetFoto, u"Фото"_s);

    buildClassPanel();
    DBRichEditFishOpys = pageparts::textView(TabSheetOpys, u"DBRichEditFishOpys"_s,
                                             pageparts::pixelFont(u"Times New Roman"_s, 16));
    DBRichEditFishOpys->setDataField(u"OpysUA"_s);
    auto *opys = new QHBoxLayout(TabSheetOpys);
    opys->setContentsMargins(2, 2, 2, 2);
    opys->setSpacing(2);
    opys->addWidget(PanelClass);
    opys->addWidget(DBRichEditFishOpys, 1);

    QFrame *photoPanel = pageparts::picturePanel(TabSheetFoto, ImageFotoFish, u"ImageFotoFish"_s);
    ImageFotoFish->setStretch(true);
    auto *foto = new QVBoxLayout(TabSheetFoto);
    foto->setContentsMargins(2, 2, 2, 2);
    foto->addWidget(photoPanel);

    auto *layout = new QHBoxLayout(TabSpysokFish);
    pageparts::pageMargins(layout);
    layout->addWidget(GroupBoxFishNameUkr);
    layout->addWidget(PageControlOpysFish, 1);
}

void FishPage::buildClassPanel()
{
    PanelClass = named(pageparts::whitePanel(TabSheetOpys), u"PanelClass"_s);
    PanelClass->setFont(pageparts::pixelFont(u"Tahoma"_s, 15));
    // The panel is as wide as its longest line.
    PanelClass->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);

    const QFont rankFont = pageparts::pixelFont(u"Tahoma"_s, 15, true);
    auto *rows = new QVBoxLayout(PanelClass);
    // Inside the border: the rank labels stand at 10, the first row at 5.
    const int border = PanelClass->frameWidth();
    rows->setContentsMargins(10 - border, 5 - border, 10 - border, 5 - border);
    rows->setSpacing(0);

    // Each row reads as one packed line: rank, name, " (", Latin name, " ) ".
    auto row = [&](QLabel *&rank, const QString &rankName, const QString &caption, const QString &tip,
                   DBText *&name, const QString &nameName, const QString &field, DBText *&latin,
                   const QString &latinName, const QString &latinField, QLabel *&open, QLabel *&close) {
        rank = label(PanelClass, rankName, caption);
        rank->setFont(rankFont);
        rank->setToolTip(tip);
        name = nameView(PanelClass, nameName, field);
        open = label(PanelClass, rankName.left(1) + u'1', u" ("_s);
        latin = nameView(PanelClass, latinName, latinField);
        close = label(PanelClass, rankName.left(1) + u'2', u" ) "_s);
        auto *line = new QHBoxLayout;
        line->setSpacing(0);
        for (QLabel *part : {rank, static_cast<QLabel *>(name), open, static_cast<QLabel *>(latin), close}) {
            part->setFixedHeight(ClassRowHeight);
            part->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            line->addWidget(part);
        }
        line->addStretch(1);
        rows->addLayout(line);
    };
    row(Cl, u"Cl"_s, u" Клас: "_s, u"Один з основних рангів біологічної класифікації."_s, CUkr, u"CUkr"_s,
        u"ClassisUA"_s, CLat, u"CLat"_s, u"Classis"_s, C1, C2);
    row(Or, u"Or"_s, u" Ряд: "_s,
        u"Систематична категорія (ранг) у біології, що об’єднує найближчі родини тварин."_s, OUkr, u"OUkr"_s,
        u"OrdoUA"_s, OLat, u"OLat"_s, u"Ordo"_s, O1, O2);
    row(Fa, u"Fa"_s, u" Родина: "_s,
        u"Таксономічна категорія в біологічній систематиці. Родина поєднує близькі роди, що мають спільне "
        u"походження."_s,
        FUkr, u"FUkr"_s, u"FamiliaUA"_s, FLat, u"FLat"_s, u"Familia"_s, F1, F2);
    row(Ge, u"Ge"_s, u" Рід: "_s,
        u"Основна надвидова категорія в біологічній систематиці, що поєднує соматично споріднені види"_s,
        GUkr, u"GUkr"_s, u"GenusUA"_s, GLat, u"GLat"_s, u"Genus"_s, G1, G2);
    row(Sp, u"Sp"_s, u" Вид: "_s,
        u"Основна структурна одиниця біологічної систематики живих організмів. Вид об’єднує особини, "
        u"подібні будовою, способом життя й поширенням, що вільно схрещуються між собою і дають плідне "
        u"потомство. Назва виду складається з назви роду та видового епітета."_s,
        SUkr, u"SUkr"_s, u"SpeciesUA"_s, SLat, u"SLat"_s, u"Species"_s, S1, S2);

    // Weight and length have captions for the language files but no line on the card.
    Ma = label(PanelClass, u"Ma"_s, u" Маса: "_s);
    Dl = label(PanelClass, u"Dl"_s, u" Довжина: "_s);
    for (QLabel *hidden : {Ma, Dl}) {
        hidden->setFont(rankFont);
        hidden->hide();
        rows->addWidget(hidden);
    }
    rows->addStretch(1);
}

void FishPage::buildClassTable()
{
    DBGridFishAll = pageparts::listGrid(TabClassFish, u"DBGridFishAll"_s);
    for (const TableColumn &column : ClassTableColumns)
        DBGridFishAll->addColumn(str(column.field), str(column.title), column.width);
    auto *layout = new QVBoxLayout(TabClassFish);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(DBGridFishAll);
    pageparts::attachPopupMenu(DBGridFishAll, PopupMenu1);
    connect(DBGridFishAll, &DBGrid::titleClick, this, &FishPage::DBGridFishAllTitleClick);
    if (dataModule())
        DBGridFishAll->setDataSource(&dataModule()->FishDS);
}

void FishPage::bind(TDataModule2 &dataModule)
{
    DataSource *fish = &dataModule.FishDS;
    DBGridFish->setDataSource(fish);
    if (DBGridFishAll)
        DBGridFishAll->setDataSource(fish);
    DBRichEditFishOpys->setDataSource(fish);
    for (DBText *view : {CUkr, OUkr, FUkr, GUkr, SUkr, CLat, OLat, FLat, GLat, SLat})
        view->setDataSource(fish);
}

void FishPage::refreshViews()
{
    DBRichEditFishOpysChange();
}

const QStringList &FishPage::classificationFields()
{
    static const QStringList fields = {
        u"SpeciesUA"_s, u"SpeciesRU"_s, u"Species"_s,   u"GenusUA"_s,   u"GenusRU"_s,
        u"Genus"_s,     u"FamiliaUA"_s, u"FamiliaRU"_s, u"Familia"_s,   u"OrdoUA"_s,
        u"OrdoRU"_s,    u"Ordo"_s,      u"ClassisUA"_s, u"ClassisRU"_s, u"Classis"_s,
    };
    return fields;
}

DataSet *FishPage::fishTable() const
{
    return dataModule() ? &dataModule()->FishTable : nullptr;
}

QString FishPage::currentSpecies() const
{
    DataSet *fish = fishTable();
    if (!fish || !fish->isActive() || fish->currentRow() < 0)
        return {};
    return fish->field(u"Species").asString();
}

QString FishPage::photoFile(const QString &species, int number) const
{
    return services().programFolder + u"/fish/"_s + species + u'/' + QString::number(number) + u".jpg"_s;
}

QString FishPage::placeholderFile() const
{
    return services().programFolder + u"/fish/no_photo.jpg"_s;
}

// --- the catalogue

void FishPage::sortByTitle(const QString &field)
{
    DataSet *fish = fishTable();
    if (!fish || field.isEmpty())
        return;
    const QString ascending = field + u" ASC"_s;
    // Whichever grid set the order, the toggle looks only at the table's sort text.
    fish->setSort(fish->sort() == ascending ? field + u" DESC"_s : ascending);
}

void FishPage::DBGridFishTitleClick(int column)
{
    sortByTitle(DBGridFish->columnFieldName(column));
}

void FishPage::DBGridFishAllTitleClick(int column)
{
    if (DBGridFishAll)
        sortByTitle(DBGridFishAll->columnFieldName(column));
}

void FishPage::ComboBoxFiltrChange()
{
    DataSet *fish = fishTable();
    const QString field = ComboBoxFiltr->currentData().toString();
    if (!fish || field.isEmpty())
        return;
    fish->setFiltered(false);
    ComboBoxFish->clear();

    // Every distinct text the field holds over the whole table, once each, without the empty one.
    // The rows are read where they stand, so the card is refreshed once, for the first fish, and not
    // for every fish on the way.
    const int f = fish->fieldIndex(field);
    QStringList values;
    for (int row = 0, rows = fish->recordCount(); row < rows; ++row) {
        QString value = fish->valueAt(row, f).toString();
        if (!value.isEmpty() && !values.contains(value))
            values << std::move(value);
    }
    QCollator collator{QLocale(QLocale::Ukrainian, QLocale::Ukraine)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(values.begin(), values.end(), [&collator](const QString &a, const QString &b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    ComboBoxFish->addItems(values);
    ComboBoxFish->setCurrentIndex(-1);
    fish->first();
}

void FishPage::ComboBoxFishChange()
{
    DataSet *fish = fishTable();
    const QString field = ComboBoxFiltr->currentData().toString();
    if (!fish || field.isEmpty() || ComboBoxFish->currentIndex() < 0)
        return;
    // A value may hold an apostrophe ("В'юн"): doubled, it stays inside the quoted text.
    QString value = ComboBoxFish->currentText();
    value.replace(u'\'', u"''"_s);
    fish->setFiltered(true);
    fish->setFilter(field + u" = '"_s + value + u'\'');
}

void FishPage::Button1Click()
{
    if (DataSet *fish = fishTable())
        fish->setFiltered(false);
}

// --- the card

void FishPage::DBRichEditFishOpysChange()
{
    if (!isBuilt())
        return;
    // Other commands walk the whole fish table (the catch, the marker files): while nobody sees the
    // card that costs nothing, and the card catches up when its page is shown.
    if (!TabFish->isVisible()) {
        m_cardStale = true;
        return;
    }
    m_cardStale = false;
    // The rows pack themselves: each part starts where the one before it ends.
    PanelClass->layout()->activate();

    // A missing or unreadable photo shows the placeholder; a missing placeholder an empty view.
    const QString species = currentSpecies();
    const bool named = isPictureName(species);
    if (!named || !m_smallPhoto->show(services().programFolder + u"/fish/small/"_s + species + u".jpg"_s,
                                      PictureSlot::Fit::KeepStretch))
        m_smallPhoto->show(placeholderFile(), PictureSlot::Fit::KeepStretch);
    if (!named || !m_bigPhoto->show(photoFile(species, 1), PictureSlot::Fit::ApplyFitRule))
        m_bigPhoto->show(placeholderFile(), PictureSlot::Fit::KeepStretch);
}

void FishPage::ImageFotoFishClick()
{
    if (!isBuilt())
        return;
    const QString species = currentSpecies();
    const bool named = isPictureName(species);
    if (named && QFileInfo(photoFile(species, FotoFishIndex)).isFile()) {
        m_bigPhoto->showOrThrow(photoFile(species, FotoFishIndex), PictureSlot::Fit::ApplyFitRule);
        ++FotoFishIndex;
        return;
    }
    FotoFishIndex = 1;
    if (named && QFileInfo(photoFile(species, 1)).isFile()) {
        m_bigPhoto->showOrThrow(photoFile(species, 1), PictureSlot::Fit::ApplyFitRule);
        FotoFishIndex = 2;
    } else {
        m_bigPhoto->showOrThrow(placeholderFile(), PictureSlot::Fit::KeepStretch);
    }
}

void FishPage::ImageFotoSmallFishDblClick()
{
    if (isBuilt())
        PageControlOpysFish->setCurrentWidget(TabSheetFoto);
}

void FishPage::N1Click()
{
    DataSet *fish = fishTable();
    if (!fish || !fish->isActive() || fish->currentRow() < 0)
        return;
    QStringList copy;
    for (const QString &field : classificationFields())
        copy << fish->field(field).asString();
    ClassCopy = copy;
}

void FishPage::N2Click()
{
    DataSet *fish = fishTable();
    // Nothing copied yet: pasting would wipe fifteen fields. Without a current fish, editing would
    // start a new one.
    if (!fish || ClassCopy.size() != classificationFields().size() || !fish->isActive() ||
        fish->currentRow() < 0)
        return;
    fish->edit();
    for (int i = 0; i < ClassCopy.size(); ++i)
        fish->field(classificationFields().at(i)).setString(ClassCopy.at(i));
    fish->post();
}

} // namespace lynvar
