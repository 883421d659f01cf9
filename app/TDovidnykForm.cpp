// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TDovidnykForm.h"

#include "app/ErrorBox.h"
#include "app/Hint.h"
#include "app/StandardActionList.h"
#include "common/IniFile.h"
#include "controls/DBGrid.h"
#include "controls/DBMemo.h"
#include "data/DataModule2.h"
#include "diary/SchodennykPage.h"
#include "places/FishMapPage.h"
#include "reference/AnecdotPage.h"
#include "reference/FishPage.h"
#include "reference/KuhnyaPage.h"
#include "reference/RivePage.h"
#include "reference/SlovnykPage.h"
#include "reference/SposobyPage.h"
#include "reference/VuzlyPage.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
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

TDovidnykForm::TDovidnykForm(IniFile &settings, UserDialogs &dialogs, QWidget *parent)
    : QMainWindow(parent), m_settings(settings), m_dialogs(dialogs)
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
    attachPopupMenus();
    resize(1024, 726);
}

void TDovidnykForm::attachPopupMenus()
{
    const auto attach = [](QWidget *control, QMenu *menu) {
        control->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(control, &QWidget::customContextMenuRequested, menu,
                [control, menu](const QPoint &at) { menu->popup(control->mapToGlobal(at)); });
    };
    attach(fishMapPage->DBGridMap, PopupMenuGridMap);
    attach(schodennykPage->DBGridSchodennyk, PopupMenuSchodennyk);
    attach(fishMapPage->DBMemoFish, PopupMenuEdit); // the memo stays hidden, so this menu never opens
    // Copying a fish's classification to paste it into another is offered where the classification shows.
    attach(fishPage->PanelClass, PopupMenu1);
    attach(fishPage->DBGridFishAll, PopupMenu1);
    // Deleting a place or a trip's method with Ctrl+Delete asks first.
    fishMapPage->DBGridMap->setUserDialogs(&m_dialogs);
    schodennykPage->DBGrid3->setUserDialogs(&m_dialogs);
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

    // Each page's controls and behaviour live with their subsystem.
    fishMapPage = new FishMapPage(TabFishMap);
    schodennykPage = new SchodennykPage(TabSchodennyk);
    fishPage = new FishPage(TabFish);
    vuzlyPage = new VuzlyPage(TabVuzly);
    rivePage = new RivePage(TabRive);
    slovnykPage = new SlovnykPage(TabSlovnyk);
    kuhnyaPage = new KuhnyaPage(TabKuhnya);
    anecdotPage = new AnecdotPage(TabAnecdot);
    sposobyPage = new SposobyPage(TabSposoby);

    // The knot picture panel, right of the knot description, keeps its shape with the window.
    Panel3 = vuzlyPage->Panel3;
    Panel3->installEventFilter(this);

    PageControlGeneral->setCurrentIndex(LayoutPageIndex);
    setCentralWidget(PageControlGeneral);
    connect(PageControlGeneral, &QTabWidget::currentChanged, this, [this] { PageControlGeneralChange(); });
}

