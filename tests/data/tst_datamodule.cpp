// SPDX-License-Identifier: GPL-3.0-or-later
// Connecting both databases and the first run.
#include "common/Error.h"
#include "common/IniFile.h"
#include "data/DataModule2.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QtTest>
#include <sqlite3.h>

using namespace lynvar;
using namespace lynvar::test;

namespace {

// Runs SQL on its own handle, as another tool would.
void sql(const QString &file, const QString &statement)
{
    sqlite3 *db = nullptr;
    QCOMPARE(sqlite3_open(file.toUtf8().constData(), &db), SQLITE_OK);
    char *err = nullptr;
    const int rc = sqlite3_exec(db, statement.toUtf8().constData(), nullptr, nullptr, &err);
    const QString message = QString::fromUtf8(err ? err : "");
    sqlite3_free(err);
    sqlite3_close(db);
    QVERIFY2(rc == SQLITE_OK, qPrintable(message));
}

QString scalar(const QString &file, const QString &query)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(db, query.toUtf8().constData(), -1, &st, nullptr);
    QString result;
    if (sqlite3_step(st) == SQLITE_ROW)
        result = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    sqlite3_close(db);
    return result;
}

const QString NotFoundMessage = QStringLiteral("Файл бази даних не знайдено! Буде створено новий!");

struct Run
{
    explicit Run(const ProgramFolder &folder)
        : settings(folder.file(QStringLiteral("options.ini"))), dm(folder.path(), settings, dialogs)
    {
    }
    // Returns the failure's message, empty when DataModuleCreate succeeded.
    QString create()
    {
        try {
            dm.DataModuleCreate();
            return {};
        } catch (const Error &e) {
            return e.message();
        }
    }
    QString newInstall() const
    {
        return settings.readString(QStringLiteral("Install"), QStringLiteral("NewInstall"),
                                   QStringLiteral("missing"));
    }
    FakeDialogs dialogs;
    IniFile settings;
    TDataModule2 dm;
};

} // namespace

