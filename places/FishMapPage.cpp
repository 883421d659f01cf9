// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/FishMapPage.h"

#include "common/AppServices.h"
#include "common/Error.h"
#include "common/UserDialogs.h"
#include "common/WebView.h"
#include "controls/DBCheckBox.h"
#include "controls/DBComboBox.h"
#include "controls/DBEdit.h"
#include "controls/DBGrid.h"
#include "controls/DBMemo.h"
#include "controls/DBRichEdit.h"
#include "controls/PageParts.h"
#include "data/DataModule2.h"
#include "places/MapPageWriter.h"
#include "places/WeatherLinks.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <QWidget>
#include <tuple>

namespace lynvar {

using pageparts::bound;
using pageparts::button;
using pageparts::column;
using pageparts::label;
using pageparts::named;

namespace {

// A caption over its edit, as one unit of a column.
void addOver(QBoxLayout *layout, QLabel *caption, QWidget *control, int stretch = 0)
{
    layout->addWidget(caption);
    layout->addWidget(control, stretch);
    layout->addSpacing(2);
}

} // namespace

FishMapPage::FishMapPage(QWidget *page, AppServices &services) : Page(page, services), TabFishMap(page) {}

void FishMapPage::build()
{
    QWidget *page = TabFishMap;
    auto *pageLayout = column(page, 3);

    auto *top = new QHBoxLayout;
    top->setSpacing(3);
    top->addWidget(buildPlacesList());
    top->addWidget(buildMap(), 1);
    pageLayout->addLayout(top, 1);

    PanelFishMapOther = named(new QWidget(page), "PanelFishMapOther");
    PanelFishMapOther->setFixedHeight(242);
    auto *bottom = new QHBoxLayout(PanelFishMapOther);
    bottom->setContentsMargins(0, 0, 0, 0);
    bottom->setSpacing(3);
    bottom->addWidget(buildOptions());
    bottom->addWidget(buildFish());
    bottom->addWidget(buildDescription(), 1);
    pageLayout->addWidget(PanelFishMapOther);
    buildPopupMenus();
    connectHandlers();
}

QWidget *FishMapPage::buildPlacesList()
{
    GroupBoxSpysok = named(new QGroupBox(TabFishMap), "GroupBoxSpysok");
    GroupBoxSpysok->setFixedWidth(250);
    auto *layout = column(GroupBoxSpysok, 4);

    DBGridMap = named(new DBGrid(GroupBoxSpysok), "DBGridMap");
    DBGridMap->setFont(pageparts::pixelFont(QStringLiteral("Tahoma"), 13));
    DBGridMap->addColumn(QStringLiteral("Name"), QStringLiteral("Назва"), 128);
    const int status = DBGridMap->addColumn(QStringLiteral("Status"), QStringLiteral("+/-"), 25);
    DBGridMap->setColumnPickList(status, {QStringLiteral("True"), QStringLiteral("False")});
    const int rating = DBGridMap->addColumn(QStringLiteral("Ocinka"), QStringLiteral("Оцінка"),
                                            56); // wide enough for its title
    DBGridMap->setColumnPickList(rating, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                          QStringLiteral("4"), QStringLiteral("5")});
    layout->addWidget(DBGridMap, 1);

    layout->addWidget(buildCoordinates());
    ButtonViewMap = button(QStringLiteral("Показати на карті"), GroupBoxSpysok, "ButtonViewMap");
    layout->addWidget(ButtonViewMap);
    ButtonViewAllMap = button(QStringLiteral("Усі місця на карті"), GroupBoxSpysok, "ButtonViewAllMap");
    layout->addWidget(ButtonViewAllMap);
    return GroupBoxSpysok;
}