void TDovidnykForm::buildActions()
{
    ImageList1 = toolImages();
    ImageList2 = placeStatusImages();
    ActionList1 = new StandardActionList(this, ImageList1, m_dialogs);
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
    MenuFontPaste = addItem(this, MenuPravka, "MenuFontPaste", "Вставити форматування тексту",
                            &TDovidnykForm::MenuFontPasteClick, QKeySequence(Qt::CTRL | Qt::Key_W));
    MenuFontInstall = addItem(this, MenuPravka, "MenuFontInstall", "Встановити форматування тексту",
                              &TDovidnykForm::MenuFontInstallClick);
    MenuFontFormat = addItem(this, MenuPravka, "MenuFontFormat", "Формат тексту",
                             &TDovidnykForm::ToolButtonFontClick, QKeySequence(Qt::CTRL | Qt::Key_D));

    MenuSettings = named(MainMenu1->addMenu(text("Налаштування")), "MenuSettings");
    MenuSaveBD = addItem(this, MenuSettings, "MenuSaveBD", "Зберегти зміни в базу даних",
                         &TDovidnykForm::MenuSaveBDClick, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
    MenuBackupBD = addItem(this, MenuSettings, "MenuBackupBD", "Зробити резервну копію бази даних",
                           &TDovidnykForm::MenuBackupBDClick);
    MenuCreateFile = addItem(this, MenuSettings, "MenuCreateFile", "Створити файли в папках",
                             &TDovidnykForm::MenuCreateFileClick);
    MenuLangVygruz = addItem(this, MenuSettings, "MenuLangVygruz", "Вигрузити локалізацію",
                             &TDovidnykForm::MenuLangVygruzClick);
    MenuLanguages = named(MenuSettings->addMenu(text("Мова")), "MenuLanguages");
    MenuUkranian =
        addItem(this, MenuLanguages, "MenuUkranian", "Українська", &TDovidnykForm::MenuUkranianClick);
    MenuRussian = addItem(this, MenuLanguages, "MenuRussian", "Російська", &TDovidnykForm::MenuRussianClick);
    for (QAction *item : {MenuUkranian, MenuRussian})
        item->setCheckable(true);
    MenuSettings->addSeparator();
    MenuOptions =
        addItem(this, MenuSettings, "MenuOptions", "Налаштування", &TDovidnykForm::MenuOptionsClick);

    MenuDovidka = named(MainMenu1->addMenu(text("Довідка")), "MenuDovidka");
    MenuDownload = addItem(this, MenuDovidka, "MenuDownload", "Завантажити нову версію програми",
                           &TDovidnykForm::MenuDownloadClick);
    MenuLynvarNet = addItem(this, MenuDovidka, "MenuLynvarNet", "Перейти на сайт LynvarNet",
                            &TDovidnykForm::MenuLynvarNetClick);
    MenuNewVersion = addItem(this, MenuDovidka, "MenuNewVersion", "Перевірити нову версію",
                             &TDovidnykForm::MenuNewVersionClick);
    MenuDovidka->addSeparator();
    MenuAbout = addItem(this, MenuDovidka, "MenuAbout", "Про програму", &TDovidnykForm::MenuAboutClick);

    // Commands kept for maintenance: never shown.
    for (QAction *item : {MenuFontPaste, MenuFontInstall, MenuCreateFile, MenuLangVygruz, MenuOptions})
        item->setVisible(false);
    // A hidden item takes no keys of its own, yet pasting the stored format works through its key.
    auto *fontPasteKey = new QShortcut(MenuFontPaste->shortcut(), this);
    connect(fontPasteKey, &QShortcut::activated, MenuFontPaste, &QAction::trigger);

    buildPopupMenus();
}

void TDovidnykForm::buildPopupMenus()
{
    PopupMenuGridMap = named(new QMenu(this), "PopupMenuGridMap");
    MenuRybalyv = named(PopupMenuGridMap->addMenu(text("Рибалив?")), "MenuRybalyv");
    MenuRybalyvYes = addItem(this, MenuRybalyv, "MenuRybalyvYes", "Так", &TDovidnykForm::MenuRybalyvYesClick);
    MenuRybalyvNo = addItem(this, MenuRybalyv, "MenuRybalyvNo", "Ні", &TDovidnykForm::MenuRybalyvNoClick);

    PopupMenuSchodennyk = named(new QMenu(this), "PopupMenuSchodennyk");
    MenuAddMisceLovu = addItem(this, PopupMenuSchodennyk, "MenuAddMisceLovu", "Перейти до місця лову",
                               &TDovidnykForm::MenuAddMisceLovuClick);

    PopupMenuEdit = named(new QMenu(this), "PopupMenuEdit");
    MenuListEdit =
        addItem(this, PopupMenuEdit, "MenuListEdit", "Редагувати", &TDovidnykForm::MenuListEditClick);

    PopupMenu1 = named(new QMenu(this), "PopupMenu1");
    N1 = addItem(this, PopupMenu1, "N1", "Скопіювати", &TDovidnykForm::N1Click);
    N2 = addItem(this, PopupMenu1, "N2", "Вставити", &TDovidnykForm::N2Click);
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
    handler(ToolButtonFont, &TDovidnykForm::ToolButtonFontClick);
    ToolButtonImportAnecdot = button("ToolButtonImportAnecdot", ToolImageExportText, QString(), false);
    handler(ToolButtonImportAnecdot, &TDovidnykForm::ToolButtonImportAnecdotClick);
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
    if (!dataModule)
        return;
    fishMapPage->bind(*dataModule);
    schodennykPage->bind(*dataModule);
    fishPage->bind(*dataModule);
    vuzlyPage->bind(*dataModule);
    rivePage->bind(*dataModule);
    slovnykPage->bind(*dataModule);
    kuhnyaPage->bind(*dataModule);
    anecdotPage->bind(*dataModule);
    sposobyPage->bind(*dataModule);
}

void TDovidnykForm::FormCreate(const QString &programFolder)
{
    ProgramFolder = programFolder;
}

void TDovidnykForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    // A failing step skips the steps after it; the window is shown all the same.
    runGuarded(m_dialogs, [this] { FormShow(); });
}

