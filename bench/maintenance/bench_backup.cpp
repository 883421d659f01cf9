// SPDX-License-Identifier: GPL-3.0-or-later
// Backup and restore of a data/ holding a records database of 100,000 diary entries, against the
// archiver packing the same folder directly, in the same run. While the backup runs, the longest
// gap between two turns of the event loop (where the window would repaint) is counted too.
#include "common/Clock.h"
#include "common/IniFile.h"
#include "common/UserDialogs.h"
#include "data/Connection.h"
#include "data/DataModule2.h"
#include "data/Schema.h"
#include "maintenance/Archiver.h"
#include "maintenance/Backup.h"
#include "maintenance/DataStoreControl.h"
#include "maintenance/DesktopShell.h"
#include "maintenance/Restore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

using namespace lynvar;

namespace {

constexpr int Rows = 100000;

class NoFeedback final : public MaintenanceFeedback
{
public:
    void message(const QString &) override {}
    void progress(const QString &) override {}
    void done() override {}
};

// A program folder with the shipped handbook and a diary of 100,000 entries, made once per run.
class Folder
{
public:
    static Folder &instance()
    {
        static Folder f;
        return f;
    }
    QString path() const { return m_dir.path(); }
    QString data() const { return m_dir.filePath(QStringLiteral("data")); }

private:
    Folder()
    {
        QDir().mkpath(data());
        QFile::copy(QStringLiteral(LYNVAR_SHIPPED_DIR "/data/lynvarbook.db"),
                    data() + QStringLiteral("/lynvarbook.db"));
        QFile::copy(QStringLiteral(LYNVAR_SHIPPED_DIR "/options.ini"),
                    m_dir.filePath(QStringLiteral("options.ini")));
        QFile::setPermissions(data() + QStringLiteral("/lynvarbook.db"),
                              QFile::ReadOwner | QFile::WriteOwner);
        {
            Connection maker(QStringLiteral("maker"));
            maker.setDatabaseFile(data() + QStringLiteral("/lynvarzapys.db"));
            maker.create();
            schema::create(maker, schema::recordsTables());
            maker.setUserVersion(schema::RecordsVersion);
        }
        sqlite3 *db = nullptr;
        sqlite3_open((data() + QStringLiteral("/lynvarzapys.db")).toUtf8().constData(), &db);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt *st = nullptr;
        sqlite3_prepare_v2(
            db,
            "INSERT INTO Schodennyk(Date1, Date2, Misce, IDMisce, TemperaturaMin, TemperaturaMax, "
            "Opady, Opys, NaprymVitru, MasaUlovu, Ulov, Trofey) VALUES (?,?,?,?,?,?,?,?,?,?,?,?)",
            -1, &st, nullptr);
        const char *places[] = {"Десна біля Остра", "Київське море", "Став у Бобриці", "Рось, Біла Церква"};
        const char *fish[] = {"Короп\nКарась\nПлітка", "Щука", "Лящ\nПлітка", "Окунь\nСудак", "Карась"};
        for (int i = 0; i < Rows; ++i) {
            const QDate day = QDate(2000, 1, 1).addDays((i * 7919) % 9000);
            const QByteArray d1 = QDateTime(day, QTime(5, 30)).toString(Qt::ISODate).toUtf8();
            const QByteArray d2 = QDateTime(day, QTime(19, 0)).toString(Qt::ISODate).toUtf8();
            const QByteArray note =
                QStringLiteral("{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset204 Times New "
                               "Roman;}}\\f0\\fs24 \\'c2\\'e8\\'e9\\'f8\\'eb\\'e8 %1\\par}")
                    .arg(i)
                    .toUtf8();
            sqlite3_bind_text(st, 1, d1.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(st, 2, d2.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(st, 3, places[i % 4], -1, SQLITE_STATIC);
            sqlite3_bind_int(st, 4, i % 4 + 1);
            sqlite3_bind_int(st, 5, i % 20);
            sqlite3_bind_int(st, 6, i % 20 + 8);
            sqlite3_bind_text(st, 7, "rain", -1, SQLITE_STATIC);
            sqlite3_bind_text(st, 8, note.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(st, 9, "NE", -1, SQLITE_STATIC);
            sqlite3_bind_double(st, 10, (i % 100) / 10.0);
            sqlite3_bind_text(st, 11, fish[i % 5], -1, SQLITE_STATIC);
            sqlite3_bind_text(st, 12, "Короп", -1, SQLITE_STATIC);
            sqlite3_step(st);
            sqlite3_reset(st);
        }
        sqlite3_finalize(st);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    QTemporaryDir m_dir;
};

// Counts the longest stretch in which the event loop did not turn.
class LoopWatch
{
public:
    LoopWatch()
    {
        QObject::connect(&m_tick, &QTimer::timeout,
                         [this] { m_longest = std::max(m_longest, m_since.restart()); });
        m_tick.start(5);
        m_since.start();
    }
    qint64 longestMs() const { return std::max(m_longest, m_since.elapsed()); }

private:
    QTimer m_tick;
    QElapsedTimer m_since;
    qint64 m_longest = 0;
};

void removeArchives(const QString &folder)
{
    QDir copy(folder + QStringLiteral("/copy"));
    for (const QString &zip : copy.entryList({QStringLiteral("*.zip")}, QDir::Files))
        copy.remove(zip);
}

// The backup as the command line runs it (copy, archive, test the archive, remove the copy) and
// the archiver packing the same folder directly, taken in turns so that both meet the same load.
void BM_BackupAgainstArchiver(benchmark::State &state)
{
    Folder &folder = Folder::instance();
    DesktopShell shell;
    SystemClock clock;
    NoFeedback feedback;
    FolderDataStore store(folder.path(), false);
    const QString archiver = findArchiver(folder.path());
    const QString direct = folder.path() + QStringLiteral("/direct.zip");
    qint64 archiverMs = 0;
    qint64 backupMs = 0;
    qint64 longest = 0;
    QElapsedTimer clockOf;
    for (auto _ : state) {
        clockOf.start();
        const ProcessResult r =
            shell.runAndWait(archiver, {QStringLiteral("a"), direct, QStringLiteral("-tzip"), folder.data()},
                             QString(), ArchiverTimeoutMs);
        archiverMs += clockOf.elapsed();
        if (!r.succeeded())
            state.SkipWithError(qPrintable(r.errorText));
        QFile::remove(direct);

        LoopWatch watch;
        clockOf.start();
        Backup backup(folder.path(), shell, clock);
        const BackupOutcome outcome = backup.run(store, feedback);
        backupMs += clockOf.elapsed();
        if (!outcome.ok)
            state.SkipWithError(qPrintable(outcome.failure));
        longest = std::max(longest, watch.longestMs());
        removeArchives(folder.path());
    }
    const double n = double(state.iterations());
    state.counters["archiver_ms"] = double(archiverMs) / n;
    state.counters["backup_ms"] = double(backupMs) / n;
    state.counters["ratio"] = double(backupMs) / double(std::max<qint64>(1, archiverMs));
    state.counters["longest_stall_ms"] = double(longest);
}
BENCHMARK(BM_BackupAgainstArchiver)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(6);

// The menu command: the open data module is closed and every table opened again as well.
void BM_BackupWithReopen(benchmark::State &state)
{
    Folder &folder = Folder::instance();
    DesktopShell shell;
    SystemClock clock;
    NoFeedback feedback;
    IniFile settings(folder.path() + QStringLiteral("/options.ini"));
    struct : UserDialogs
    {
        void showMessage(const QString &) override {}
        void showError(const QString &) override {}
        bool askYesNo(const QString &) override { return false; }
        std::optional<QString> askText(const QString &, const QString &, const QString &) override
        {
            return {};
        }
        QString chooseOpenFile(const QString &, const QString &, const QString &) override { return {}; }
        QStringList chooseOpenFiles(const QString &, const QString &, const QString &) override { return {}; }
        QString chooseSaveFile(const QString &, const QString &, const QString &) override { return {}; }
        std::optional<FontChoice> chooseFont(const FontChoice &) override { return {}; }
        std::optional<unsigned int> chooseColor(unsigned int) override { return {}; }
    } dialogs;
    TDataModule2 data(folder.path(), settings, dialogs);
    data.OpenDataStore(folder.path());
    ModuleDataStore store(data, folder.path());
    for (auto _ : state) {
        Backup backup(folder.path(), shell, clock);
        const BackupOutcome outcome = backup.run(store, feedback);
        if (!outcome.ok)
            state.SkipWithError(qPrintable(outcome.failure));
        state.PauseTiming();
        removeArchives(folder.path());
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BackupWithReopen)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// Restore of that archive, checked and opened as the command line does.
void BM_Restore(benchmark::State &state)
{
    Folder &folder = Folder::instance();
    DesktopShell shell;
    SystemClock clock;
    NoFeedback feedback;
    FolderDataStore keep(folder.path(), false);
    const BackupOutcome saved = Backup(folder.path(), shell, clock).run(keep, feedback);
    if (!saved.ok) {
        state.SkipWithError(qPrintable(saved.failure));
        return;
    }
    FolderDataStore store(folder.path());
    for (auto _ : state) {
        const RestoreOutcome outcome =
            Restore(folder.path(), shell, clock).run(saved.archive, store, feedback);
        if (!outcome.ok)
            state.SkipWithError(qPrintable(outcome.failure));
        state.PauseTiming();
        QDir(outcome.previousData).removeRecursively();
        state.ResumeTiming();
    }
    removeArchives(folder.path());
}
BENCHMARK(BM_Restore)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
