// SPDX-License-Identifier: GPL-3.0-or-later
// Closing the program stores what was typed: by the menu, the close box and a request to end
// from outside; an edit the database refuses is offered to go back to.
#include "app/StandardActionList.h"
#include "app/TDovidnykForm.h"
#include "controls/DBRichEdit.h"
#include "data/DataModule2.h"
#include "diary/DatePicker.h"
#include "diary/SchodennykPage.h"
#include "diary/TEditSchodennykForm.h"
#include "tests/support/StartedApplication.h"

#include <QAction>
#include <QFile>
#include <QProcess>
#include <QTabWidget>
#include <QtTest>
#include <csignal>
#include <memory>
#include <sqlite3.h>

using namespace lynvar;
using namespace lynvar::test;

namespace {

// How many rows of the file's `table` have `text` in `field`, read past the program's connection.
int storedRows(const QString &file, const char *table, const char *field, const QString &text)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return -1;
    }
    const QByteArray sql =
        QByteArray("SELECT COUNT(*) FROM \"") + table + "\" WHERE instr(\"" + field + "\", ?) > 0";
    sqlite3_stmt *st = nullptr;
    int count = -1;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr) == SQLITE_OK) {
        const QByteArray needle = text.toUtf8();
        sqlite3_bind_text(st, 1, needle.constData(), int(needle.size()), SQLITE_TRANSIENT);
        if (sqlite3_step(st) == SQLITE_ROW)
            count = sqlite3_column_int(st, 0);
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return count;
}

enum class Pending
{
    TypedNote,  // a stored entry's note typed on the diary page
    NewEntry,   // a new entry, never stored
    EditorOpen, // a new entry in the open entry editor
};

enum class Closing
{
    MenuExit,
    CloseBox,
};

} // namespace

