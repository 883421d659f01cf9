// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/SchodennykPage.h"

#include "common/AppServices.h"
#include "common/Clock.h"
#include "common/Shell.h"
#include "common/UserDialogs.h"
#include "controls/DBEdit.h"
#include "controls/DBGrid.h"
#include "controls/DBMemo.h"
#include "controls/DBRichEdit.h"
#include "controls/DBText.h"
#include "controls/PageParts.h"
#include "controls/PictureView.h"
#include "data/DataModule2.h"
#include "data/FieldValue.h"
#include "diary/DatePicker.h"
#include "diary/DiaryPictures.h"
#include "diary/DiaryRules.h"
#include "diary/ExifTime.h"
#include "diary/FileListBox.h"
#include "diary/PhotoLoader.h"
#include "diary/TEditSchodennykForm.h"
#include "diary/TFormFish.h"
#include "diary/TFormSposobyLovu.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyle>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

namespace lynvar {

using pageparts::bound;
using pageparts::button;
using pageparts::column;
using pageparts::label;
using pageparts::named;

namespace {

// A weather picture of a fixed size, centred, shrunk with its proportions when it is larger.
PictureView *picture(QWidget *parent, const char *name, int side)
{
    auto *view = named(new PictureView(parent), name);
    view->setFixedSize(side, side);
    return view;
}

} // namespace

SchodennykPage::SchodennykPage(QWidget *page, AppServices &services)
    : Page(page, services), TabSchodennyk(page), m_runModal([](QDialog &dialog) { dialog.exec(); }),
      m_photoLoader(new PhotoLoader(this))
{
    connect(m_photoLoader, &PhotoLoader::loaded, this,
            [this](const QString &path, const DiaryPicture &picture, bool userAsked) {
                photoLoaded(path, picture, userAsked);
            });
}

SchodennykPage::~SchodennykPage() = default;

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
    connectHandlers();
}