QWidget *FishMapPage::buildCoordinates()
{
    // Its height is its collapsed state (a double click folds it to its title), so it is fixed.
    GroupBoxKoordynaty =
        named(new QGroupBox(QStringLiteral("Координати місця лову"), GroupBoxSpysok), "GroupBoxKoordynaty");
    GroupBoxKoordynaty->setFixedHeight(99);
    auto *boxLayout = column(GroupBoxKoordynaty, 4);
    PanelKoordynaty = named(new QWidget(GroupBoxKoordynaty), "PanelKoordynaty");
    boxLayout->addWidget(PanelKoordynaty);

    auto *layout = new QHBoxLayout(PanelKoordynaty);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    // Each caption stands over the field it names: latitude over Lat, longitude over Lng.
    LabelLat = label(QStringLiteral("Широта"), PanelKoordynaty, "LabelLat");
    DBEdit4 = bound<DBEdit>(QStringLiteral("Lat"), PanelKoordynaty, "DBEdit4");
    LabelLng = label(QStringLiteral("Довгота"), PanelKoordynaty, "LabelLng");
    DBEdit3 = bound<DBEdit>(QStringLiteral("Lng"), PanelKoordynaty, "DBEdit3");
    LabelDoroga = label(QStringLiteral("Дорога"), PanelKoordynaty, "LabelDoroga");
    DBMemo1 = bound<DBMemo>(QStringLiteral("Doroga"), PanelKoordynaty, "DBMemo1");
    for (auto [caption, control, stretch] : {std::tuple<QLabel *, QWidget *, int>{LabelLat, DBEdit4, 0},
                                             {LabelLng, DBEdit3, 0},
                                             {LabelDoroga, DBMemo1, 1}}) {
        auto *unit = new QVBoxLayout;
        unit->setSpacing(1);
        unit->addWidget(caption);
        unit->addWidget(control, 1);
        if (stretch == 0)
            unit->addStretch(1);
        layout->addLayout(unit, stretch == 0 ? 2 : 3);
    }
    return GroupBoxKoordynaty;
}

QWidget *FishMapPage::buildMap()
{
    GroupBoxMap = named(new QGroupBox(QStringLiteral("Карта"), TabFishMap), "GroupBoxMap");
    auto *layout = column(GroupBoxMap, 4);

    auto *host = named(new QFrame(GroupBoxMap), "WebBrowser1Host");
    host->setFrameShape(QFrame::StyledPanel);
    host->setFrameShadow(QFrame::Sunken);
    host->setBackgroundRole(QPalette::Base);
    host->setAutoFillBackground(true);
    auto *hostLayout = new QVBoxLayout(host);
    hostLayout->setContentsMargins(0, 0, 0, 0);
    WebBrowser1Host = host;
    layout->addWidget(WebBrowser1Host, 1);

    // Where the map page's text is put together; never shown.
    MemoHTML = named(new QPlainTextEdit(GroupBoxMap), "MemoHTML");
    MemoHTML->setVisible(false);
    layout->addWidget(MemoHTML);
    return GroupBoxMap;
}

QWidget *FishMapPage::buildOptions()
{
    GroupBoxMapOptions = named(new QGroupBox(TabFishMap), "GroupBoxMapOptions");
    GroupBoxMapOptions->setFixedWidth(615);
    auto *layout = new QHBoxLayout(GroupBoxMapOptions);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(8);

    // The water and the place.
    auto *place = new QVBoxLayout;
    place->setSpacing(1);
    LabelTypVodoymy = label(QStringLiteral("Тип водойми"), GroupBoxMapOptions, "LabelTypVodoymy");
    DBComboBox1 = bound<DBComboBox>(QStringLiteral("TypVodoymy"), GroupBoxMapOptions, "DBComboBox1");
    DBComboBox1->setItems({QStringLiteral("Річка"), QStringLiteral("Став"), QStringLiteral("Озеро"),
                           QStringLiteral("Море"), QStringLiteral("Океан")});
    addOver(place, LabelTypVodoymy, DBComboBox1);
    LabelNameVodoymy = label(QStringLiteral("Назва водойми"), GroupBoxMapOptions, "LabelNameVodoymy");
    DBEdit2 = bound<DBEdit>(QStringLiteral("NameVodoymy"), GroupBoxMapOptions, "DBEdit2");
    addOver(place, LabelNameVodoymy, DBEdit2);
    LabelMapSelo = label(QStringLiteral("Найблищий населений пункт"), GroupBoxMapOptions, "LabelMapSelo");
    DBEdit8 = bound<DBEdit>(QStringLiteral("Misto"), GroupBoxMapOptions, "DBEdit8");
    addOver(place, LabelMapSelo, DBEdit8);
    LabelDateMap = label(QStringLiteral("Дата заповненн даних"), GroupBoxMapOptions, "LabelDateMap");
    DBEdit1 = bound<DBEdit>(QStringLiteral("Date"), GroupBoxMapOptions, "DBEdit1");
    addOver(place, LabelDateMap, DBEdit1);
    place->addStretch(1);
    layout->addLayout(place, 5);

    // The fee and whom to pay it.
    auto *fee = new QVBoxLayout;
    fee->setSpacing(1);
    DBCheckBoxOplata =
        named(new DBCheckBox(QStringLiteral("Плата за рибалку"), GroupBoxMapOptions), "DBCheckBoxOplata");
    DBCheckBoxOplata->setDataField(QStringLiteral("Oplata"));
    fee->addWidget(DBCheckBoxOplata);
    DBMemoOplata = bound<DBMemo>(QStringLiteral("OpysOplaty"), GroupBoxMapOptions, "DBMemoOplata");
    fee->addWidget(DBMemoOplata, 1);
    fee->addSpacing(2);
    LabelOplataKontakt =
        label(QStringLiteral("Контакти орендатора"), GroupBoxMapOptions, "LabelOplataKontakt");
    DBMemo3 = bound<DBMemo>(QStringLiteral("KontaktOplata"), GroupBoxMapOptions, "DBMemo3");
    addOver(fee, LabelOplataKontakt, DBMemo3, 1);
    layout->addLayout(fee, 5);

    layout->addWidget(buildWeatherSites(), 7);
    return GroupBoxMapOptions;
}

