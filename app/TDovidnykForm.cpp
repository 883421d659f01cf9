// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TDovidnykForm.h"

#include "app/ErrorBox.h"
#include "app/HandbookSearchCommands.h"
#include "app/StandardActionList.h"
#include "app/TFormOptions.h"
#include "common/AppServices.h"
#include "common/IniFile.h"
#include "common/UserDialogs.h"
#include "controls/DBRichEdit.h"
#include "controls/DataAware.h"
#include "controls/Hint.h"
#include "controls/PageParts.h"
#include "data/DataModule2.h"
#include "diary/SchodennykPage.h"
#include "diary/TEditSchodennykForm.h"
#include "i18n/InterfaceLanguage.h"
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
#include <QCloseEvent>
#include <QMenu>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>
#include <cstdio>
#include <functional>

namespace lynvar {

using pageparts::named;

namespace {

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
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
    connectLanguageCommands();
}

void TDovidnykForm::connectDiaryCommands()
{
    SchodennykPage *diary = page<SchodennykPage>();
    diary->setPageSelector([this](int index) { showPage(index); });
    // Ukrainian until a switch to Russian: before any switch the views show the Ukrainian fields.
    diary->setContentLanguage([this] { return !ToolButtonRU->isChecked(); });
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
    m_language->setProgramFolder(programFolder);
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

void TDovidnykForm::closeWithoutAsking()
{
    m_askOnClose = false;
    close();
    m_askOnClose = true;
}

void TDovidnykForm::closeEvent(QCloseEvent *event)
{
    if (!storePendingEdits(m_askOnClose ? OnRefusal::Ask : OnRefusal::Drop)) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

bool TDovidnykForm::storePendingEdits(OnRefusal onRefusal)
{
    if (!m_dataModule)
        return true;
    const auto failure = [] { return currentExceptionMessage(std::current_exception()); };

    // An open entry editor keeps the trip's place and times outside the entry until its "Ok".
    TEditSchodennykForm *editor = m_entryEditor ? m_entryEditor->made() : nullptr;
    if (editor && editor->isVisible()) {
        try {
            editor->Button1Click();
        } catch (...) {
            if (!dropRefused(&m_dataModule->SchodennykTable, editor->windowTitle(), failure(), onRefusal))
                return false;
            editor->reject();
        }
    }

    // What the focused control holds and has not written yet, as the save command takes it.
    try {
        ActionList1->takeUnwrittenInput();
    } catch (...) {
        DataSet *dataSet = ActionList1->targetDataSet();
        if (!dropRefused(dataSet, {}, failure(), onRefusal))
            return false;
    }

    for (DataSet *dataSet : m_dataModule->allDataSets()) {
        if (!dataSet->isActive() || !dataSet->isEditing())
            continue;
        try {
            dataSet->post();
        } catch (...) {
            if (!dropRefused(dataSet, {}, failure(), onRefusal))
                return false;
        }
    }
    return true;
}

bool TDovidnykForm::dropRefused(DataSet *dataSet, const QString &what, const QString &reason,
                                OnRefusal onRefusal)
{
    const int page = dataSet ? pageShowing(*dataSet) : -1;
    QString name = what;
    if (name.isEmpty())
        name = page >= 0 ? PageControlGeneral->tabText(page)
               : dataSet ? dataSet->table().name
                         : text("поточний запис");
    if (onRefusal == OnRefusal::Ask) {
        const QString question = text("База даних не прийняла зміни в «%1»:\n%2\n\n"
                                      "Закрити програму без цих змін? («Ні» — повернутися до них.)")
                                     .arg(name, reason);
        if (!m_services.dialogs->askQuestion(text("Вихід"), question)) {
            if (page >= 0)
                showPage(page);
            return false;
        }
    } else {
        std::fprintf(stderr, "LynvarBook: changes in \"%s\" not stored: %s\n", name.toLocal8Bit().constData(),
                     reason.toLocal8Bit().constData());
    }
    if (dataSet && dataSet->isActive()) {
        try {
            dataSet->cancel();
        } catch (...) {
            // Closing goes on: the data set drops its edit when it closes anyway.
        }
    }
    return true;
}

int TDovidnykForm::pageShowing(const DataSet &dataSet) const
{
    for (int i = 0; i < PageControlGeneral->count(); ++i) {
        for (QWidget *control : PageControlGeneral->widget(i)->findChildren<QWidget *>()) {
            const auto *aware = dynamic_cast<const DataAware *>(control);
            if (aware && aware->dataSource() && aware->dataSource()->dataSet() == &dataSet)
                return i;
        }
    }
    return -1;
}

void TDovidnykForm::MenuUkranianClick()
{
    m_language->MenuUkranianClick();
}

void TDovidnykForm::MenuRussianClick()
{
    m_language->MenuRussianClick();
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

// --- languages

void TDovidnykForm::connectLanguageCommands()
{
    m_language = std::make_unique<InterfaceLanguage>(
        this, InterfaceLanguage::Switches{MenuUkranian, MenuRussian, ToolButtonUA, ToolButtonRU}, m_settings);
    m_language->setMakeMainWindowParts([this] { m_pages.buildAll(); });
    for (Page *page : m_pages.all()) {
        connect(page, &Page::built, this,
                [this, page] { m_language->partMade(page->tab(), LanguageWindow::Main); });
        connect(page, &Page::partBuilt, this,
                [this](QWidget *part) { m_language->partMade(part, LanguageWindow::Main); });
    }
    connect(MenuLangVygruz, &QAction::triggered, this, &TDovidnykForm::MenuLangVygruzClick);

    // The message texts go to the pages and commands that show them.
    const auto messageText = [this](const QString &key) { return m_language->messageText(key); };
    page<FishMapPage>()->setMessageTexts(messageText);
    connect(m_language.get(), &InterfaceLanguage::messageTextsApplied, this, [this] {
        SchodennykPage *diary = page<SchodennykPage>();
        diary->MessageNoMisceLovu = m_language->messageText(QStringLiteral("MessageNoMisceLovu"));
        diary->MessageNoMisceLovu2 = m_language->messageText(QStringLiteral("MessageNoMisceLovu2"));
        MaintenanceTexts &texts = m_maintenance->texts;
        texts.MessageCopyBD = m_language->messageText(QStringLiteral("MessageCopyBD"));
        texts.MessageCopyBDOk = m_language->messageText(QStringLiteral("MessageCopyBDOk"));
        texts.MessageNewVersionTrue = m_language->messageText(QStringLiteral("MessageNewVersionTrue"));
        texts.MessageNewVersionPerevirka =
            m_language->messageText(QStringLiteral("MessageNewVersionPerevirka"));
    });
}

void TDovidnykForm::ApplyLanguageFile(const QString &relativePath)
{
    m_language->ApplyLanguageFile(relativePath);
}

void TDovidnykForm::MenuLangVygruzClick()
{
    m_language->MenuLangVygruzClick();
}

} // namespace lynvar