QWidget *SchodennykPage::buildEntryList()
{
    PanelSchodenyk = named(new QWidget(TabSchodennyk), "PanelSchodenyk");
    PanelSchodenyk->setFixedWidth(473);
    auto *layout = column(PanelSchodenyk);

    DBGridSchodennyk = named(new DBGrid(PanelSchodenyk), "DBGridSchodennyk");
    DBGridSchodennyk->setFont(pageparts::pixelFont(QStringLiteral("Tahoma"), 13));
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

    ButtonEditMisce = button(QStringLiteral("Редагувати місце лову"), PanelSchodenyk, "ButtonEditMisce");
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
    ButtonAddFotoUlovu = button(QStringLiteral("Добавити фото"), list, "ButtonAddFotoUlovu");
    listLayout->addWidget(ButtonAddFotoUlovu);
    list->setMinimumWidth(60);

    ScrollBoxUlov = named(new QScrollArea(Splitter1), "ScrollBoxUlov");
    ScrollBoxUlov->setWidgetResizable(true);
    ScrollBoxUlov->setAlignment(Qt::AlignCenter);
    ImageUlov = named(new PictureView(ScrollBoxUlov), "ImageUlov");
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
    // The moon picture is stretched to its view with its proportions kept.
    ImageMoon->setStretch(true);
    for (PictureView *view : {ImageOpady, ImageViter}) {
        view->setMouseTracking(true);
        view->installEventFilter(this);
    }
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
    DBEdit5 = bound<DBEdit>(QStringLiteral("MasaUlovu"), GroupBoxUlov, "DBEdit5");
    mass->addWidget(DBEdit5, 1);
    mass->addWidget(label(QStringLiteral("кг"), GroupBoxUlov, "LabelMasaUlovuUnit"));
    right->addLayout(mass);

    GroupBoxTrofey = named(new QGroupBox(QStringLiteral("Трофей"), GroupBoxUlov), "GroupBoxTrofey");
    auto *trophy = column(GroupBoxTrofey, 5);
    DBEditTrofey = bound<DBEdit>(QStringLiteral("Trofey"), GroupBoxTrofey, "DBEditTrofey");
    trophy->addWidget(DBEditTrofey);
    auto *trophyMass = new QHBoxLayout;
    DBEditMasaTrofeyu = bound<DBEdit>(QStringLiteral("MasaTrofeyu"), GroupBoxTrofey, "DBEditMasaTrofeyu");
    trophyMass->addWidget(DBEditMasaTrofeyu, 1);
    trophyMass->addWidget(label(QStringLiteral("кг"), GroupBoxTrofey, "LabelMasaTrofeyuUnit"));
    trophy->addLayout(trophyMass);
    right->addWidget(GroupBoxTrofey);
    right->addStretch(1);

    ButtonAddUlov = button(QStringLiteral("Додати улов"), GroupBoxUlov, "ButtonAddUlov");
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
    ButtonAddSposobyLovu =
        button(QStringLiteral("Додати спосіб лову"), GroupBoxSposobLovu, "ButtonAddSposobyLovu");
    ButtonEditSposobyLovu =
        button(QStringLiteral("Редагувати спосіб лову"), GroupBoxSposobLovu, "ButtonEditSposobyLovu");
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

namespace lynvar {

// ------------------------------------------------------------------ wiring

void SchodennykPage::connectHandlers()
{
    connect(DBGridSchodennyk, &DBGrid::titleClick, this,
            [this](int column) { DBGridSchodennykTitleClick(column); });
    connect(ButtonEditMisce, &QPushButton::clicked, this, [this] { ButtonEditMisceClick(); });
    connect(MenuAddMisceLovu, &QAction::triggered, this, [this] { MenuAddMisceLovuClick(); });
    connect(ButtonAddUlov, &QPushButton::clicked, this, [this] { ButtonAddUlovClick(); });
    connect(ListBoxUlov, &QListWidget::itemDoubleClicked, this, [this] { ListBoxUlovDblClick(); });
    connect(ButtonAddSposobyLovu, &QPushButton::clicked, this, [this] { ButtonAddSposobyLovuClick(); });
    connect(ButtonEditSposobyLovu, &QPushButton::clicked, this, [this] { ButtonEditSposobyLovuClick(); });
    connect(ListBoxOsnastka, &QListWidget::itemDoubleClicked, this, [this] { ListBoxOsnastkaDblClick(); });
    connect(ListBoxNazhyvka, &QListWidget::itemDoubleClicked, this, [this] { ListBoxNazhyvkaDblClick(); });
    connect(ButtonAddFotoUlovu, &QPushButton::clicked, this, [this] { ButtonAddFotoUlovuClick(); });
    // A click or the arrow keys; the refresh re-points the list with its signals blocked.
    connect(FileListSchodennyk, &QListWidget::currentRowChanged, this, [this] { FileListSchodennykClick(); });
    connect(FileListSchodennyk, &QListWidget::itemDoubleClicked, this,
            [this] { FileListSchodennykDblClick(); });
    connect(FileListSchodennyk, &FileListBox::filesDropped, this,
            [this](const QStringList &files) { FileListSchodennykDragDrop(files); });
    connect(ImageUlov, &PictureView::doubleClicked, this, [this] { ImageUlovDblClick(); });
    ImageUlov->installEventFilter(this);
}

void SchodennykPage::connectHooks(TDataModule2 &dataModule)
{
    dataModule.SchodennykTable.afterScroll = [this](DataSet &) { SchodennykTableAfterScroll(); };
    dataModule.SchodennykTable.afterInsert = [this](DataSet &) { SchodennykTableAfterInsert(); };
    dataModule.SchodennykTable.afterPost = [this](DataSet &) { SchodennykTableAfterPost(); };
    dataModule.SposobyLovuTable.afterScroll = [this](DataSet &) { SposobyLovuTableAfterScroll(); };
    connect(&dataModule.SchodennykTable, &DataSet::stateChanged, this, [this] { rememberFormerFolder(); });
}

void SchodennykPage::refreshViews()
{
    SchodennykTableAfterScroll();
    SposobyLovuTableAfterScroll();
}

bool SchodennykPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        if (watched == ImageViter)
            ImageViterMouseMove();
        else if (watched == ImageOpady)
            ImageOpadyMouseMove();
    } else if (watched == ImageUlov && event->type() == QEvent::Resize && !m_photoPath.isEmpty()) {
        ImageUlov->setStretch(diarypictures::stretchFor(m_photoFullSize, ImageUlov->size()));
        // A view grown past what the photo was decoded for gets a sharper copy.
        const QSize needed = photoViewSize();
        if (m_photoDecodedFor.isValid() &&
            (needed.width() > m_photoDecodedFor.width() || needed.height() > m_photoDecodedFor.height()) &&
            (m_photoFullSize.width() > m_photoDecodedFor.width() ||
             m_photoFullSize.height() > m_photoDecodedFor.height()))
            QTimer::singleShot(150, this, [this, path = m_photoPath] {
                if (path == m_photoPath)
                    requestPhoto(path, false);
            });
    }
    return Page::eventFilter(watched, event);
}