QWidget *FishMapPage::buildWeatherSites()
{
    GroupBoxFishMapPogoda =
        named(new QGroupBox(QStringLiteral("Дані сайтів прогнозу погоди"), GroupBoxMapOptions),
              "GroupBoxFishMapPogoda");
    auto *layout = new QGridLayout(GroupBoxFishMapPogoda);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setHorizontalSpacing(3);
    layout->setVerticalSpacing(1);
    layout->setColumnStretch(0, 1);

    const auto addSite = [&](int row, QLabel *caption, DBEdit *edit, QPushButton *show, QPushButton *get) {
        layout->addWidget(caption, row * 2, 0, 1, 3);
        layout->addWidget(edit, row * 2 + 1, 0);
        if (show)
            layout->addWidget(show, row * 2 + 1, 1);
        if (get)
            layout->addWidget(get, row * 2 + 1, 2);
    };
    QWidget *box = GroupBoxFishMapPogoda;
    LabelRp5ID = label(QStringLiteral("Rp5 (ID Місто)"), box, "LabelRp5ID");
    DBEditRp5IDMisto = bound<DBEdit>(QStringLiteral("MistoRp5"), box, "DBEditRp5IDMisto");
    ButtonShowRp5 = button(QStringLiteral("Показати"), box, "ButtonShowRp5");
    addSite(0, LabelRp5ID, DBEditRp5IDMisto, ButtonShowRp5, nullptr);

    LabelRp5Stanciya = label(QStringLiteral("Rp5 (ID Станція)"), box, "LabelRp5Stanciya");
    DBEditRp5IDStanciya = bound<DBEdit>(QStringLiteral("StanciyaRp5"), box, "DBEditRp5IDStanciya");
    addSite(1, LabelRp5Stanciya, DBEditRp5IDStanciya, nullptr, nullptr);

    LabelSinoptik = label(QStringLiteral("Населений пункт (Синоптик)"), box, "LabelSinoptik");
    DBEditSinoptik = bound<DBEdit>(QStringLiteral("MistoSinoptikUA"), box, "DBEditSinoptik");
    ButtonShowSinoptik = button(QStringLiteral("Показати"), box, "ButtonShowSinoptik");
    ButtonGetSinoptik = button(QStringLiteral("URL"), box, "ButtonGetSinoptik");
    addSite(2, LabelSinoptik, DBEditSinoptik, ButtonShowSinoptik, ButtonGetSinoptik);

    LabelMeteo = label(QStringLiteral("Населений пункт (Метео)"), box, "LabelMeteo");
    DBEditMeteo = bound<DBEdit>(QStringLiteral("MistoMeteo"), box, "DBEditMeteo");
    ButtonShowMeteo = button(QStringLiteral("Показати"), box, "ButtonShowMeteo");
    ButtonGetMeteo = button(QStringLiteral("URL"), box, "ButtonGetMeteo");
    addSite(3, LabelMeteo, DBEditMeteo, ButtonShowMeteo, ButtonGetMeteo);

    // The buttons take no more than their texts need; the names of the settlements get the rest.
    for (QPushButton *b :
         {ButtonShowRp5, ButtonShowSinoptik, ButtonShowMeteo, ButtonGetSinoptik, ButtonGetMeteo})
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(b->text()) + 18);
    layout->setRowStretch(8, 1);
    return GroupBoxFishMapPogoda;
}