class TestExit : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<StartedApplication> m_app;

    TDovidnykForm &form() { return m_app->form(); }
    DataSet &diary() { return m_app->data().SchodennykTable; }
    QString records() const { return TDataModule2::recordsDatabasePath(m_folder->path()); }

    void close(Closing how)
    {
        if (how == Closing::MenuExit)
            form().MenuExit->trigger();
        else
            form().close();
    }

    // A new diary entry; the editor it opens is shown without a modal loop, or not at all.
    void insertEntry(bool showEditor = false)
    {
        form().page<SchodennykPage>()->setModalRunner([showEditor](QDialog &dialog) {
            if (showEditor)
                dialog.show();
        });
        diary().insert();
    }

    void typeNote(const QString &note)
    {
        m_app->showPage(1);
        DBRichEdit *view = form().page<SchodennykPage>()->DBRichEdit1;
        view->setFocus();
        view->moveCursor(QTextCursor::End);
        QTest::keyClicks(view, note);
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<ProgramFolder>();
        m_app = std::make_unique<StartedApplication>(*m_folder);
    }
    void cleanup()
    {
        m_app.reset();
        m_folder.reset();
    }

    void closingStoresWhatIsPending_data()
    {
        QTest::addColumn<Pending>("pending");
        QTest::addColumn<Closing>("how");
        QTest::newRow("typed note, menu") << Pending::TypedNote << Closing::MenuExit;
        QTest::newRow("typed note, close box") << Pending::TypedNote << Closing::CloseBox;
        QTest::newRow("new entry, menu") << Pending::NewEntry << Closing::MenuExit;
        QTest::newRow("new entry, close box") << Pending::NewEntry << Closing::CloseBox;
        QTest::newRow("entry editor open") << Pending::EditorOpen << Closing::CloseBox;
    }
    void closingStoresWhatIsPending()
    {
        QFETCH(Pending, pending);
        QFETCH(Closing, how);
        const QString note = QStringLiteral("pike at dawn");
        TEditSchodennykForm *editor = nullptr;
        switch (pending) {
        case Pending::TypedNote:
            insertEntry();
            diary().post();
            typeNote(note);
            break;
        case Pending::NewEntry:
            insertEntry();
            diary().field(u"Opys").setString(note);
            break;
        case Pending::EditorOpen:
            insertEntry(true);
            editor = &m_app->app.EditSchodennykForm.get();
            editor->DBRichEdit1->setFocus();
            QTest::keyClicks(editor->DBRichEdit1, note);
            break;
        }
        QVERIFY(diary().isEditing());
        QCOMPARE(storedRows(records(), "Schodennyk", "Opys", note), 0);

        close(how);

        QVERIFY(!form().isVisible());
        QVERIFY(m_app->dialogs.questions.isEmpty());
        QCOMPARE(storedRows(records(), "Schodennyk", "Opys", note), 1);
        if (editor) {
            QVERIFY(!editor->isVisible());
            // Stored as its "Ok" stores it: with the trip's times.
            QCOMPARE(diary().field(u"Date1").asDateTime().date(),
                     editor->DateTimePickerStart->value().date());
        }
    }

    void refusedEditAsks_data()
    {
        QTest::addColumn<bool>("closeWithout");
        QTest::newRow("go back") << false;
        QTest::newRow("close without") << true;
    }
    void refusedEditAsks()
    {
        QFETCH(bool, closeWithout);
        insertEntry();
        diary().post();
        // A place the database refuses: its mark is out of range.
        const QString place = QStringLiteral("Quiet bay");
        DataSet &places = m_app->data().FishMapTable;
        places.insert();
        places.field(u"Name").setString(place);
        places.field(u"Ocinka").setInteger(40000);
        const QString note = QStringLiteral("carp by the reeds");
        typeNote(note);
        m_app->dialogs.nextAnswer = closeWithout;

        form().MenuExit->trigger();

        QCOMPARE(m_app->dialogs.questions.size(), 1);
        QVERIFY(m_app->dialogs.questions.first().contains(form().PageControlGeneral->tabText(0)));
        QVERIFY(m_app->dialogs.questions.first().contains(QStringLiteral("Ocinka")));
        QCOMPARE(storedRows(records(), "FishMap", "Name", place), 0);
        if (closeWithout) {
            QVERIFY(!form().isVisible());
            QCOMPARE(storedRows(records(), "Schodennyk", "Opys", note), 1);
        } else {
            QVERIFY(form().isVisible());
            QCOMPARE(form().PageControlGeneral->currentIndex(), 0);
            QCOMPARE(places.state(), DataSet::State::Insert);
            QCOMPARE(places.field(u"Name").asString(), place);
        }
    }

    void exitSignalStoresAndClosesCleanly_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void exitSignalStoresAndClosesCleanly()
    {
        QFETCH(int, signalNumber);
        cleanup(); // the child runs the program in a folder of its own
        ProgramFolder folder;
        const QString note = QStringLiteral("bream under the bridge");
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QStringLiteral(LYNVAR_EXIT_CHILD), {folder.path(), note});
        const auto stop = qScopeGuard([&] {
            if (child.state() != QProcess::NotRunning) {
                child.kill();
                child.waitForFinished();
            }
        });
        // The child says when it holds the edit; the limits only keep a broken child from hanging the run.
        QByteArray said;
        while (!said.contains("ready\n") && child.waitForReadyRead(60000))
            said += child.readAllStandardOutput();
        QVERIFY2(said.contains("ready\n"), said.constData());

        QCOMPARE(::kill(pid_t(child.processId()), signalNumber), 0);
        QVERIFY(child.waitForFinished(60000));

        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        const QString file = TDataModule2::recordsDatabasePath(folder.path());
        QVERIFY(!QFile::exists(file + QStringLiteral("-wal")));
        QCOMPARE(storedRows(file, "Schodennyk", "Opys", note), 1);
    }
};

QTEST_MAIN(TestExit)
#include "tst_exit.moc"