class TestDataModule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstStartCopiesTheEmptyRecordsDatabaseSilently_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::newRow("no settings file") << QByteArray();
        QTest::newRow("NewInstall true") << QByteArray("[Install]\r\nNewInstall=true\r\n");
        QTest::newRow("NewInstall FALSE is not false") << QByteArray("[install]\r\nnewinstall=FALSE\r\n");
    }
    void firstStartCopiesTheEmptyRecordsDatabaseSilently()
    {
        QFETCH(QByteArray, settings);
        ProgramFolder folder(ProgramFolder::Shipped);
        if (!settings.isEmpty())
            folder.writeFile(QStringLiteral("options.ini"), settings);
        Run run(folder);
        QCOMPARE(run.create(), QString());
        QVERIFY(run.dialogs.messages.isEmpty());
        QVERIFY(QFile::exists(folder.file(QStringLiteral("data/lynvarzapys.db"))));
        QCOMPARE(run.newInstall(), QStringLiteral("false"));
        for (DataSet *ds : run.dm.openingOrder())
            QVERIFY2(ds->isActive(), qPrintable(ds->objectName()));
        QVERIFY(!run.dm.MoonTable.isActive());
        QVERIFY(run.dm.SchodennykTable.isEmpty());
        QVERIFY(!run.dm.FishTable.isEmpty());
    }

    void firstStartWithoutSettingsLeavesOnlyTheInstallKey()
    {
        ProgramFolder folder(ProgramFolder::Shipped);
        Run run(folder);
        QCOMPARE(run.create(), QString());
        QCOMPARE(folder.readFile(QStringLiteral("options.ini")),
                 QByteArray("[Install]\r\nNewInstall=false\r\n"));
    }

    void deletedRecordsDatabaseIsRecreatedWithTheMessage()
    {
        ProgramFolder folder;
        {
            Run first(folder);
            QCOMPARE(first.create(), QString());
        }
        QVERIFY(QFile::remove(folder.file(QStringLiteral("data/lynvarzapys.db"))));
        Run run(folder);
        QCOMPARE(run.create(), QString());
        QCOMPARE(run.dialogs.messages, QStringList{NotFoundMessage});
        QVERIFY(run.dm.SchodennykTable.isActive());
    }

    void presentRecordsDatabaseIsNeverOverwritten()
    {
        ProgramFolder folder;
        {
            Run first(folder);
            QCOMPARE(first.create(), QString());
            first.dm.FishMapTable.insert();
            first.dm.FishMapTable.field(u"Name").setString(QStringLiteral("Моє місце"));
            first.dm.FishMapTable.post();
        }
        folder.writeFile(QStringLiteral("options.ini"), "[Install]\r\nNewInstall=true\r\n");
        Run run(folder);
        QCOMPARE(run.create(), QString());
        QCOMPARE(run.dm.FishMapTable.recordCount(), 1);
        QCOMPARE(run.dm.FishMapTable.field(u"Name").asString(), QStringLiteral("Моє місце"));
    }

    void missingTemplateStopsAtTheRecordsConnection()
    {
        ProgramFolder folder(ProgramFolder::Shipped | ProgramFolder::WithSettings |
                             ProgramFolder::WithoutTemplate);
        Run run(folder);
        const QString message = run.create();
        QVERIFY2(message.contains(folder.file(QStringLiteral("data/lynvarzapys.db"))), qPrintable(message));
        QVERIFY(run.dm.ADOConnectionBook.isConnected());
        QVERIFY(!run.dm.ADOConnectionZapys.isConnected());
        QCOMPARE(run.newInstall(), QStringLiteral("true")); // not written
        QVERIFY(!run.dm.FishTable.isActive());
    }

    void missingReferenceDatabaseStopsBeforeTheRecordsDatabase()
    {
        ProgramFolder folder(ProgramFolder::WithSettings);
        Run run(folder);
        const QString message = run.create();
        QVERIFY(message.contains(folder.file(QStringLiteral("data/lynvarbook.db"))));
        QVERIFY(message.startsWith(QStringLiteral("Could not find file")));
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("data/lynvarzapys.db"))));
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("data/lynvarbook.db")))); // never made empty
    }

    void aFileThatIsNotADatabaseIsReportedAndKept_data()
    {
        QTest::addColumn<QByteArray>("notes");
        QTest::newRow("text") << QByteArray("These are my notes, not a database.\n").repeated(100);
        QTest::newRow("empty") << QByteArray();
    }
    void aFileThatIsNotADatabaseIsReportedAndKept()
    {
        QFETCH(QByteArray, notes);
        ProgramFolder folder;
        folder.writeFile(QStringLiteral("data/lynvarzapys.db"), notes);
        Run run(folder);
        const QString message = run.create();
        QVERIFY2(message.startsWith(QStringLiteral("Unrecognized database format")), qPrintable(message));
        QVERIFY(message.contains(QStringLiteral("lynvarzapys.db")));
        QCOMPARE(folder.readFile(QStringLiteral("data/lynvarzapys.db")), notes);
    }

    void aMissingTableOrFieldIsNamedWithTheFile_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QStringList>("named");
        QTest::newRow("field") << QStringLiteral("ALTER TABLE Schodennyk DROP COLUMN Misce")
                               << QStringList{QStringLiteral("'Schodennyk'"), QStringLiteral("'Misce'")};
        QTest::newRow("table") << QStringLiteral("DROP TABLE SposobyLovu")
                               << QStringList{QStringLiteral("'SposobyLovu'")};
    }
    void aMissingTableOrFieldIsNamedWithTheFile()
    {
        QFETCH(QString, change);
        QFETCH(QStringList, named);
        ProgramFolder folder;
        const QString records = folder.file(QStringLiteral("data/lynvarzapys.db"));
        QVERIFY(QFile::copy(folder.file(QStringLiteral("newbd/lynvarzapys.db")), records));
        sql(records, QStringLiteral("INSERT INTO Schodennyk(Misce) VALUES('Десна')"));
        sql(records, change);
        Run run(folder);
        const QString message = run.create();
        for (const QString &name : named)
            QVERIFY2(message.contains(name), qPrintable(message));
        QVERIFY2(message.contains(records), qPrintable(message));
    }

    void recordsSchemaVersionIsCheckedOnOpen_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<bool>("opens");
        QTest::newRow("current") << 1 << true;
        QTest::newRow("older, without a version") << 0 << true;
        QTest::newRow("newer") << 2 << false;
    }
    void recordsSchemaVersionIsCheckedOnOpen()
    {
        QFETCH(int, version);
        QFETCH(bool, opens);
        ProgramFolder folder;
        const QString records = folder.file(QStringLiteral("data/lynvarzapys.db"));
        QVERIFY(QFile::copy(folder.file(QStringLiteral("newbd/lynvarzapys.db")), records));
        QFile::setPermissions(records, QFile::permissions(records) | QFile::WriteOwner);
        sql(records, QStringLiteral("INSERT INTO Schodennyk(Misce) VALUES('Десна'); PRAGMA user_version = %1")
                         .arg(version));
        const QByteArray before = folder.readFile(QStringLiteral("data/lynvarzapys.db"));
        Run run(folder);
        const QString message = run.create();
        const QStringList copies =
            QDir(folder.file(QStringLiteral("copy"))).entryList({QStringLiteral("*.db")}, QDir::Files);
        if (!opens) {
            QVERIFY2(message.contains(QStringLiteral("newer")) && message.contains(records),
                     qPrintable(message));
            QVERIFY(!run.dm.SchodennykTable.isActive());
            QCOMPARE(folder.readFile(QStringLiteral("data/lynvarzapys.db")), before);
            QVERIFY(copies.isEmpty());
            return;
        }
        QCOMPARE(message, QString());
        QCOMPARE(run.dm.SchodennykTable.field(u"Misce").asString(), QStringLiteral("Десна"));
        QCOMPARE(scalar(records, QStringLiteral("PRAGMA user_version")), QStringLiteral("1"));
        // An older file is kept, as it was, before it is brought up to date.
        QCOMPARE(copies.size(), version < 1 ? 1 : 0);
        for (const QString &copy : copies) {
            const QString path = folder.file(QStringLiteral("copy/") + copy);
            QCOMPARE(scalar(path, QStringLiteral("PRAGMA user_version")), QString::number(version));
            QCOMPARE(scalar(path, QStringLiteral("SELECT Misce FROM Schodennyk")), QStringLiteral("Десна"));
        }
    }

    void aDatabaseLockedByAnotherProgramIsReported()
    {
        ProgramFolder folder;
        sqlite3 *other = nullptr;
        const QByteArray path = folder.file(QStringLiteral("data/lynvarbook.db")).toUtf8();
        sqlite3_open(path.constData(), &other);
        QCOMPARE(
            sqlite3_exec(other, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr),
            SQLITE_OK);
        Run run(folder);
        const QString message = run.create();
        sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        QVERIFY2(message.contains(QStringLiteral("file already in use")), qPrintable(message));
    }

    void unwritableSettingsStopAfterConnecting()
    {
        ProgramFolder folder(ProgramFolder::Shipped);
        QDir().mkpath(folder.file(QStringLiteral("options.ini"))); // a folder where the file should be
        Run run(folder);
        QCOMPARE(run.create(),
                 QStringLiteral("Unable to write to %1").arg(folder.file(QStringLiteral("options.ini"))));
        QVERIFY(run.dm.ADOConnectionBook.isConnected());
        QVERIFY(run.dm.ADOConnectionZapys.isConnected());
        QVERIFY(!run.dm.FishTable.isActive());
    }

    void openingRunsTheScrollHooksOfNonEmptyTablesInOrder()
    {
        ProgramFolder folder;
        {
            Run first(folder);
            QCOMPARE(first.create(), QString());
            first.dm.SchodennykTable.insert();
            first.dm.SchodennykTable.field(u"Misce").setString(QStringLiteral("Десна"));
            first.dm.SchodennykTable.post();
        }
        QStringList order;
        Run run(folder);
        run.dm.FishMapTable.afterScroll = [&](DataSet &) { order << QStringLiteral("FishMap"); };
        run.dm.SchodennykTable.afterScroll = [&](DataSet &) { order << QStringLiteral("Schodennyk"); };
        run.dm.SposobyLovuTable.afterScroll = [&](DataSet &) { order << QStringLiteral("SposobyLovu"); };
        QCOMPARE(run.create(), QString());
        // The places table is empty; the diary is not; its methods are re-read as the diary opens.
        QCOMPARE(order.first(), QStringLiteral("Schodennyk"));
        QVERIFY(!order.contains(QStringLiteral("FishMap")));
    }

    void rigsAndBaitsFollowTheFishingMethod()
    {
        ProgramFolder folder;
        Run run(folder);
        QCOMPARE(run.create(), QString());
        TDataModule2 &dm = run.dm;
        if (dm.SnastTable.isEmpty())
            QSKIP("the shipped handbook has no fishing methods yet");
        dm.SnastTable.first();
        while (!dm.SnastTable.eof()) {
            const qint64 rigKey = dm.SnastTable.field(u"IDOsnastka").asInteger();
            dm.OsnastkaTable.first();
            while (!dm.OsnastkaTable.eof()) {
                QCOMPARE(dm.OsnastkaTable.field(u"IDSnast").asInteger(), rigKey);
                dm.OsnastkaTable.next();
            }
            dm.SnastTable.next();
        }
    }

    void systemParametersAreFoundByName()
    {
        ProgramFolder folder;
        Run run(folder);
        QCOMPARE(run.create(), QString());
        DataSet &system = run.dm.SystemTable;
        system.setFiltered(true);
        for (const char *name : {"MapBegin", "MapEnd", "About", "Vidjet"}) {
            system.setFilter(QStringLiteral("Parametr = '%1'").arg(QString::fromLatin1(name)));
            QVERIFY2(!system.isEmpty(), name);
            QCOMPARE(system.field(u"Parametr").asString(), QString::fromLatin1(name));
        }
    }

    void reconnectingOpensEverythingAgainAndKeepsIndexNamesNotSorts()
    {
        ProgramFolder folder;
        Run run(folder);
        QCOMPARE(run.create(), QString());
        TDataModule2 &dm = run.dm;
        dm.VuzlyTable.setIndexFieldNames(QStringLiteral("NameUA"));
        dm.FishTable.setSort(QStringLiteral("NameUA DESC"));
        dm.ADOConnectionBook.close();
        dm.ADOConnectionZapys.close();
        QVERIFY(!dm.FishTable.isActive());
        dm.OpenDataStore(folder.path());
        for (DataSet *ds : dm.openingOrder())
            QVERIFY2(ds->isActive(), qPrintable(ds->objectName()));
        QCOMPARE(dm.VuzlyTable.indexFieldNames(), QStringLiteral("NameUA"));
        QCOMPARE(dm.FishTable.sort(), QString());
        QCOMPARE(dm.FishTable.field(u"ID").asInteger(), 1); // the database's own order again
        QVERIFY(dm.OsnastkaTable.recordCount() > 0);        // the detail follows its reopened master
    }

    void titlesOfJokesAndRecipesAreDerivedOnEveryPost()
    {
        ProgramFolder folder;
        Run run(folder);
        QCOMPARE(run.create(), QString());
        DataSet &jokes = run.dm.AnecdotTable;
        jokes.insert();
        jokes.field(u"AnecdotUA").setString(QStringLiteral("{\\rtf1\\ansi Short line\\par more text\\par}"));
        jokes.field(u"NameUA").setString(QStringLiteral("typed by hand"));
        jokes.post();
        QCOMPARE(jokes.field(u"NameUA").asString(), QStringLiteral("Short line "));
        QCOMPARE(jokes.field(u"NameRU").asString(), QStringLiteral("error"));
    }
};

QTEST_GUILESS_MAIN(TestDataModule)
#include "tst_datamodule.moc"