QWidget *FishMapPage::buildFish()
{
    GroupBoxFishMapFish = named(new QGroupBox(QStringLiteral("Види риб"), TabFishMap), "GroupBoxFishMapFish");
    GroupBoxFishMapFish->setFixedWidth(170);
    auto *layout = column(GroupBoxFishMapFish, 6);
    ListBoxFish = named(new QListWidget(GroupBoxFishMapFish), "ListBoxFish");
    layout->addWidget(ListBoxFish, 1);
    // The stored list itself; kept hidden, the list box above shows it.
    DBMemoFish = bound<DBMemo>(QStringLiteral("Fish"), GroupBoxFishMapFish, "DBMemoFish");
    DBMemoFish->setVisible(false);
    layout->addWidget(DBMemoFish, 1);
    ButtonFishMapAddFish =
        button(QStringLiteral("Добавити види риб"), GroupBoxFishMapFish, "ButtonFishMapAddFish");
    layout->addWidget(ButtonFishMapAddFish);
    return GroupBoxFishMapFish;
}

QWidget *FishMapPage::buildDescription()
{
    GroupBoxMapOpys = named(new QGroupBox(QStringLiteral("Опис"), TabFishMap), "GroupBoxMapOpys");
    auto *layout = column(GroupBoxMapOpys, 6);
    DBRichOpys = bound<DBRichEdit>(QStringLiteral("Opys"), GroupBoxMapOpys, "DBRichOpys");
    layout->addWidget(DBRichOpys);
    return GroupBoxMapOpys;
}

void FishMapPage::buildPopupMenus()
{
    using namespace pageparts;
    PopupMenuGridMap = popupMenu(TabFishMap, QStringLiteral("PopupMenuGridMap"));
    MenuRybalyv = named(PopupMenuGridMap->addMenu(QStringLiteral("Рибалив?")), QStringLiteral("MenuRybalyv"));
    MenuRybalyvYes = menuItem(MenuRybalyv, QStringLiteral("MenuRybalyvYes"), QStringLiteral("Так"));
    MenuRybalyvNo = menuItem(MenuRybalyv, QStringLiteral("MenuRybalyvNo"), QStringLiteral("Ні"));
    MenuViewAllMap =
        menuItem(PopupMenuGridMap, QStringLiteral("MenuViewAllMap"), QStringLiteral("Усі місця на карті"));
    attachPopupMenu(DBGridMap, PopupMenuGridMap);

    PopupMenuEdit = popupMenu(TabFishMap, QStringLiteral("PopupMenuEdit"));
    MenuListEdit = menuItem(PopupMenuEdit, QStringLiteral("MenuListEdit"), QStringLiteral("Редагувати"));
    attachPopupMenu(DBMemoFish, PopupMenuEdit);

    // Deleting a place with Ctrl+Delete asks first.
    DBGridMap->setUserDialogs(services().dialogs);
}

void FishMapPage::bind(TDataModule2 &dataModule)
{
    // The whole page shows the current place.
    DataSource *place = &dataModule.FishMapDS;
    DBGridMap->setDataSource(place);
    for (DBEdit *box : {DBEdit3, DBEdit4, DBEdit2, DBEdit8, DBEdit1, DBEditRp5IDMisto, DBEditRp5IDStanciya,
                        DBEditSinoptik, DBEditMeteo})
        box->setDataSource(place);
    for (DBMemo *memo : {DBMemo1, DBMemoOplata, DBMemo3, DBMemoFish})
        memo->setDataSource(place);
    DBComboBox1->setDataSource(place);
    DBCheckBoxOplata->setDataSource(place);
    DBRichOpys->setDataSource(place);
}

