// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TDovidnykForm.h"

#include "app/ErrorBox.h"
#include "app/HandbookSearchCommands.h"
#include "app/Hint.h"
#include "app/StandardActionList.h"
#include "app/TFormOptions.h"
#include "common/AppServices.h"
#include "common/IniFile.h"
#include "common/UserDialogs.h"
#include "controls/DBRichEdit.h"
#include "data/DataModule2.h"
#include "diary/SchodennykPage.h"
#include "maintenance/MaintenanceCommands.h"
#include "places/FishMapPage.h"
#include "reference/AnecdotPage.h"
#include "reference/FishPage.h"
#include "reference/HandbookSearchBox.h"
#include "reference/KuhnyaPage.h"
#include "reference/RichTextCommands.h"
#include "reference/RivePage.h"
#include "reference/SlovnykPage.h"
#include "reference/SposobyPage.h"
#include "reference/VuzlyPage.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <functional>

namespace lynvar {
namespace {

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

template <typename T> T *named(T *object, const char *name)
{
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

} // namespace

TDovidnykForm::TDovidnykForm(IniFile &settings, AppServices &services, QWidget *parent)
    : QMainWindow(parent), m_settings(settings), m_services(services)
{
    setObjectName(QStringLiteral("DovidnykForm"));
    setWindowTitle(QStringLiteral("LynvarBook"));
    QFont windowFont(QStringLiteral("Comic Sans MS"));
    windowFont.setPixelSize(13);
    setFont(windowFont);
    buildActions();
    buildToolBar();
    buildPages();
    buildMenus();
    buildStatusBar();
    connectHandbookCommands();
    connectDiaryCommands();
    resize(1024, 726);
    connectMaintenanceCommands();
    connectPlacesCommands();
}

void TDovidnykForm::connectDiaryCommands()
{
    SchodennykPage *diary = page<SchodennykPage>();
    diary->setPageSelector([this](int index) { showPage(index); });
    diary->setContentLanguage([this] { return ToolButtonUA->isChecked(); });
}

TDovidnykForm::~TDovidnykForm() = default;

void TDovidnykForm::buildPages()
{
    PageControlGeneral = named(new QTabWidget(this), "PageControlGeneral");
    QFont pageFont(QStringLiteral("Tahoma"));
    pageFont.setPixelSize(11);
    const struct
    {
        QWidget **page;
        const char *name;
        const char *caption;
    } pages[] = {
        {&TabFishMap, "TabFishMap", "Карта риболовних місць"},
        {&TabSchodennyk, "TabSchodennyk", "Щоденник рибалки"},
        {&TabFish, "TabFish", "Види риб"},
        {&TabVuzly, "TabVuzly", "Рибальські вузли"},
        {&TabRive, "TabRive", "Річки України"},
        {&TabSlovnyk, "TabSlovnyk", "Словник рибалки"},
        {&TabKuhnya, "TabKuhnya", "Кухня рибалки"},
        {&TabAnecdot, "TabAnecdot", "Анекдоти"},
        {&TabSposoby, "TabSposoby", "Способи лову"},
    };
    for (const auto &p : pages) {
        *p.page = named(new QWidget, p.name);
        (*p.page)->setFont(pageFont);
        PageControlGeneral->addTab(*p.page, text(p.caption));
    }

    // Each page's controls and behaviour live with their subsystem; a page's controls are made
    // when it is first shown.
    m_pages.add(new FishMapPage(TabFishMap, m_services));
    m_pages.add(new SchodennykPage(TabSchodennyk, m_services));
    m_pages.add(new FishPage(TabFish, m_services));
    auto *knots = new VuzlyPage(TabVuzly, m_services);
    m_pages.add(knots);
    m_pages.add(new RivePage(TabRive, m_services));
    m_pages.add(new SlovnykPage(TabSlovnyk, m_services));
    m_pages.add(new KuhnyaPage(TabKuhnya, m_services));
    m_pages.add(new AnecdotPage(TabAnecdot, m_services));
    m_pages.add(new SposobyPage(TabSposoby, m_services));

    // The knot picture panel, right of the knot description, keeps its shape with the window.
    connect(knots, &Page::built, this, [this, knots] {
        Panel3 = knots->Panel3;
        Panel3->installEventFilter(this);
        FormResize();
    });

    {
        const QSignalBlocker quiet(PageControlGeneral);
        PageControlGeneral->setCurrentIndex(LayoutPageIndex);
    }
    setCentralWidget(PageControlGeneral);
    connect(PageControlGeneral, &QTabWidget::currentChanged, this, [this](int index) {
        pageShown(index);
        PageControlGeneralChange();
    });
}

void TDovidnykForm::buildActions()
{
    ImageList1 = toolImages();
    ImageList2 = placeStatusImages();
    ActionList1 = new StandardActionList(this, ImageList1, *m_services.dialogs);
}

namespace {

// A menu item that runs a handler of the window.
QAction *addItem(TDovidnykForm *form, QMenu *menu, const char *name, const char *caption,
                 void (TDovidnykForm::*handler)(), const QKeySequence &keys = {})
{
    QAction *item = named(menu->addAction(text(caption)), name);
    item->setShortcut(keys);
    QObject::connect(item, &QAction::triggered, form, [form, handler] { (form->*handler)(); });
    return item;
}

// A menu item whose work belongs to a page or another window: its owner connects to it.
QAction *addItem(QMenu *menu, const char *name, const char *caption, const QKeySequence &keys = {})
{
    QAction *item = named(menu->addAction(text(caption)), name);
    item->setShortcut(keys);
    return item;
}

// A menu item that runs a standard command: the command's caption, picture and shortcut unless
// the item has its own.
QAction *addItem(QMenu *menu, const char *name, QAction *command, const char *caption = nullptr,
                 const QKeySequence &keys = {})
{
    QAction *item = named(menu->addAction(caption ? text(caption) : command->text()), name);
    item->setIcon(command->icon());
    item->setShortcut(keys.isEmpty() ? command->shortcut() : keys);
    followAction(item, command);
    return item;
}

} // namespace

void TDovidnykForm::buildMenus()
{
    StandardActionList &commands = *ActionList1;
    MainMenu1 = named(menuBar(), "MainMenu1");

    MenuFile = named(MainMenu1->addMenu(text("Файл")), "MenuFile");
    MenuInsert = addItem(MenuFile, "MenuInsert", commands.DataSetInsert1, "Створити новий",
                         QKeySequence(Qt::CTRL | Qt::Key_N));
    MenuEdit = addItem(MenuFile, "MenuEdit", commands.DataSetEdit1, "Редагувати", QKeySequence(Qt::Key_F2));
    MenuPost =
        addItem(MenuFile, "MenuPost", commands.DataSetPost1, "Зберегти", QKeySequence(Qt::CTRL | Qt::Key_S));
    MenuFile->addSeparator();
    MenuExit = addItem(this, MenuFile, "MenuExit", "Вихід", &TDovidnykForm::MenuExitClick);

    MenuPravka = named(MainMenu1->addMenu(text("Правка")), "MenuPravka");
    MenuCopy =
        addItem(MenuPravka, "MenuCopy", commands.EditCopy1, nullptr, QKeySequence(Qt::CTRL | Qt::Key_C));
    MenuPaste =
        addItem(MenuPravka, "MenuPaste", commands.EditPaste1, nullptr, QKeySequence(Qt::CTRL | Qt::Key_V));
    MenuCut = addItem(MenuPravka, "MenuCut", commands.EditCut1, nullptr, QKeySequence(Qt::CTRL | Qt::Key_X));
    MenuPravka->addSeparator();
    MenuFormat = named(MenuPravka->addMenu(text("Формат")), "MenuFormat");
    MenuBold = addItem(MenuFormat, "MenuBold", commands.RichEditBold1);
    MenuItalic = addItem(MenuFormat, "MenuItalic", commands.RichEditItalic1);
    MenuUnderline = addItem(MenuFormat, "MenuUnderline", commands.RichEditUnderline1);
    MenuFormat->addSeparator();
    MenuAlignLeft = addItem(MenuFormat, "MenuAlignLeft", commands.RichEditAlignLeft1);
    MenuCenter = addItem(MenuFormat, "MenuCenter", commands.RichEditAlignCenter1);
    MenuAlignRight = addItem(MenuFormat, "MenuAlignRight", commands.RichEditAlignRight1);
    MenuSelectAll = addItem(MenuPravka, "MenuSelectAll", commands.EditSelectAll1, nullptr,
                            QKeySequence(Qt::CTRL | Qt::Key_A));
    MenuFontPaste = addItem(MenuPravka, "MenuFontPaste", "Вставити форматування тексту",
                            QKeySequence(Qt::CTRL | Qt::Key_W));
    MenuFontInstall = addItem(MenuPravka, "MenuFontInstall", "Встановити форматування тексту");
    MenuFontFormat =
        addItem(MenuPravka, "MenuFontFormat", "Формат тексту", QKeySequence(Qt::CTRL | Qt::Key_D));

    MenuSettings = named(MainMenu1->addMenu(text("Налаштування")), "MenuSettings");
    MenuSaveBD = addItem(MenuSettings, "MenuSaveBD", "Зберегти зміни в базу даних",
                         QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
    MenuBackupBD = addItem(MenuSettings, "MenuBackupBD", "Зробити резервну копію бази даних");
    MenuCreateFile = addItem(MenuSettings, "MenuCreateFile", "Створити файли в папках");
    MenuLangVygruz = addItem(MenuSettings, "MenuLangVygruz", "Вигрузити локалізацію");
    MenuLanguages = named(MenuSettings->addMenu(text("Мова")), "MenuLanguages");
    MenuUkranian =
        addItem(this, MenuLanguages, "MenuUkranian", "Українська", &TDovidnykForm::MenuUkranianClick);
    MenuRussian = addItem(this, MenuLanguages, "MenuRussian", "Російська", &TDovidnykForm::MenuRussianClick);
    for (QAction *item : {MenuUkranian, MenuRussian})
        item->setCheckable(true);
    MenuSettings->addSeparator();
    MenuOptions = addItem(MenuSettings, "MenuOptions", "Налаштування");

    MenuDovidka = named(MainMenu1->addMenu(text("Довідка")), "MenuDovidka");
    MenuDownload = addItem(MenuDovidka, "MenuDownload", "Завантажити нову версію програми");
    MenuLynvarNet = addItem(MenuDovidka, "MenuLynvarNet", "Перейти на сайт LynvarNet");
    MenuNewVersion = addItem(MenuDovidka, "MenuNewVersion", "Перевірити нову версію");
    MenuDovidka->addSeparator();
    MenuAbout = addItem(MenuDovidka, "MenuAbout", "Про програму");

    // Commands kept for maintenance: never shown.
    for (QAction *item : {MenuFontPaste, MenuFontInstall, MenuCreateFile, MenuLangVygruz, MenuOptions})
        item->setVisible(false);
    // A hidden item takes no keys of its own, yet pasting the stored format works through its key.
    auto *fontPasteKey = new QShortcut(MenuFontPaste->shortcut(), this);
    connect(fontPasteKey, &QShortcut::activated, MenuFontPaste, &QAction::trigger);
}

void TDovidnykForm::buildToolBar()
{
    ToolBar1 = named(addToolBar(QStringLiteral("ToolBar1")), "ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setFixedHeight(29);
    ToolBar1->setIconSize(ImageList1.size());
    // Pictures and hints only, no captions; the buttons never take the focus from the text the
    // commands act on.
    const auto button = [this](const char *name, int image, const QString &hint, bool visible = true) {
        auto *b = named(new QToolButton(ToolBar1), name);
        b->setIcon(ImageList1.icon(image));
        b->setIconSize(ImageList1.size());
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        setHint(b, hint);
        // A widget on a tool bar is shown and hidden through its tool bar action.
        ToolBar1->addWidget(b)->setVisible(visible);
        return b;
    };
    const auto command = [&](const char *name, QAction *action, int image, const QString &hint = {}) {
        QToolButton *b = button(name, image, hint.isEmpty() ? hintOf(action) : hint);
        followAction(b, action);
        return b;
    };
    const auto handler = [this](QToolButton *b, void (TDovidnykForm::*run)()) {
        connect(b, &QToolButton::clicked, this, [this, run] { (this->*run)(); });
    };
    StandardActionList &commands = *ActionList1;

    ToolButtonInsert = command("ToolButtonInsert", commands.DataSetInsert1, ToolImageNew, text("Новий"));
    ToolButtonEdit = command("ToolButtonEdit", commands.DataSetEdit1, ToolImageEdit);
    ToolButtonPost = command("ToolButtonPost", commands.DataSetPost1, ToolImageSave);
    ToolBar1->addSeparator();
    ToolButtonBold = command("ToolButtonBold", commands.RichEditBold1, ToolImageBold);
    ToolButtonItalic = command("ToolButtonItalic", commands.RichEditItalic1, ToolImageItalic);
    ToolButtonUnderline = command("ToolButtonUnderline", commands.RichEditUnderline1, ToolImageUnderline);
    ToolBar1->addSeparator();
    ToolButtonLeft = command("ToolButtonLeft", commands.RichEditAlignLeft1, ToolImageAlignLeft);
    ToolButtonCenter = command("ToolButtonCenter", commands.RichEditAlignCenter1, ToolImageAlignCenter);
    ToolButtonRight = command("ToolButtonRight", commands.RichEditAlignRight1, ToolImageAlignRight);
    ToolBar1->addSeparator();
    ToolButtonPaste = command("ToolButtonPaste", commands.EditPaste1, ToolImagePaste);
    ToolButtonCopy = command("ToolButtonCopy", commands.EditCopy1, ToolImageCopy);
    ToolButtonCut = command("ToolButtonCut", commands.EditCut1, ToolImageCut);
    ToolBar1->addSeparator();
    ToolButtonFont = button("ToolButtonFont", ToolImageFont, text("Форма шрифту"));
    ToolButtonImportAnecdot = button("ToolButtonImportAnecdot", ToolImageExportText, QString(), false);
    ToolButtonVidget = button("ToolButtonVidget", ToolImageWidgets, text("Віджети"), false);
    ToolButtonVidget->setCheckable(true);
    ToolButtonVidget->setChecked(true);
    ToolButtonUA = button("ToolButtonUA", ToolImageUkrainian, text("Українська мова"));
    ToolButtonUA->setText(QStringLiteral("UA"));
    ToolButtonRU = button("ToolButtonRU", ToolImageRussian, text("Русский язык"));
    ToolButtonRU->setText(QStringLiteral("RU"));
    for (QToolButton *b : {ToolButtonUA, ToolButtonRU})
        b->setCheckable(true);
    handler(ToolButtonUA, &TDovidnykForm::MenuUkranianClick);
    handler(ToolButtonRU, &TDovidnykForm::MenuRussianClick);
}

void TDovidnykForm::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    for (int i = 0; i < 3; ++i) {
        auto *panel = new QLabel(bar);
        panel->setFixedWidth(50);
        bar->addWidget(panel);
        StatusPanels << panel;
    }
}

void TDovidnykForm::setDataModule(TDataModule2 *dataModule)
{
    m_dataModule = dataModule;
    m_pages.setDataModule(dataModule);
    m_search->setDataModule(dataModule);
}

void TDovidnykForm::FormCreate(const QString &programFolder)
{
    ProgramFolder = programFolder;
    m_services.programFolder = programFolder;
}

void TDovidnykForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    // A failing step skips the steps after it; the window is shown all the same.
    runGuarded(*m_services.dialogs, [this] { FormShow(); });
    // Whatever page is up now is the first the user sees: only its controls are made at start-up.
    runGuarded(*m_services.dialogs, [this] { pageShown(PageControlGeneral->currentIndex()); });
}

void TDovidnykForm::pageShown(int index)
{
    m_pages.ensureBuilt(index);
}

void TDovidnykForm::FormShow()
{
    if (m_dataModule)
        m_dataModule->setShowOrders();
    if (auto *fish = page<FishPage>())
        fish->FotoFishIndex = 1;

    bool isNumber = false;
    const int page =
        m_settings.readString(QStringLiteral("ActivePage"), QStringLiteral("ActivePageIndex"), QString())
            .toInt(&isNumber);
    // An index that names no page is treated like a missing one: the layout's page stays.
    if (isNumber && page >= 0 && page < PageCount)
        showPage(page);

    const QString language = m_settings.readString(QStringLiteral("Languages"), QStringLiteral("LanguagesID"),
                                                   QStringLiteral("Def"));
    if (language == u"ua") {
        MenuUkranian->setChecked(true);
        MenuRussian->setChecked(false);
        MenuUkranianClick();
    } else if (language == u"ru") {
        MenuUkranian->setChecked(false);
        MenuRussian->setChecked(true);
        MenuRussianClick();
    }

    // The diary page shows the current entry's pictures, weather and catch.
    if (m_dataModule && m_dataModule->SchodennykTable.afterScroll)
        m_dataModule->SchodennykTable.afterScroll(m_dataModule->SchodennykTable);
}

void TDovidnykForm::showPage(int index)
{
    {
        const QSignalBlocker quiet(PageControlGeneral);
        PageControlGeneral->setCurrentIndex(index);
    }
    if (m_shown)
        pageShown(index);
}

void TDovidnykForm::PageControlGeneralChange()
{
    m_settings.writeString(QStringLiteral("ActivePage"), QStringLiteral("ActivePageIndex"),
                           QString::number(PageControlGeneral->currentIndex()));
}

void TDovidnykForm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

bool TDovidnykForm::eventFilter(QObject *watched, QEvent *event)
{
    // The panel's own height settles only once its page is laid out: keep the shape then too.
    if (watched == Panel3 && event->type() == QEvent::Resize)
        FormResize();
    return QMainWindow::eventFilter(watched, event);
}

void TDovidnykForm::FormResize()
{
    if (Panel3)
        Panel3->setFixedWidth(knotPanelWidth(Panel3->height()));
}

void TDovidnykForm::MenuExitClick()
{
    close();
}

void TDovidnykForm::setContentLanguage(bool ukrainian)
{
    MenuUkranian->setChecked(ukrainian);
    MenuRussian->setChecked(!ukrainian);
    ToolButtonUA->setChecked(ukrainian);
    ToolButtonRU->setChecked(!ukrainian);
    m_settings.writeString(QStringLiteral("Languages"), QStringLiteral("LanguagesID"),
                           ukrainian ? QStringLiteral("ua") : QStringLiteral("ru"));
}

void TDovidnykForm::MenuUkranianClick()
{
    setContentLanguage(true);
}

void TDovidnykForm::MenuRussianClick()
{
    setContentLanguage(false);
}

// --- maintenance

void TDovidnykForm::connectMaintenanceCommands()
{
    m_maintenance =
        std::make_unique<MaintenanceCommands>(this, m_settings, m_services, [this] { return m_dataModule; });
    MenuRestoreBD = named(new QAction(text("Відновити з резервної копії…"), MenuSettings), "MenuRestoreBD");
    MenuSettings->insertAction(MenuCreateFile, MenuRestoreBD);
    const auto forward = [this](QAction *item, void (TDovidnykForm::*handler)()) {
        connect(item, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    forward(MenuSaveBD, &TDovidnykForm::MenuSaveBDClick);
    forward(MenuBackupBD, &TDovidnykForm::MenuBackupBDClick);
    forward(MenuRestoreBD, &TDovidnykForm::MenuRestoreBDClick);
    forward(MenuCreateFile, &TDovidnykForm::MenuCreateFileClick);
    forward(MenuOptions, &TDovidnykForm::MenuOptionsClick);
    forward(MenuDownload, &TDovidnykForm::MenuDownloadClick);
    forward(MenuLynvarNet, &TDovidnykForm::MenuLynvarNetClick);
    forward(MenuNewVersion, &TDovidnykForm::MenuNewVersionClick);
    forward(MenuAbout, &TDovidnykForm::MenuAboutClick);
}

void TDovidnykForm::setMaintenanceDialogs(OnFirstUse<TFormOptions> *options, OnFirstUse<TFormAbout> *about)
{
    m_formOptions = options;
    m_maintenance->setAboutWindow(about);
}

void TDovidnykForm::MenuSaveBDClick()
{
    m_maintenance->MenuSaveBDClick();
}
void TDovidnykForm::MenuBackupBDClick()
{
    m_maintenance->MenuBackupBDClick();
}
void TDovidnykForm::MenuRestoreBDClick()
{
    m_maintenance->MenuRestoreBDClick();
}
void TDovidnykForm::MenuCreateFileClick()
{
    m_maintenance->MenuCreateFileClick();
}
void TDovidnykForm::MenuDownloadClick()
{
    m_maintenance->MenuDownloadClick();
}
void TDovidnykForm::MenuLynvarNetClick()
{
    m_maintenance->MenuLynvarNetClick();
}
void TDovidnykForm::MenuNewVersionClick()
{
    m_maintenance->MenuNewVersionClick();
}
void TDovidnykForm::MenuAboutClick()
{
    m_maintenance->MenuAboutClick();
}

void TDovidnykForm::MenuOptionsClick()
{
    if (m_formOptions)
        m_formOptions->get().exec();
}

// --- handbook

void TDovidnykForm::connectHandbookCommands()
{
    RichText = new RichTextCommands(*m_services.dialogs, this);
    using Role = RichTextCommands::Role;
    // Each page's text views take part as soon as the page has made them.
    const auto whenBuilt = [this](Page *page, const std::function<void()> &enrol) {
        if (!page)
            return;
        if (page->isBuilt())
            enrol();
        else
            connect(page, &Page::built, this, enrol);
    };
    auto *fish = page<FishPage>();
    whenBuilt(fish, [this, fish] { RichText->addView(fish->DBRichEditFishOpys, Role::Presets); });
    auto *knots = page<VuzlyPage>();
    whenBuilt(knots, [this, knots] { RichText->addView(knots->DBRichEditVuzly, Role::Presets); });
    auto *rivers = page<RivePage>();
    whenBuilt(rivers, [this, rivers] { RichText->addView(rivers->DBRichEditRiveOpys, Role::Presets); });
    auto *words = page<SlovnykPage>();
    whenBuilt(words, [this, words] { RichText->addView(words->DBRichEditRybalkaOpys, Role::Presets); });
    auto *recipes = page<KuhnyaPage>();
    whenBuilt(recipes,
              [this, recipes] { RichText->addView(recipes->DBRichEditKuhnya, Role::FollowsSelection); });
    auto *jokes = page<AnecdotPage>();
    whenBuilt(jokes, [this, jokes] { RichText->addView(jokes->DBRichEditAnecdot, Role::Presets); });
    auto *methods = page<SposobyPage>();
    whenBuilt(methods, [this, methods] {
        for (DBRichEdit *view :
             {methods->DBRichEditSposib, methods->DBRichEditOsnastka, methods->DBRichEditNazhyvka})
            RichText->addView(view, Role::Presets);
    });
    auto *places = page<FishMapPage>();
    whenBuilt(places, [this, places] { RichText->addView(places->DBRichOpys, Role::Presets); });
    auto *diary = page<SchodennykPage>();
    whenBuilt(diary, [this, diary] { RichText->addView(diary->DBRichEdit1, Role::EnteredByMouse); });

    connect(ToolButtonFont, &QToolButton::clicked, this, &TDovidnykForm::ToolButtonFontClick);
    connect(MenuFontFormat, &QAction::triggered, this, &TDovidnykForm::ToolButtonFontClick);
    connect(MenuFontPaste, &QAction::triggered, this, &TDovidnykForm::MenuFontPasteClick);
    connect(MenuFontInstall, &QAction::triggered, this, &TDovidnykForm::MenuFontInstallClick);

    // The joke export keeps its hidden tool button and is offered where a user finds it.
    connect(ToolButtonImportAnecdot, &QToolButton::clicked, this,
            &TDovidnykForm::ToolButtonImportAnecdotClick);
    MenuExportAnecdot = named(new QAction(text("Експорт анекдотів…"), MenuFile), "MenuExportAnecdot");
    MenuFile->insertAction(MenuFile->insertSeparator(MenuExit), MenuExportAnecdot);
    connect(MenuExportAnecdot, &QAction::triggered, this, &TDovidnykForm::ToolButtonImportAnecdotClick);

    // Finding a word anywhere in the handbook.
    HandbookSearchCommands::Window window;
    window.showPage = [this](int page) { showPage(page); };
    window.pageTitle = [this](int page) { return PageControlGeneral->tabText(page); };
    window.russian = [this] { return ToolButtonRU->isChecked(); };
    m_search = new HandbookSearchCommands(ToolBar1, this, *m_services.dialogs, std::move(window));
    EditHandbookSearch = m_search->field();
}

HandbookSearch &TDovidnykForm::handbookSearch()
{
    return m_search->search();
}

void TDovidnykForm::openSearchHit(const SearchHit &hit)
{
    m_search->openSearchHit(hit);
}

void TDovidnykForm::ToolButtonFontClick()
{
    RichText->ToolButtonFontClick();
}

void TDovidnykForm::MenuFontPasteClick()
{
    RichText->MenuFontPasteClick();
}

void TDovidnykForm::MenuFontInstallClick()
{
    RichText->MenuFontInstallClick();
}

void TDovidnykForm::ToolButtonImportAnecdotClick()
{
    if (auto *jokes = page<AnecdotPage>())
        jokes->ToolButtonImportAnecdotClick();
}

// --- places

void TDovidnykForm::connectPlacesCommands()
{
    FishMapPage *places = page<FishMapPage>();
    places->setStatusPictures(ImageList2.pixmap(StatusImageUnticked), ImageList2.pixmap(StatusImageTicked));
    // Russian exactly when the switch has set Russian: before any switch the views show the
    // Ukrainian fields, and so do the addresses.
    places->setRussianContent([this] { return ToolButtonRU->isChecked(); });
}

} // namespace lynvar
