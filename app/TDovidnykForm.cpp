// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TDovidnykForm.h"

#include "app/ErrorBox.h"
#include "common/IniFile.h"
#include "data/DataModule2.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QResizeEvent>
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
    buildToolBar();
    buildPages();
    buildMenus();
    buildStatusBar();
    resize(1024, 726);
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

    // The knot picture panel, right of the knot description.
    auto *knots = new QHBoxLayout(TabVuzly);
    knots->addStretch(1);
    Panel3 = named(new QWidget(TabVuzly), "Panel3");
    knots->addWidget(Panel3);
    Panel3->installEventFilter(this);

    PageControlGeneral->setCurrentIndex(LayoutPageIndex);
    setCentralWidget(PageControlGeneral);
    connect(PageControlGeneral, &QTabWidget::currentChanged, this, [this] { PageControlGeneralChange(); });
}

void TDovidnykForm::buildMenus()
{
    MenuFile = named(menuBar()->addMenu(text("Файл")), "MenuFile");
    MenuExit = named(MenuFile->addAction(text("Вихід")), "MenuExit");
    connect(MenuExit, &QAction::triggered, this, [this] { MenuExitClick(); });

    MenuSettings = named(menuBar()->addMenu(text("Налаштування")), "MenuSettings");
    MenuLanguages = named(MenuSettings->addMenu(text("Мова")), "MenuLanguages");
    MenuUkranian = named(MenuLanguages->addAction(text("Українська")), "MenuUkranian");
    MenuRussian = named(MenuLanguages->addAction(text("Російська")), "MenuRussian");
    for (QAction *item : {MenuUkranian, MenuRussian})
        item->setCheckable(true);
    connect(MenuUkranian, &QAction::triggered, this, [this] { MenuUkranianClick(); });
    connect(MenuRussian, &QAction::triggered, this, [this] { MenuRussianClick(); });
}

void TDovidnykForm::buildToolBar()
{
    ToolBar1 = named(addToolBar(QStringLiteral("ToolBar1")), "ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setFixedHeight(29);
    ToolButtonUA = named(new QToolButton(ToolBar1), "ToolButtonUA");
    ToolButtonUA->setText(QStringLiteral("UA"));
    ToolButtonUA->setToolTip(text("Українська мова"));
    ToolButtonRU = named(new QToolButton(ToolBar1), "ToolButtonRU");
    ToolButtonRU->setText(QStringLiteral("RU"));
    ToolButtonRU->setToolTip(text("Русский язык"));
    for (QToolButton *b : {ToolButtonUA, ToolButtonRU}) {
        b->setCheckable(true);
        ToolBar1->addWidget(b);
    }
    connect(ToolButtonUA, &QToolButton::clicked, this, [this] { MenuUkranianClick(); });
    connect(ToolButtonRU, &QToolButton::clicked, this, [this] { MenuRussianClick(); });
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
        m_settings.readString(QStringLiteral("ActivePage"), QStringLiteral("ActivePageIndex"), QString()).toInt(&isNumber);
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

} // namespace lynvar