// ---------------------------------------------------------------------------------------------
// Handlers

QString FishMapPage::mapFile(const QString &programFolder)
{
    return programFolder + QStringLiteral("/map.html");
}

QString FishMapPage::allPlacesFile(const QString &programFolder)
{
    return programFolder + QStringLiteral("/mapall.html");
}

void FishMapPage::setStatusPictures(const QPixmap &unticked, const QPixmap &ticked)
{
    m_unticked = unticked;
    m_ticked = ticked;
}

void FishMapPage::setRussianContent(std::function<bool()> isRussian)
{
    m_isRussian = std::move(isRussian);
}

void FishMapPage::setMessageTexts(std::function<QString(const QString &)> messageText)
{
    m_messageText = std::move(messageText);
}

void FishMapPage::setFishChoice(FishChoice choose)
{
    m_chooseFish = std::move(choose);
}

void FishMapPage::connectHandlers()
{
    connect(DBGridMap, &DBGrid::drawColumnCell, this, &FishMapPage::DBGridMapDrawColumnCell);
    connect(DBGridMap, &DBGrid::titleClick, this, &FishMapPage::DBGridMapTitleClick);
    connect(MenuRybalyvYes, &QAction::triggered, this, &FishMapPage::MenuRybalyvYesClick);
    connect(MenuRybalyvNo, &QAction::triggered, this, &FishMapPage::MenuRybalyvNoClick);
    connect(MenuViewAllMap, &QAction::triggered, this, &FishMapPage::ButtonViewAllMapClick);
    connect(MenuListEdit, &QAction::triggered, this, &FishMapPage::MenuListEditClick);
    GroupBoxKoordynaty->installEventFilter(this);
    const std::pair<QPushButton *, void (FishMapPage::*)()> buttons[] = {
        {ButtonViewMap, &FishMapPage::ButtonViewMapClick},
        {ButtonViewAllMap, &FishMapPage::ButtonViewAllMapClick},
        {ButtonFishMapAddFish, &FishMapPage::ButtonFishMapAddFishClick},
        {ButtonShowSinoptik, &FishMapPage::ButtonShowSinoptikClick},
        {ButtonShowMeteo, &FishMapPage::ButtonShowMeteoClick},
        {ButtonShowRp5, &FishMapPage::ButtonShowRp5Click},
        {ButtonGetSinoptik, &FishMapPage::ButtonGetSinoptikClick},
        {ButtonGetMeteo, &FishMapPage::ButtonGetMeteoClick},
    };
    for (const auto &[b, handler] : buttons)
        connect(b, &QPushButton::clicked, this, handler);
}

bool FishMapPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == GroupBoxKoordynaty && event->type() == QEvent::MouseButtonDblClick)
        GroupBoxKoordynatyDblClick();
    return Page::eventFilter(watched, event);
}

void FishMapPage::connectHooks(TDataModule2 &dataModule)
{
    dataModule.FishMapTable.afterScroll = [this](DataSet &) { FishMapTableAfterScroll(); };
}

void FishMapPage::refreshViews()
{
    FishMapTableAfterScroll();
}

DataSet &FishMapPage::places() const
{
    if (!dataModule())
        throw Error(QStringLiteral("Дані місць лову недоступні: базу даних не відкрито"));
    return dataModule()->FishMapTable;
}

void FishMapPage::DBGridMapDrawColumnCell(const DBGridCell &cell)
{
    if (cell.fieldName != u"Status")
        return;
    cell.painter->fillRect(cell.rect, Qt::white);
    const QPixmap &picture = cell.value.toBool() ? m_ticked : m_unticked;
    // Centred across the cell, whose right edge lies just past its last pixel.
    const int right = cell.rect.left() + cell.rect.width();
    const int x = (cell.rect.left() + right - picture.width()) / 2;
    cell.painter->drawPixmap(x, cell.rect.top(), picture);
}