void TDovidnykForm::FormShow()
{
    if (m_dataModule) {
        TDataModule2 &dm = *m_dataModule;
        dm.BrendsTable.setIndexFieldNames(QStringLiteral("Name"));
        for (DataSet *ds : {&dm.KuhnyaTable, &dm.SlovnykTable, &dm.AnecdotTable, &dm.VuzlyTable})
            ds->setIndexFieldNames(QStringLiteral("NameUA"));
        dm.SchodennykTable.setSort(QStringLiteral("Date1 DESC"));
        dm.FishMapTable.setSort(QStringLiteral("Status DESC"));
    }
    FotoFishIndex = 1;

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

    SchodennykTableAfterScroll();
}

void TDovidnykForm::showPage(int index)
{
    const QSignalBlocker quiet(PageControlGeneral);
    PageControlGeneral->setCurrentIndex(index);
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

void TDovidnykForm::SchodennykTableAfterScroll()
{
    // The diary page's view refresh is filled in by the diary page.
}

// The commands below are filled in by the page or window that owns their work.

void TDovidnykForm::MenuFontPasteClick()
{
    // Pasting the stored format: filled in by the rich-text font commands.
}

void TDovidnykForm::MenuFontInstallClick()
{
    // Choosing the stored format: filled in by the rich-text font commands.
}

void TDovidnykForm::ToolButtonFontClick()
{
    // The font dialog for the active rich text: filled in by the rich-text font commands.
}

void TDovidnykForm::MenuSaveBDClick()
{
    // Filled in by the database save and backup.
}

void TDovidnykForm::MenuBackupBDClick()
{
    // Filled in by the database save and backup.
}

void TDovidnykForm::MenuCreateFileClick()
{
    // Filled in by the per-fish folder marker files (maintenance).
}

void TDovidnykForm::MenuLangVygruzClick()
{
    // Filled in by the language template export.
}

void TDovidnykForm::MenuOptionsClick()
{
    // Filled in by the options window.
}

void TDovidnykForm::MenuDownloadClick()
{
    // Filled in by the About window and its web links.
}

void TDovidnykForm::MenuLynvarNetClick()
{
    // Filled in by the About window and its web links.
}

void TDovidnykForm::MenuNewVersionClick()
{
    // Filled in by the new version check.
}

void TDovidnykForm::MenuAboutClick()
{
    // Filled in by the About window.
}

void TDovidnykForm::ToolButtonImportAnecdotClick()
{
    // Filled in by the joke export window.
}

void TDovidnykForm::MenuRybalyvYesClick()
{
    // Filled in by the places page.
}

void TDovidnykForm::MenuRybalyvNoClick()
{
    // Filled in by the places page.
}

void TDovidnykForm::MenuAddMisceLovuClick()
{
    // Filled in by the diary page.
}

void TDovidnykForm::MenuListEditClick()
{
    // Filled in by the places page (it owns the fish list and its memo).
}

void TDovidnykForm::N1Click()
{
    // Filled in by the fish card.
}

void TDovidnykForm::N2Click()
{
    // Filled in by the fish card.
}

} // namespace lynvar
