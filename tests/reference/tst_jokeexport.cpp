// SPDX-License-Identifier: GPL-3.0-or-later
// The joke export: the text it builds from the current joke on, the window that shows it, and the file
// its save button writes.
#include "app/LynvarApplication.h"
#include "common/Error.h"
#include "data/DataModule2.h"
#include "reference/AnecdotPage.h"
#include "reference/TFormImportExport.h"
#include "tests/reference/HandbookTestSupport.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>

using namespace lynvar;
using namespace lynvar::test;
using namespace Qt::StringLiterals;

namespace {

const QString Separator = u"\r\n\r\n* * *\r\n\r\n"_s;

// Jokes stored as plain texts; the list orders them by their titles, which are their first lines.
void jokes(const ProgramFolder &folder, const QStringList &texts)
{
    changeHandbook(folder, u"DELETE FROM Anecdot"_s);
    for (int i = 0; i < texts.size(); ++i)
        changeHandbook(folder, u"INSERT INTO Anecdot (ID, NameUA, AnecdotUA) VALUES (?, ?, ?)"_s,
                       {i + 1, u"%1 joke"_s.arg(i + 1), texts[i]});
}

} // namespace

class TestJokeExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theTextRunsFromTheCurrentJoke_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("exported");
        const QStringList two = {u"First line\nsecond line"_s, u"Вʼюн і щука"_s};
        QTest::newRow("two jokes") << two << 0
                                   << u"First line\r\nsecond line"_s + Separator + u"Вʼюн і щука"_s +
                                          Separator;
        QTest::newRow("from the third")
            << QStringList{u"A"_s, u"B"_s, u"C"_s, u"D"_s} << 2 << u"C"_s + Separator + u"D"_s + Separator;
        QTest::newRow("an empty joke")
            << QStringList{u"A"_s, QString()} << 0 << u"A"_s + Separator + Separator;
        QTest::newRow("no jokes") << QStringList() << 0 << QString();
    }
    void theTextRunsFromTheCurrentJoke()
    {
        QFETCH(QStringList, texts);
        QFETCH(int, current);
        QFETCH(QString, exported);
        ProgramFolder folder;
        jokes(folder, texts);
        StartedApplication run(folder, false);
        DataSet &table = run.data().AnecdotTable;
        if (!texts.isEmpty())
            table.moveTo(current);
        QCOMPARE(run.form().page<AnecdotPage>()->exportJokes(), exported);
        // The walk ends past the last joke, which stays current; a second export right away is empty.
        QVERIFY(table.eof());
        if (!texts.isEmpty())
            QCOMPARE(table.currentRow(), texts.size() - 1);
        QCOMPARE(run.form().page<AnecdotPage>()->exportJokes(), QString());
    }

    void theMenuShowsTheTextAndSavesIt()
    {
        ProgramFolder folder;
        jokes(folder, {u"Перший\nрядок"_s, u"Другий"_s});
        StartedApplication run(folder, false);
        TFormImportExport &window = run.app.FormImportExport.get();
        QTimer::singleShot(0, &window, &QDialog::reject);
        run.form().MenuExportAnecdot->trigger();
        QCOMPARE(window.windowTitle(), u"Експорт"_s);
        const QString memo = u"Перший\nрядок\n\n* * *\n\nДругий\n\n* * *\n\n"_s;
        QCOMPARE(window.MemoEI->toPlainText(), memo);

        const QString file = folder.file(u"jokes.txt"_s);
        folder.writeFile(u"jokes.txt"_s, "old content that is longer than the new one, to be replaced whole");
        run.dialogs.fileAnswers << file;
        window.ToolButtonSaveClick();
        QCOMPARE(folder.readFile(u"jokes.txt"_s),
                 (u"Перший\r\nрядок"_s + Separator + u"Другий"_s + Separator).toUtf8());

        window.ToolButtonSaveClick(); // cancelled: nothing written
        QCOMPARE(run.dialogs.fileDialogs.size(), 2);
    }

    void fileLinesEndInCrLf_data()
    {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("empty") << QString() << QByteArray();
        QTest::newRow("one line") << u"a"_s << QByteArray("a\r\n");
        QTest::newRow("a line break at the end") << u"a\n"_s << QByteArray("a\r\n");
        QTest::newRow("empty lines") << u"a\n\nb\n\n"_s << QByteArray("a\r\n\r\nb\r\n\r\n");
        QTest::newRow("non-breaking space") << u"a\u00A0b"_s
                                            << QByteArray("a\xC2\xA0"
                                                          "b\r\n");
    }
    void fileLinesEndInCrLf()
    {
        QFETCH(QString, memo);
        QFETCH(QByteArray, file);
        QCOMPARE(TFormImportExport::fileText(memo), file);
    }

    void anUnwritableFileIsReportedAndNothingIsWritten()
    {
        ProgramFolder folder;
        StartedApplication run(folder, false);
        TFormImportExport &window = run.app.FormImportExport.get();
        window.MemoEI->setPlainText(u"text"_s);
        const QString file = folder.file(u"no such folder/jokes.txt"_s);
        run.dialogs.fileAnswers << file;
        QVERIFY_THROWS_EXCEPTION(Error, window.ToolButtonSaveClick());
        QVERIFY(!QFile::exists(file));
    }
};

QTEST_MAIN(TestJokeExport)
#include "tst_jokeexport.moc"