DataSet *SchodennykPage::diary() const
{
    return dataModule() ? &dataModule()->SchodennykTable : nullptr;
}

bool SchodennykPage::hasStoredEntry() const
{
    const DataSet *entry = diary();
    return entry && entry->isActive() && !entry->isEmpty() && entry->state() != DataSet::State::Insert;
}

void SchodennykPage::runModal(QDialog &dialog)
{
    m_runModal(dialog);
}

CatchPhotos SchodennykPage::photos() const
{
    return CatchPhotos(services().programFolder);
}

QString SchodennykPage::currentEntryFolder() const
{
    DataSet *entry = diary();
    if (!entry || !entry->isActive())
        return photos().folderOf(fieldvalue::zeroDate(), 0);
    return photos().folderOf(entry->field(u"Date1").asDateTime(), entry->field(u"ID").asInteger());
}

// ------------------------------------------------------------------ the entry view

void SchodennykPage::SchodennykTableAfterScroll()
{
    if (!isBuilt())
        return;
    DataSet *entry = diary();
    const bool open = entry && entry->isActive();
    const auto value = [&](QStringView field) { return open ? entry->field(field).value() : QVariant(); };
    const auto text = [&](QStringView field) { return open ? entry->field(field).asString() : QString(); };
    const QDate start = open ? entry->field(u"Date1").asDateTime().date() : fieldvalue::zeroDate().date();
    const QString folder = currentEntryFolder();

    // 1, 2: the photos; a large photo arrives from the loader a moment later.
    pointPhotoList(QFileInfo(folder).isDir() ? folder : photos().root());
    showFirstPhoto();

    // 3: the catch.
    ListBoxUlov->clear();
    ListBoxUlov->addItems(diaryrules::itemLines(text(u"Ulov")));

    // 4, 5: precipitation and wind; a missing picture leaves its view empty.
    const QString program = services().programFolder;
    ImageOpady->clear();
    showWeatherPicture(ImageOpady,
                       program + QStringLiteral("/pogoda/opady/") + text(u"Opady") + QStringLiteral(".jpg"));
    showWeatherPicture(ImageViter, program + QStringLiteral("/pogoda/viter/") + text(u"NaprymVitru") +
                                       QStringLiteral(".jpg"));

    // 6: the moon; without a picture for the age the view is empty rather than the last entry's moon.
    const int age = diaryrules::moonAge(start);
    showWeatherPicture(ImageMoon, program + QStringLiteral("/pogoda/moon/m%1.jpg").arg(age));
    ImageMoon->setToolTip(diaryrules::moonHint(age));

    // 7: the pressure unit only beside a pressure.
    LabelTusk->setVisible(!text(u"Tysk").isEmpty());

    // 8: temperatures.
    const std::pair<QLabel *, const char16_t *> temperatures[] = {{LabelTC1, u"TemperaturaMin"},
                                                                  {LabelTC2, u"TemperaturaMax"}};
    for (const auto &[label, field] : temperatures) {
        const diaryrules::Temperature t = diaryrules::temperature(value(field));
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, t.color);
        label->setPalette(palette);
        label->setText(t.text);
    }
}

void SchodennykPage::showWeatherPicture(PictureView *view, const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        view->clear();
        return;
    }
    const DiaryPicture picture = diarypictures::load(path, view->size() * view->devicePixelRatioF());
    // An unreadable picture leaves its view empty; the refresh goes on.
    view->setPicture(picture.image);
}

void SchodennykPage::SposobyLovuTableAfterScroll()
{
    if (!isBuilt())
        return;
    ListBoxOsnastka->clear();
    ListBoxNazhyvka->clear();
    DataSet *methods = dataModule() ? &dataModule()->SposobyLovuTable : nullptr;
    if (!methods || !methods->isActive() || methods->isEmpty())
        return;
    ListBoxOsnastka->addItems(diaryrules::itemLines(methods->field(u"Osnastka").asString()));
    ListBoxNazhyvka->addItems(diaryrules::itemLines(methods->field(u"Nazyvka").asString()));
}