void FishMapPage::DBGridMapTitleClick(int column)
{
    DataSet &table = places();
    const QString field = DBGridMap->columnFieldName(column);
    const QString ascending = field + QStringLiteral(" ASC");
    table.setSort(table.sort() == ascending ? field + QStringLiteral(" DESC") : ascending);
}

void FishMapPage::markFished(bool fished)
{
    DataSet &table = places();
    table.edit();
    table.field(u"Status").setBoolean(fished);
    table.post();
}

void FishMapPage::MenuRybalyvYesClick()
{
    markFished(true);
}

void FishMapPage::MenuRybalyvNoClick()
{
    markFished(false);
}

void FishMapPage::GroupBoxKoordynatyDblClick()
{
    // The box's fixed height is its state: 20 is folded to its title.
    constexpr int Folded = 20;
    if (GroupBoxKoordynaty->maximumHeight() == Folded) {
        PanelKoordynaty->show();
        GroupBoxKoordynaty->setFixedHeight(100);
    } else {
        PanelKoordynaty->hide();
        GroupBoxKoordynaty->setFixedHeight(Folded);
    }
    GroupBoxKoordynaty->hide();
    GroupBoxKoordynaty->show();
}

void FishMapPage::ButtonFishMapAddFishClick()
{
    if (!m_chooseFish)
        return;
    if (const std::optional<QStringList> names = m_chooseFish())
        storePlaceFish(*names);
}

void FishMapPage::storePlaceFish(const QStringList &names)
{
    // The page's list is read again when a place becomes current, not here.
    DataSet &table = places();
    table.edit();
    table.field(u"Fish").setString(names.join(u'\n'));
    table.post();
}

void FishMapPage::FishMapTableAfterScroll()
{
    if (!isBuilt() || !dataModule())
        return;
    DataSet &table = dataModule()->FishMapTable;
    // A records database that did not open leaves the details empty.
    if (!table.isActive()) {
        DBMemoOplata->setEnabled(false);
        ListBoxFish->clear();
        return;
    }
    DBMemoOplata->setEnabled(table.field(u"Oplata").asBoolean());

    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = table.field(u"Fish").asString().split(lineBreak);
    // A final line break ends the last line; it starts no empty one.
    if (lines.last().isEmpty())
        lines.removeLast();
    ListBoxFish->clear();
    ListBoxFish->addItems(lines);
}

void FishMapPage::MenuListEditClick()
{
    ListBoxFish->setVisible(!ListBoxFish->isVisible());
    DBMemoFish->setVisible(!DBMemoFish->isVisible());
}

WebView &FishMapPage::webView()
{
    if (!WebBrowser1) {
        WebViewFactory *factory = services().webViews;
        if (!factory)
            throw Error(
                QStringLiteral("Сторінку неможливо показати: у програмі немає переглядача веб-сторінок"));
        WebBrowser1 = factory->create(WebBrowser1Host);
        WebBrowser1Host->layout()->addWidget(WebBrowser1->widget());
        // Queued: the request comes from inside the browser engine, and making the place current
        // may fail (a pending edit that cannot be stored), which the event loop then reports.
        connect(WebBrowser1, &WebView::placeChosen, this, &FishMapPage::choosePlace, Qt::QueuedConnection);
    }
    return *WebBrowser1;
}

void FishMapPage::showPage(const QString &path)
{
    WebView &view = webView();
    view.setMapTiles(ServiceAddresses::read(services().programFolder).mapTiles);
    view.showFile(path);
}

void FishMapPage::showAddress(const QString &address)
{
    // Field texts go into the address as typed: the view encodes what needs encoding.
    webView().showUrl(QUrl(address, QUrl::TolerantMode));
}

