// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menus, pop-up menus, tool bar and standard commands: every item by its name, and
// the commands acting on the control that has the focus.
#include "app/ImageList.h"
#include "app/StandardActionList.h"
#include "app/TDovidnykForm.h"
#include "common/AppServices.h"
#include "common/IniFile.h"
#include "controls/DataAware.h"
#include "controls/Hint.h"
#include "data/Connection.h"
#include "data/DataSet.h"
#include "data/DataSource.h"
#include "data/Schema.h"
#include "tests/support/EmptyDatabase.h"
#include "tests/support/FakeDialogs.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <memory>
#include <sqlite3.h>

using namespace lynvar;
using namespace lynvar::test;

namespace {

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

// A line edit bound to a data source, as the data-aware edits are.
class BoundEdit final : public QLineEdit, public DataAware
{
public:
    BoundEdit(DataSource *source, QWidget *parent) : QLineEdit(parent), m_source(source) {}
    DataSource *dataSource() const override { return m_source; }
    // Writes its text into the record only when asked, as a cell editor does.
    void updateRecord() override { m_source->dataSet()->field(u"Name").setString(text()); }

private:
    DataSource *m_source;
};

// The names of a menu's or a tool bar's entries in order; "-" for a separator.
QStringList entries(QWidget *owner)
{
    QStringList names;
    for (QAction *a : owner->actions()) {
        if (a->isSeparator())
            names << QStringLiteral("-");
        else if (a->menu())
            names << a->menu()->objectName();
        else if (auto *bar = qobject_cast<QToolBar *>(owner))
            names << bar->widgetForAction(a)->objectName();
        else
            names << a->objectName();
    }
    return names;
}

QImage picture(const QIcon &icon, QIcon::Mode mode = QIcon::Normal)
{
    return icon.pixmap(QSize(16, 16), mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

AppServices servicesWith(FakeDialogs &dialogs)
{
    AppServices services;
    services.dialogs = &dialogs;
    return services;
}

struct Window
{
    Window()
        : settings(dir.filePath(QStringLiteral("options.ini"))), services(servicesWith(dialogs)),
          form(settings, services)
    {
        form.pages().buildAll();
    }
    QTemporaryDir dir;
    IniFile settings;
    FakeDialogs dialogs;
    AppServices services;
    TDovidnykForm form;
};

} // namespace

class TestMainMenu : public QObject
{
    Q_OBJECT

    std::unique_ptr<Window> m_window;

    TDovidnykForm &form() { return m_window->form; }
    StandardActionList &commands() { return *form().ActionList1; }

    // A control on the current page, focused.
    template <typename Control, typename... Args> Control *focused(Args &&...args)
    {
        auto *control = new Control(std::forward<Args>(args)..., form().TabFish);
        control->setGeometry(10, 10, 300, 120);
        control->show();
        control->setFocus(Qt::OtherFocusReason);
        return control;
    }

    QList<QAction *> editCommands()
    {
        return {commands().EditCut1, commands().EditCopy1, commands().EditPaste1, commands().EditSelectAll1};
    }
    QList<QAction *> formatCommands()
    {
        return {commands().RichEditBold1,        commands().RichEditItalic1,
                commands().RichEditUnderline1,   commands().RichEditAlignLeft1,
                commands().RichEditAlignCenter1, commands().RichEditAlignRight1};
    }

private Q_SLOTS:
    void init()
    {
        QGuiApplication::clipboard()->clear();
        m_window = std::make_unique<Window>();
        form().show();
        QVERIFY(QTest::qWaitForWindowActive(&form()));
    }
    void cleanup() { m_window.reset(); }

    // ---- what stands where

    void menusHoldTheirItemsInOrder_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("items");
        const auto row = [](const char *menu, const char *items) {
            QTest::newRow(menu) << QString::fromLatin1(menu) << QString::fromLatin1(items).split(u' ');
        };
        row("MainMenu1", "MenuFile MenuPravka MenuSettings MenuDovidka");
        row("MenuFile", "MenuInsert MenuEdit MenuPost - MenuExportAnecdot - MenuExit");
        row("MenuPravka", "MenuCopy MenuPaste MenuCut - MenuFormat MenuSelectAll MenuFontPaste "
                          "MenuFontInstall MenuFontFormat");
        row("MenuFormat", "MenuBold MenuItalic MenuUnderline - MenuAlignLeft MenuCenter MenuAlignRight");
        row("MenuSettings", "MenuSaveBD MenuBackupBD MenuRestoreBD MenuCreateFile MenuLangVygruz "
                            "MenuLanguages - MenuOptions");
        row("MenuLanguages", "MenuUkranian MenuRussian");
        row("MenuDovidka", "MenuDownload MenuLynvarNet MenuNewVersion - MenuAbout");
        row("PopupMenuGridMap", "MenuRybalyv MenuViewAllMap");
        row("MenuRybalyv", "MenuRybalyvYes MenuRybalyvNo");
        row("PopupMenuSchodennyk", "MenuAddMisceLovu");
        row("PopupMenuEdit", "MenuListEdit");
        row("PopupMenu1", "N1 N2");
    }
    void menusHoldTheirItemsInOrder()
    {
        QFETCH(QString, menu);
        QFETCH(QStringList, items);
        auto *owner = form().findChild<QWidget *>(menu);
        QVERIFY(owner);
        QCOMPARE(entries(owner), items);
    }

    void menuItemsHaveTheirCaptionsKeysAndVisibility_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("visible");
        const auto row = [](const char *name, const char *caption, const char *keys = "",
                            bool visible = true) {
            QTest::newRow(name) << QString::fromLatin1(name) << u8(caption) << QString::fromLatin1(keys)
                                << visible;
        };
        const bool hidden = false;
        row("MenuFile", "Файл");
        row("MenuInsert", "Створити новий", "Ctrl+N");
        row("MenuEdit", "Редагувати", "F2");
        row("MenuPost", "Зберегти", "Ctrl+S");
        row("MenuExportAnecdot", "Експорт анекдотів…");
        row("MenuExit", "Вихід");
        row("MenuPravka", "Правка");
        row("MenuCopy", "Скопіювати", "Ctrl+C");
        row("MenuPaste", "&Вставити", "Ctrl+V");
        row("MenuCut", "Вирізати", "Ctrl+X");
        row("MenuFormat", "Формат");
        row("MenuBold", "&Bold", "Ctrl+B");
        row("MenuItalic", "&Italic", "Ctrl+I");
        row("MenuUnderline", "&Underline", "Ctrl+U");
        row("MenuAlignLeft", "Align &Left");
        row("MenuCenter", "&Center");
        row("MenuAlignRight", "Align &Right");
        row("MenuSelectAll", "Виділити все", "Ctrl+A");
        row("MenuFontPaste", "Вставити форматування тексту", "Ctrl+W", hidden);
        row("MenuFontInstall", "Встановити форматування тексту", "", hidden);
        row("MenuFontFormat", "Формат тексту", "Ctrl+D");
        row("MenuSettings", "Налаштування");
        row("MenuSaveBD", "Зберегти зміни в базу даних", "Ctrl+Alt+S");
        row("MenuBackupBD", "Зробити резервну копію бази даних");
        row("MenuRestoreBD", "Відновити з резервної копії…");
        row("MenuCreateFile", "Створити файли в папках", "", hidden);
        row("MenuLangVygruz", "Вигрузити локалізацію", "", hidden);
        row("MenuLanguages", "Мова");
        row("MenuUkranian", "Українська");
        row("MenuRussian", "Російська");
        row("MenuOptions", "Налаштування", "", hidden);
        row("MenuDovidka", "Довідка");
        row("MenuDownload", "Завантажити нову версію програми");
        row("MenuLynvarNet", "Перейти на сайт LynvarNet");
        row("MenuNewVersion", "Перевірити нову версію");
        row("MenuAbout", "Про програму");
        row("MenuRybalyv", "Рибалив?");
        row("MenuRybalyvYes", "Так");
        row("MenuRybalyvNo", "Ні");
        row("MenuAddMisceLovu", "Перейти до місця лову");
        row("MenuListEdit", "Редагувати");
        row("N1", "Скопіювати");
        row("N2", "Вставити");
    }
    void menuItemsHaveTheirCaptionsKeysAndVisibility()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, keys);
        QFETCH(bool, visible);
        // The language files find an item by its name alone: exactly one object may carry it.
        const QList<QObject *> found = form().findChildren<QObject *>(name);
        QCOMPARE(found.size(), 1);
        if (auto *menu = qobject_cast<QMenu *>(found[0])) {
            QCOMPARE(menu->title(), caption);
            QVERIFY(keys.isEmpty());
            QCOMPARE(menu->menuAction()->isVisible(), visible);
            return;
        }
        auto *item = qobject_cast<QAction *>(found[0]);
        QVERIFY(item);
        QCOMPARE(item->text(), caption);
        QCOMPARE(item->shortcut().toString(QKeySequence::PortableText), keys);
        QCOMPARE(item->isVisible(), visible);
    }

    void itemsThatRunACommandFollowItsMarksAndState()
    {
        const QList<QPair<QAction *, QAction *>> pairs = {
            {form().MenuInsert, commands().DataSetInsert1},
            {form().MenuEdit, commands().DataSetEdit1},
            {form().MenuPost, commands().DataSetPost1},
            {form().MenuCopy, commands().EditCopy1},
            {form().MenuPaste, commands().EditPaste1},
            {form().MenuCut, commands().EditCut1},
            {form().MenuBold, commands().RichEditBold1},
            {form().MenuItalic, commands().RichEditItalic1},
            {form().MenuUnderline, commands().RichEditUnderline1},
            {form().MenuAlignLeft, commands().RichEditAlignLeft1},
            {form().MenuCenter, commands().RichEditAlignCenter1},
            {form().MenuAlignRight, commands().RichEditAlignRight1},
            {form().MenuSelectAll, commands().EditSelectAll1}};
        auto *edit = focused<QTextEdit>();
        edit->setPlainText(QStringLiteral("line"));
        edit->selectAll();
        commands().RichEditAlignCenter1->trigger();
        for (const auto &[item, command] : pairs) {
            QCOMPARE(item->isEnabled(), command->isEnabled());
            QCOMPARE(item->isCheckable(), command->isCheckable());
            QCOMPARE(item->isChecked(), command->isChecked());
            QCOMPARE(picture(item->icon()), picture(command->icon()));
        }
        QVERIFY(form().MenuCenter->isChecked());
        QVERIFY(!form().MenuAlignLeft->isChecked());
    }

    void toolBarHoldsItsButtonsInOrder()
    {
        QCOMPARE(
            entries(form().ToolBar1),
            QString::fromLatin1(
                "ToolButtonInsert ToolButtonEdit ToolButtonPost - ToolButtonBold ToolButtonItalic "
                "ToolButtonUnderline - ToolButtonLeft ToolButtonCenter ToolButtonRight - "
                "ToolButtonPaste ToolButtonCopy ToolButtonCut - ToolButtonFont "
                "ToolButtonImportAnecdot ToolButtonVidget ToolButtonUA ToolButtonRU - EditHandbookSearch")
                .split(u' '));
    }

    void toolButtonsHaveTheirHintsPicturesAndStates_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<int>("image");
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("twoState");
        const auto row = [](const char *name, const char *hint, int image, const char *command,
                            bool visible = true, bool twoState = false) {
            QTest::newRow(name) << QString::fromLatin1(name) << u8(hint) << image
                                << QString::fromLatin1(command) << visible << twoState;
        };
        row("ToolButtonInsert", "Новий", 9, "DataSetInsert1");
        row("ToolButtonEdit", "Edit", 10, "DataSetEdit1");
        row("ToolButtonPost", "Post", 11, "DataSetPost1");
        row("ToolButtonBold", "Bold", 0, "RichEditBold1", true, true);
        row("ToolButtonItalic", "Italic", 1, "RichEditItalic1", true, true);
        row("ToolButtonUnderline", "Underline", 2, "RichEditUnderline1", true, true);
        row("ToolButtonLeft", "Align Left", 3, "RichEditAlignLeft1", true, true);
        row("ToolButtonCenter", "Center", 4, "RichEditAlignCenter1", true, true);
        row("ToolButtonRight", "Align Right", 5, "RichEditAlignRight1", true, true);
        row("ToolButtonPaste", "Paste", 6, "EditPaste1");
        row("ToolButtonCopy", "Copy", 7, "EditCopy1");
        row("ToolButtonCut", "Cut", 8, "EditCut1");
        row("ToolButtonFont", "Форма шрифту", 12, "");
        row("ToolButtonImportAnecdot", "", 13, "", false);
        row("ToolButtonVidget", "Віджети", 14, "", false, true);
        row("ToolButtonUA", "Українська мова", 15, "", true, true);
        row("ToolButtonRU", "Русский язык", 16, "", true, true);
    }
    void toolButtonsHaveTheirHintsPicturesAndStates()
    {
        QFETCH(QString, name);
        QFETCH(QString, hint);
        QFETCH(int, image);
        QFETCH(QString, command);
        QFETCH(bool, visible);
        QFETCH(bool, twoState);
        QCOMPARE(form().findChildren<QObject *>(name).size(), 1);
        auto *button = form().findChild<QToolButton *>(name);
        QVERIFY(button);
        QCOMPARE(button->toolTip(), hint);
        QCOMPARE(hintOf(button), hint);
        QCOMPARE(button->isVisible(), visible);
        QCOMPARE(button->isCheckable(), twoState);
        QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
        QCOMPARE(picture(button->icon()), picture(form().ImageList1.icon(image)));
        if (!command.isEmpty()) {
            auto *action = commands().findChild<QAction *>(command);
            QVERIFY(action);
            // The button shows the same picture as its command does in the menu.
            QCOMPARE(picture(button->icon()), picture(action->icon()));
            QCOMPARE(button->isEnabled(), action->isEnabled());
        }
        // The buttons leave the focus in the text they act on.
        QCOMPARE(button->focusPolicy(), Qt::NoFocus);
    }

    void hiddenWidgetsButtonIsDown()
    {
        QVERIFY(form().ToolButtonVidget->isChecked());
        QVERIFY(!form().ToolButtonUA->isChecked());
        QVERIFY(!form().ToolButtonRU->isChecked());
    }

    void commandsHaveTheirCategoriesCaptionsHintsAndKeys_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("image");
        const auto row = [](const char *name, const char *category, const char *caption, const char *hint,
                            const char *keys, int image) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(category) << u8(caption)
                                << u8(hint) << QString::fromLatin1(keys) << image;
        };
        row("RichEditBold1", "Format", "&Bold", "Bold", "Ctrl+B", 31);
        row("RichEditItalic1", "Format", "&Italic", "Italic", "Ctrl+I", 29);
        row("RichEditUnderline1", "Format", "&Underline", "Underline", "Ctrl+U", 28);
        row("EditCut1", "Edit", "Вирізати", "Cut", "Ctrl+X", 0);
        row("EditCopy1", "Edit", "Скопіювати", "Copy", "Ctrl+C", 1);
        row("EditSelectAll1", "Edit", "Виділити все", "Select All", "Ctrl+A", -1);
        row("RichEditAlignLeft1", "Format", "Align &Left", "Align Left", "", 35);
        row("RichEditAlignRight1", "Format", "Align &Right", "Align Right", "", 36);
        row("RichEditAlignCenter1", "Format", "&Center", "Center", "", 37);
        row("EditPaste1", "Edit", "&Вставити", "Paste", "Ctrl+V", 2);
        row("DataSetEdit1", "Dataset", "&Edit", "Edit", "", 6);
        row("DataSetPost1", "Dataset", "P&ost", "Post", "", 7);
        row("DataSetInsert1", "Dataset", "&Insert", "Insert", "", 4);
    }
    void commandsHaveTheirCategoriesCaptionsHintsAndKeys()
    {
        QFETCH(QString, name);
        QFETCH(QString, category);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QFETCH(QString, keys);
        QFETCH(int, image);
        QCOMPARE(form().findChildren<QObject *>(name).size(), 1);
        auto *action = commands().findChild<QAction *>(name);
        QVERIFY(action);
        QVERIFY(commands().actions().contains(action));
        QCOMPARE(action->property("category").toString(), category);
        QCOMPARE(action->text(), caption);
        QCOMPARE(hintOf(action), hint);
        QCOMPARE(action->toolTip(), hint);
        QCOMPARE(action->shortcut().toString(QKeySequence::PortableText), keys);
        QCOMPARE(action->property("imageIndex").toInt(), image);
        QCOMPARE(action->icon().isNull(), image < 0);
    }

    void atStartTheDataSetCommandsAreOffAndAlignLeftIsMarked()
    {
        QCOMPARE(commands().objectName(), QStringLiteral("ActionList1"));
        QCOMPARE(commands().actions().size(), 13);
        for (QAction *a : {commands().DataSetInsert1, commands().DataSetEdit1, commands().DataSetPost1})
            QVERIFY(!a->isEnabled());
        QVERIFY(!form().ToolButtonPost->isEnabled());
        QVERIFY(commands().RichEditAlignLeft1->isChecked());
        QVERIFY(form().ToolButtonLeft->isChecked());
        QVERIFY(form().MenuAlignLeft->isChecked());
        QVERIFY(!commands().RichEditAlignCenter1->isChecked());
    }

    // ---- hints

    void hintSplitsAtTheFirstBar_data()
    {
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("shortPart");
        QTest::addColumn<QString>("longPart");
        QTest::newRow("two parts") << QStringLiteral("Cut|Cuts the selection and puts it on the Clipboard")
                                   << QStringLiteral("Cut")
                                   << QStringLiteral("Cuts the selection and puts it on the Clipboard");
        QTest::newRow("no bar") << QStringLiteral("Cut") << QStringLiteral("Cut") << QStringLiteral("Cut");
        QTest::newRow("two bars") << QStringLiteral("a|b|c") << QStringLiteral("a") << QStringLiteral("b|c");
        QTest::newRow("bar first") << QStringLiteral("|long") << QString() << QStringLiteral("long");
        QTest::newRow("empty") << QString() << QString() << QString();
    }
    void hintSplitsAtTheFirstBar()
    {
        QFETCH(QString, hint);
        QFETCH(QString, shortPart);
        QFETCH(QString, longPart);
        QCOMPARE(shortHint(hint), shortPart);
        QCOMPARE(longHint(hint), longPart);
    }

    void aButtonShowsTheShortHintAndKeepsTheWholeOne()
    {
        const QString hint = QStringLiteral("Cut|Cuts the selection and puts it on the Clipboard");
        setHint(form().ToolButtonCut, hint);
        QCOMPARE(form().ToolButtonCut->toolTip(), QStringLiteral("Cut"));
        QCOMPARE(form().ToolButtonCut->statusTip(),
                 QStringLiteral("Cuts the selection and puts it on the Clipboard"));
        QCOMPARE(hintOf(form().ToolButtonCut), hint);
        // The command's own state changes leave the button's hint alone.
        auto *edit = focused<QLineEdit>(QStringLiteral("text"));
        edit->selectAll();
        QVERIFY(form().ToolButtonCut->isEnabled());
        QCOMPARE(form().ToolButtonCut->toolTip(), QStringLiteral("Cut"));
    }

    // ---- the commands and their target

    void boldOnASelectionOfAnEditableRichText()
    {
        auto *edit = focused<QTextEdit>();
        edit->setPlainText(QStringLiteral("перший другий"));
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(6, QTextCursor::KeepAnchor);
        edit->setTextCursor(cursor);
        QVERIFY(commands().RichEditBold1->isEnabled());
        QVERIFY(!commands().RichEditBold1->isChecked());

        form().MenuBold->trigger();
        cursor.setPosition(1);
        QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Bold));
        cursor.setPosition(8);
        QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Normal));
        QVERIFY(commands().RichEditBold1->isChecked());
        QVERIFY(form().MenuBold->isChecked());
        QVERIFY(form().ToolButtonBold->isChecked());

        // Moving the caret into plain text takes the mark off.
        cursor.setPosition(10);
        edit->setTextCursor(cursor);
        QVERIFY(!commands().RichEditBold1->isChecked());
        QVERIFY(!form().ToolButtonBold->isChecked());
    }

    void theToolButtonTogglesItalicBackAndForth()
    {
        auto *edit = focused<QTextEdit>();
        edit->setPlainText(QStringLiteral("риба"));
        edit->selectAll();
        QTest::mouseClick(form().ToolButtonItalic, Qt::LeftButton);
        QVERIFY(edit->textCursor().charFormat().fontItalic());
        QVERIFY(form().ToolButtonItalic->isChecked());
        QCOMPARE(QApplication::focusWidget(), edit);
        QTest::mouseClick(form().ToolButtonItalic, Qt::LeftButton);
        QVERIFY(!edit->textCursor().charFormat().fontItalic());
        QVERIFY(!form().ToolButtonItalic->isChecked());
        QVERIFY(!commands().RichEditItalic1->isChecked());
    }

    void keysOfTheMenuReachTheFocusedText()
    {
        auto *edit = focused<QTextEdit>();
        edit->setPlainText(QStringLiteral("короп"));
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_U, Qt::ControlModifier);
        QVERIFY(edit->textCursor().charFormat().fontUnderline());
        QVERIFY(commands().RichEditUnderline1->isChecked());
        QTest::keyClick(edit, Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(edit->textCursor().charFormat().fontWeight(), int(QFont::Bold));
    }

    void alignmentMarksFollowTheCurrentParagraph()
    {
        auto *edit = focused<QTextEdit>();
        edit->setPlainText(QStringLiteral("перший\nдругий"));
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(2);
        edit->setTextCursor(cursor);
        form().MenuCenter->trigger();
        QCOMPARE(edit->document()->firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignHCenter);
        QCOMPARE(edit->document()->lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignLeft);
        QVERIFY(commands().RichEditAlignCenter1->isChecked());
        QVERIFY(!commands().RichEditAlignLeft1->isChecked());
        QVERIFY(!commands().RichEditAlignRight1->isChecked());

        cursor.setPosition(9);
        edit->setTextCursor(cursor);
        QVERIFY(commands().RichEditAlignLeft1->isChecked());
        QVERIFY(!commands().RichEditAlignCenter1->isChecked());
        QVERIFY(form().ToolButtonLeft->isChecked());

        QTest::mouseClick(form().ToolButtonRight, Qt::LeftButton);
        QCOMPARE(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QVERIFY(form().ToolButtonRight->isChecked());
        QVERIFY(!form().ToolButtonLeft->isChecked());
        QVERIFY(form().MenuAlignRight->isChecked());
    }

    void aReadOnlyRichTextShowsItsMarksButTakesNoFormat()
    {
        auto *view = focused<QTextEdit>();
        view->setHtml(QStringLiteral("<p align=\"center\"><b>Короп</b> звичайний</p>"));
        view->setReadOnly(true);
        view->selectAll();
        QTextCursor cursor = view->textCursor();
        cursor.setPosition(2);
        view->setTextCursor(cursor);
        for (QAction *a : formatCommands())
            QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
        QVERIFY(commands().RichEditBold1->isChecked());
        QVERIFY(commands().RichEditAlignCenter1->isChecked());
        QVERIFY(!commands().EditCut1->isEnabled());
        QVERIFY(commands().EditSelectAll1->isEnabled());
    }

    void aReadOnlyEditCopiesButNeitherCutsNorPastes()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("з буфера"));
        auto *edit = focused<QLineEdit>(QStringLiteral("лише читання"));
        edit->setReadOnly(true);
        edit->setSelection(0, 4);
        QVERIFY(commands().EditCopy1->isEnabled());
        QVERIFY(!commands().EditCut1->isEnabled());
        QVERIFY(!commands().EditPaste1->isEnabled());
        QVERIFY(commands().EditSelectAll1->isEnabled());
        for (QAction *a : formatCommands())
            QVERIFY(!a->isEnabled());

        QTest::mouseClick(form().ToolButtonCopy, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("лише"));

        edit->deselect();
        QVERIFY(!commands().EditCopy1->isEnabled());
        QVERIFY(!form().ToolButtonCopy->isEnabled());
        QVERIFY(!form().MenuCopy->isEnabled());
    }

    void cutAndPasteOnAnEditableEdit()
    {
        auto *edit = focused<QLineEdit>(QStringLiteral("щука окунь"));
        QVERIFY(!commands().EditPaste1->isEnabled()); // the clipboard is empty
        QVERIFY(!commands().EditCut1->isEnabled());   // nothing selected
        edit->setSelection(0, 5);
        QVERIFY(commands().EditCut1->isEnabled());
        QTest::mouseClick(form().ToolButtonCut, Qt::LeftButton);
        QCOMPARE(edit->text(), QStringLiteral("окунь"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("щука "));
        QVERIFY(!commands().EditCut1->isEnabled());
        QVERIFY(commands().EditPaste1->isEnabled()); // the clipboard changed
        edit->setCursorPosition(edit->text().size());
        form().MenuPaste->trigger();
        QCOMPARE(edit->text(), QStringLiteral("окуньщука "));
    }

    void pasteFollowsTheClipboard()
    {
        focused<QPlainTextEdit>(QStringLiteral("лин"));
        QVERIFY(!commands().EditPaste1->isEnabled());
        QGuiApplication::clipboard()->setText(QStringLiteral("плітка"));
        QVERIFY(commands().EditPaste1->isEnabled());
        QVERIFY(form().ToolButtonPaste->isEnabled());
        QGuiApplication::clipboard()->clear();
        QVERIFY(!commands().EditPaste1->isEnabled());
    }

    void selectAllSelectsTheWholeText()
    {
        auto *edit = focused<QPlainTextEdit>(QStringLiteral("карась"));
        form().MenuSelectAll->trigger();
        QCOMPARE(edit->textCursor().selectedText(), QStringLiteral("карась"));
        edit->clear();
        QVERIFY(!commands().EditSelectAll1->isEnabled());
    }

    void withoutATextControlTheEditCommandsAreOff()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("текст"));
        auto *edit = focused<QTextEdit>();
        edit->setPlainText(QStringLiteral("текст"));
        edit->selectAll();
        QVERIFY(commands().EditCut1->isEnabled());
        edit->clearFocus();
        QCOMPARE(QApplication::focusWidget(), nullptr);
        for (QAction *a : editCommands() + formatCommands())
            QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));

        // A control that is no text control is no target either.
        focused<QToolButton>();
        for (QAction *a : editCommands() + formatCommands())
            QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
        QVERIFY(!form().ToolButtonPaste->isEnabled());
        QVERIFY(!form().MenuBold->isEnabled());
    }

    void openingTheMenuBarKeepsTheTarget()
    {
        auto *edit = focused<QTextEdit>();
        edit->setPlainText(QStringLiteral("сом"));
        edit->selectAll();
        form().MainMenu1->setFocus(Qt::MenuBarFocusReason);
        QCOMPARE(QApplication::focusWidget(), form().MainMenu1);
        QCOMPARE(commands().target(), edit);
        QVERIFY(commands().EditCopy1->isEnabled());
    }

    void aDestroyedTargetLeavesNothingBehind()
    {
        auto *edit = focused<QLineEdit>(QStringLiteral("в'юн"));
        edit->selectAll();
        QVERIFY(commands().EditCopy1->isEnabled());
        delete edit;
        QCOMPARE(commands().target(), nullptr);
        QVERIFY(!commands().EditCopy1->isEnabled());
    }

    void hiddenFontPasteStillAnswersItsKey()
    {
        auto *edit = focused<QTextEdit>();
        QSignalSpy pasted(form().MenuFontPaste, &QAction::triggered);
        QSignalSpy font(form().MenuFontFormat, &QAction::triggered);
        QTest::keyClick(edit, Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(pasted.size(), 1);
        QTest::keyClick(edit, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(font.size(), 1);
        QCOMPARE(pasted.size(), 1);
    }

    // ---- the data-set commands

    void dataSetCommandsActOnTheFocusedDataAwareControl()
    {
        const auto records =
            openEmptyDatabase(m_window->dir.filePath(QStringLiteral("records.db")), schema::recordsTables());
        Connection &connection = *records;
        DataSet places(QStringLiteral("FishMapTable"), connection, *schema::findTable(u"FishMap"));
        DataSource source(QStringLiteral("FishMapDS"), &places);

        auto *edit = focused<BoundEdit>(&source);
        // Closed: nothing to do.
        QVERIFY(!commands().DataSetInsert1->isEnabled());
        QVERIFY(!commands().DataSetEdit1->isEnabled());
        QVERIFY(!commands().DataSetPost1->isEnabled());

        places.open();
        QVERIFY(commands().DataSetInsert1->isEnabled());
        QVERIFY(commands().DataSetEdit1->isEnabled());
        QVERIFY(!commands().DataSetPost1->isEnabled());
        QVERIFY(form().MenuInsert->isEnabled());
        QVERIFY(form().ToolButtonInsert->isEnabled());

        QTest::keyClick(edit, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(places.state(), DataSet::State::Insert);
        QVERIFY(commands().DataSetPost1->isEnabled());
        QVERIFY(form().ToolButtonPost->isEnabled());
        QVERIFY(!commands().DataSetInsert1->isEnabled());
        QVERIFY(!commands().DataSetEdit1->isEnabled());

        // The save command first has the control write what the user entered.
        edit->setText(QStringLiteral("Десна"));
        QTest::mouseClick(form().ToolButtonPost, Qt::LeftButton);
        QCOMPARE(places.state(), DataSet::State::Browse);
        QVERIFY(!commands().DataSetPost1->isEnabled());
        {
            DataSet check(QStringLiteral("Check"), connection, *schema::findTable(u"FishMap"));
            check.open();
            QCOMPARE(check.recordCount(), 1);
            QCOMPARE(check.field(u"Name").asString(), QStringLiteral("Десна"));
        }

        QTest::keyClick(edit, Qt::Key_F2);
        QCOMPARE(places.state(), DataSet::State::Edit);
        QVERIFY(commands().DataSetPost1->isEnabled());
        QVERIFY(!commands().DataSetEdit1->isEnabled());
        places.cancel();
        QVERIFY(!commands().DataSetPost1->isEnabled());
        QVERIFY(commands().DataSetEdit1->isEnabled());

        // A control outside any data source leaves the data-set commands off.
        focused<QLineEdit>();
        QVERIFY(!commands().DataSetInsert1->isEnabled());
        QVERIFY(!commands().DataSetEdit1->isEnabled());
        edit->setFocus();
        QVERIFY(commands().DataSetInsert1->isEnabled());
        places.close();
        QVERIFY(!commands().DataSetInsert1->isEnabled());
        QVERIFY(!commands().DataSetEdit1->isEnabled());
        delete edit;
    }

    void aRefusedPostIsShownAndTheRecordStaysInEditing()
    {
        const auto records =
            openEmptyDatabase(m_window->dir.filePath(QStringLiteral("refused.db")), schema::recordsTables());
        Connection &connection = *records;
        DataSet places(QStringLiteral("FishMapTable"), connection, *schema::findTable(u"FishMap"));
        DataSource source(QStringLiteral("FishMapDS"), &places);
        places.open();
        auto *edit = focused<BoundEdit>(&source);
        form().MenuInsert->trigger();
        edit->setText(QString(300, u'x'));
        form().MenuPost->trigger();
        QCOMPARE(m_window->dialogs.errors.size(), 1);
        QVERIFY(m_window->dialogs.errors[0].contains(QStringLiteral("Name")));
        QCOMPARE(places.state(), DataSet::State::Insert);
        QVERIFY(commands().DataSetPost1->isEnabled());
        delete edit;
    }

    // ---- pictures

    void everyPictureIsDrawnAndNoTwoAreAlike()
    {
        const ImageList &tools = form().ImageList1;
        QCOMPARE(tools.count(), int(ToolImageCount));
        QCOMPARE(tools.size(), QSize(16, 16));
        QList<QImage> seen;
        for (int i = 0; i < tools.count(); ++i) {
            const QImage image = tools.pixmap(i).toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(image.size(), QSize(16, 16));
            int inked = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    inked += qAlpha(image.pixel(x, y)) > 0;
            QVERIFY2(inked >= 20, qPrintable(QStringLiteral("picture %1 is nearly empty").arg(i)));
            QVERIFY2(!seen.contains(image), qPrintable(QStringLiteral("picture %1 repeats another").arg(i)));
            seen << image;
            // Disabled, a picture is greyed; larger, it is drawn afresh.
            QVERIFY(picture(tools.icon(i), QIcon::Disabled) != picture(tools.icon(i)));
            QCOMPARE(tools.icon(i).pixmap(QSize(32, 32)).size(), QSize(32, 32));
        }
        QVERIFY(tools.icon(ToolImageCount).isNull());
        QVERIFY(tools.pixmap(-1).isNull());
    }

    void placeStatusPicturesAreAnEmptyAndATickedBox()
    {
        const ImageList &status = form().ImageList2;
        QCOMPARE(status.count(), 2);
        const QImage empty = status.pixmap(StatusImageUnticked).toImage();
        const QImage ticked = status.pixmap(StatusImageTicked).toImage();
        QCOMPARE(empty.size(), QSize(16, 16));
        QCOMPARE(ticked.size(), QSize(16, 16));
        QVERIFY(empty != ticked);
        // The middle of the empty box is white paper; the tick is green.
        QCOMPARE(empty.pixelColor(8, 8), QColor(Qt::white));
        const QColor tick = ticked.pixelColor(7, 10);
        QVERIFY(tick.green() > tick.red() && tick.green() > tick.blue());
    }
};

QTEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