void SchodennykPage::DBGridSchodennykTitleClick(int column)
{
    DataSet *entry = diary();
    const QString field = DBGridSchodennyk->columnFieldName(column);
    if (!entry || field.isEmpty())
        return;
    const QString ascending = field + QStringLiteral(" ASC");
    entry->setSort(entry->sort() == ascending ? field + QStringLiteral(" DESC") : ascending);
}

QString SchodennykPage::weatherName(DataSet &table, const QString &key) const
{
    // Looked up by key, without moving the table: the editor's look-up boxes show its current row.
    const int keyField = table.fieldIndex(u"NameLat");
    const bool ukrainian = !m_isUkrainian || m_isUkrainian();
    const int nameField = table.fieldIndex(ukrainian ? u"NameUkr" : u"NameRus");
    if (key.isEmpty() || !table.isActive() || keyField < 0 || nameField < 0)
        return {};
    for (int row = 0; row < table.recordCount(); ++row) {
        if (table.valueAt(row, keyField).toString() == key)
            return table.valueAt(row, nameField).toString();
    }
    return {};
}

void SchodennykPage::ImageViterMouseMove()
{
    DataSet *entry = diary();
    if (!isBuilt() || !entry || !entry->isActive())
        return;
    ImageViter->setToolTip(weatherName(dataModule()->ViterTable, entry->field(u"NaprymVitru").asString()));
}

void SchodennykPage::ImageOpadyMouseMove()
{
    DataSet *entry = diary();
    if (!isBuilt() || !entry || !entry->isActive())
        return;
    ImageOpady->setToolTip(weatherName(dataModule()->OpadyTable, entry->field(u"Opady").asString()));
}

// ------------------------------------------------------------------ the catch photo

void SchodennykPage::pointPhotoList(const QString &folder)
{
    const QSignalBlocker quiet(FileListSchodennyk);
    FileListSchodennyk->setDirectory(folder);
}

void SchodennykPage::showFirstPhoto()
{
    const QString path = FileListSchodennyk->count() > 0
                             ? FileListSchodennyk->filePath(0)
                             : services().programFolder + QStringLiteral("/fish/no_photo.jpg");
    requestPhoto(path, false);
}

QSize SchodennykPage::photoViewSize() const
{
    QSize size = ImageUlov->size();
    // Before the page is laid out the view has no size yet: decode for the screen instead.
    if (size.width() < 32 || size.height() < 32)
        size = ImageUlov->screen() ? ImageUlov->screen()->availableSize() : QSize(1920, 1080);
    return size * ImageUlov->devicePixelRatioF();
}

void SchodennykPage::requestPhoto(const QString &path, bool userAsked)
{
    const QSize viewSize = photoViewSize();
    // Asked again while it is on its way (the start-up refreshes the view twice): decode it once.
    if (!userAsked && path == m_photoPath && viewSize == m_photoAskedFor && !m_photoLoader->isIdle())
        return;
    const QString before = m_photoPath;
    m_photoPath = path;
    m_photoAskedFor = viewSize;
    m_photoDecodedFor = QSize();
    m_photoLoader->request(path, viewSize, userAsked);
    // Not in the cache: the view stays empty until the photo arrives, rather than showing another
    // entry's photo meanwhile. A photo the user clicked keeps the old one until the new one is ready.
    if (!userAsked && !m_photoDecodedFor.isValid() && before != path)
        ImageUlov->clear();
}

void SchodennykPage::photoLoaded(const QString &path, const DiaryPicture &picture, bool userAsked)
{
    if (!isBuilt() || path != m_photoPath)
        return;
    if (!picture.ok()) {
        if (userAsked) {
            services().dialogs->showError(picture.error);
        } else {
            ImageUlov->clear();
            ImageUlov->setToolTip(picture.error);
        }
        return;
    }
    m_photoDecodedFor = photoViewSize();
    m_photoFullSize = picture.fullSize;
    ImageUlov->setToolTip(QString());
    ImageUlov->setPicture(picture.image);
    ImageUlov->setStretch(diarypictures::stretchFor(picture.fullSize, ImageUlov->size()));
}