void FishMapPage::ButtonViewMapClick()
{
    DataSet &table = places();
    DataSet &system = dataModule()->SystemTable;
    // Measured before the view exists, since on the first press it is made below.
    MapPageWriter::PlacePage page;
    page.viewHeight = WebBrowser1Host->height();
    const auto parameter = [&system](const char *name) {
        system.setFilter(QStringLiteral("Parametr = '%1'").arg(QLatin1StringView(name)));
        return system.isEmpty() ? QString() : system.field(u"ValueMemo").asString();
    };
    try {
        system.setFiltered(true);
        page.mapBegin = parameter("MapBegin");
        page.lng = table.field(u"Lng").asString();
        page.lat = table.field(u"Lat").asString();
        page.mapEnd = parameter("MapEnd");
        page.home = ServiceAddresses::read(services().programFolder).mapHome;
        const QString text = MapPageWriter::placePageText(page);
        MemoHTML->setPlainText(text);
        const QString file = mapFile(services().programFolder);
        MapPageWriter::writeFile(file, MapPageWriter::placePage(page));
        showPage(file);
    } catch (...) {
        system.setFiltered(false);
        throw;
    }
    system.setFiltered(false);
}

void FishMapPage::ButtonViewAllMapClick()
{
    DataSet &table = places();
    const int id = table.fieldIndex(u"ID");
    const int name = table.fieldIndex(u"Name");
    const int rating = table.fieldIndex(u"Ocinka");
    const int lng = table.fieldIndex(u"Lng");
    const int lat = table.fieldIndex(u"Lat");
    QList<MapPageWriter::Place> list;
    list.reserve(table.recordCount());
    // Read row by row without moving: the current place stays as it is.
    for (int row = 0; row < table.recordCount(); ++row) {
        list.append({table.valueAt(row, id).toLongLong(), table.valueAt(row, name).toString(),
                     table.valueAt(row, rating).toInt(), table.valueAt(row, lng).toString(),
                     table.valueAt(row, lat).toString()});
    }
    const ServiceAddresses addresses = ServiceAddresses::read(services().programFolder);
    const QString file = allPlacesFile(services().programFolder);
    MapPageWriter::writeFile(file, MapPageWriter::allPlacesPage(list, addresses.mapTiles, addresses.mapHome));
    showPage(file);
}

void FishMapPage::choosePlace(qint64 id)
{
    if (!dataModule())
        return;
    // A place deleted since the map was made is simply not found.
    (void)dataModule()->FishMapTable.locate(QStringLiteral("ID"), id);
}

QString FishMapPage::messageText(const char *key) const
{
    return m_messageText ? m_messageText(QString::fromLatin1(key)) : QString();
}

WeatherLinks FishMapPage::weatherLinks() const
{
    const QString folder = services().programFolder;
    return WeatherLinks(ServiceAddresses::read(folder), ServiceAddresses::fileName(folder));
}

void FishMapPage::ButtonShowSinoptikClick()
{
    DataSet &table = places();
    const bool russian = m_isRussian && m_isRussian();
    showAddress(weatherLinks().sinoptik(russian, table.field(u"MistoSinoptikUA").asString(),
                                        table.field(u"MistoSinoptikRU").asString()));
}

void FishMapPage::ButtonShowMeteoClick()
{
    showAddress(weatherLinks().meteo(places().field(u"MistoMeteo").asString()));
}

void FishMapPage::ButtonShowRp5Click()
{
    showAddress(weatherLinks().rp5(places().field(u"MistoRp5").asString()));
}

void FishMapPage::ButtonGetSinoptikClick()
{
    DataSet &table = places();
    const WeatherLinks links = weatherLinks();
    const std::optional<QString> copied = services().dialogs->askText(
        messageText("MessageEnterString"), messageText("MessagePogodaURLSinoptik"), QString());
    if (!copied)
        return;
    const WeatherLinks::SinoptikParts parts = links.takeSinoptik(*copied);
    table.edit();
    if (parts.ukrainian)
        table.field(u"MistoSinoptikUA").setString(*parts.ukrainian);
    if (parts.russian)
        table.field(u"MistoSinoptikRU").setString(*parts.russian);
    table.post();
}

void FishMapPage::ButtonGetMeteoClick()
{
    DataSet &table = places();
    const WeatherLinks links = weatherLinks();
    const std::optional<QString> copied = services().dialogs->askText(
        messageText("MessageEnterString"), messageText("MessagePogodaURLMeteo"), QString());
    if (!copied)
        return;
    const std::optional<QString> name = links.takeMeteo(*copied);
    table.edit();
    if (name)
        table.field(u"MistoMeteo").setString(*name);
    table.post();
}

} // namespace lynvar
