// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's bars: the command list behind them, the main menu, the tool bar and the status bar.
#include "app/StandardActionList.h"
#include "app/TDovidnykForm.h"
#include "common/AppServices.h"
#include "controls/Hint.h"
#include "controls/PageParts.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace lynvar {

using pageparts::named;

namespace {

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

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

void TDovidnykForm::buildActions()
{
    ImageList1 = toolImages();
    ImageList2 = placeStatusImages();
    ActionList1 = new StandardActionList(this, ImageList1, *m_services.dialogs);
}

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

} // namespace lynvar