void SchodennykPage::FileListSchodennykClick()
{
    const int row = FileListSchodennyk->currentRow();
    if (row < 0) {
        m_photoLoader->cancel();
        m_photoPath.clear();
        ImageUlov->clear();
        return;
    }
    requestPhoto(FileListSchodennyk->filePath(row), true);
}

namespace {

void openWithUserProgram(Shell *shell, const QString &path)
{
    // Until the program has its shell, the desktop's default program opens it.
    if (shell)
        (void)shell->openTarget(path);
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace

void SchodennykPage::FileListSchodennykDblClick()
{
    const int row = FileListSchodennyk->currentRow();
    if (row >= 0)
        openWithUserProgram(services().shell, FileListSchodennyk->filePath(row));
}

void SchodennykPage::ImageUlovDblClick()
{
    // The placeholder is not a photo of the entry.
    if (FileListSchodennyk->count() > 0 && QFileInfo(m_photoPath).absolutePath() ==
                                               QFileInfo(FileListSchodennyk->directory()).absoluteFilePath())
        openWithUserProgram(services().shell, m_photoPath);
}

void SchodennykPage::ButtonAddFotoUlovuClick()
{
    const QStringList files = services().dialogs->chooseOpenFiles(
        QStringLiteral("Добавити фото"), QString(),
        QStringLiteral("Фото (*.jpg *.jpeg *.JPG *.JPEG *.png *.PNG *.bmp *.BMP)"));
    addPhotos(files);
}

void SchodennykPage::FileListSchodennykDragDrop(const QStringList &files)
{
    addPhotos(files);
}

void SchodennykPage::addPhotos(const QStringList &files)
{
    const QString folder = currentEntryFolder();
    const CatchPhotos::AddResult result = photos().addPhotos(folder, files);
    if (!result.skipped.isEmpty())
        services().dialogs->showMessage(
            QStringLiteral("У папці цього запису вже є фото з такою назвою, його не скопійовано: %1")
                .arg(result.skipped.join(QStringLiteral(", "))));
    if (result.folderMissing)
        services().dialogs->showError(QStringLiteral("Не вдалося створити папку %1.").arg(folder));
    else if (!result.failed.isEmpty())
        services().dialogs->showError(QStringLiteral("Не вдалося скопіювати у папку %1: %2.")
                                          .arg(folder, result.failed.join(QStringLiteral(", "))));
    if (isBuilt())
        pointPhotoList(QFileInfo(folder).isDir() ? folder : photos().root());
}

QList<QDateTime> SchodennykPage::photoTimesOfCurrentEntry() const
{
    const QString folder = currentEntryFolder();
    QList<QDateTime> times;
    const QStringList names = CatchPhotos::photosIn(folder);
    for (qsizetype i = 0; i < names.size() && i < 500; ++i) {
        if (const auto taken = exiftime::takenAt(folder + u'/' + names[i]))
            times << *taken;
    }
    return times;
}

// ------------------------------------------------------------------ storing entries

void SchodennykPage::rememberFormerFolder()
{
    DataSet *entry = diary();
    const bool editing = entry && entry->isEditing();
    if (editing && !m_editingSeen) {
        // The values the entry had before this edit: for a new row, none (zero date and number).
        m_formerStart = entry->field(u"Date1").asDateTime();
        m_formerId = entry->field(u"ID").asInteger();
    }
    m_editingSeen = editing;
}

void SchodennykPage::SchodennykTableAfterPost()
{
    DataSet *entry = diary();
    if (!entry)
        return;
    const QDateTime start = entry->field(u"Date1").asDateTime();
    const qint64 id = entry->field(u"ID").asInteger();
    // Photos stay with their entry when its start date changes; another entry's folder of the same
    // name is never replaced (the rename is skipped then).
    (void)CatchPhotos::renameFolder(photos().folderOf(m_formerStart, m_formerId),
                                    photos().folderOf(start, id));
    m_formerStart = start;
    m_formerId = id;
    SchodennykTableAfterScroll();
}

void SchodennykPage::SchodennykTableAfterInsert()
{
    if (!m_editor)
        return;
    TEditSchodennykForm &editor = m_editor->get();
    const QDate today = services().clock ? services().clock->now().date() : QDate::currentDate();
    editor.DateTimePickerStart->setDateOnly(today);
    editor.DateTimePickerFinish->setDateOnly(today);
    editor.offerPhotoTimes(photoTimesOfCurrentEntry());
    runModal(editor);
}

bool SchodennykPage::findEntryPlace(const QString &message)
{
    DataSet *entry = diary();
    DataSet &places = dataModule()->FishMapTable;
    const qint64 place = entry && entry->isActive() ? entry->field(u"IDMisce").asInteger() : 0;
    if (places.locate(QStringLiteral("ID"), place))
        return true;
    services().dialogs->showMessage(message);
    places.first();
    return false;
}

void SchodennykPage::ButtonEditMisceClick()
{
    DataSet *entry = diary();
    // On an empty diary there is no entry to edit (editing would start a new one, which opens the
    // editor by itself).
    if (!m_editor || !entry || !entry->isActive() || entry->isEmpty())
        return;
    findEntryPlace(MessageNoMisceLovu2);
    TEditSchodennykForm &editor = m_editor->get();
    editor.resize(editor.narrowWidth(), editor.height());
    editor.DateTimePickerStart->setDateOnly(entry->field(u"Date1").asDateTime().date());
    editor.DateTimePickerFinish->setDateOnly(entry->field(u"Date2").asDateTime().date());
    editor.offerPhotoTimes(entry->state() == DataSet::State::Insert ? photoTimesOfCurrentEntry()
                                                                    : QList<QDateTime>());
    runModal(editor);
}

void SchodennykPage::MenuAddMisceLovuClick()
{
    if (!dataModule())
        return;
    if (m_selectPage)
        m_selectPage(0);
    findEntryPlace(MessageNoMisceLovu);
}

// ------------------------------------------------------------------ catch and methods

void SchodennykPage::ButtonAddUlovClick()
{
    if (!m_fish || !hasStoredEntry())
        return;
    TFormFish &fish = m_fish->get();
    fish.setMode(TFormFish::Mode::Catch);
    runModal(fish);
}

void SchodennykPage::ListBoxUlovDblClick()
{
    const QListWidgetItem *line = ListBoxUlov->currentItem();
    if (!line || !dataModule())
        return;
    (void)dataModule()->FishTable.locate(QStringLiteral("NameUA"), line->text(), {true, true});
    if (m_selectPage)
        m_selectPage(2);
}

void SchodennykPage::ButtonAddSposobyLovuClick()
{
    if (!m_methods || !hasStoredEntry())
        return;
    TFormSposobyLovu &methods = m_methods->get();
    methods.setAfterStore([this] { SposobyLovuTableAfterScroll(); });
    dataModule()->SposobyLovuTable.insert();
    runModal(methods);
}

void SchodennykPage::ButtonEditSposobyLovuClick()
{
    if (!m_methods || !hasStoredEntry())
        return;
    TFormSposobyLovu &methods = m_methods->get();
    methods.setAfterStore([this] { SposobyLovuTableAfterScroll(); });
    // With no method yet this starts a new one.
    dataModule()->SposobyLovuTable.edit();
    runModal(methods);
}

void SchodennykPage::jumpToTackle(QListWidget *list, DataSet &items)
{
    const QListWidgetItem *line = list->currentItem();
    if (!line || !dataModule())
        return;
    TDataModule2 &data = *dataModule();
    const QString method = data.SposobyLovuTable.isActive() && !data.SposobyLovuTable.isEmpty()
                               ? data.SposobyLovuTable.field(u"Name").asString()
                               : QString();
    (void)data.SnastTable.locate(QStringLiteral("NameUkr"), method, {true, true});
    (void)items.locate(QStringLiteral("NameUkr"), line->text(), {true, true});
    if (m_selectPage)
        m_selectPage(8);
}

void SchodennykPage::ListBoxOsnastkaDblClick()
{
    if (dataModule())
        jumpToTackle(ListBoxOsnastka, dataModule()->OsnastkaTable);
}

void SchodennykPage::ListBoxNazhyvkaDblClick()
{
    if (dataModule())
        jumpToTackle(ListBoxNazhyvka, dataModule()->NazhyvkaTable);
}

} // namespace lynvar
