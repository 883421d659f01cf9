// SPDX-License-Identifier: GPL-3.0-or-later
// The data-set layer on a records database with 100,000 diary entries.
#include "data/Connection.h"
#include "data/DataSet.h"
#include "data/Schema.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fstream>
#include <sqlite3.h>
#include <string>

using namespace lynvar;

namespace {

constexpr int Rows = 100000;

long statusKb(const char *key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(std::string(key).size()));
    }
    return 0;
}

// One generated diary, made once per run.
class Diary
{
public:
    static Diary &instance()
    {
        static Diary d;
        return d;
    }
    QString file;
    const TableDef &table = *schema::findTable(u"Schodennyk");

private:
    Diary()
    {
        file = m_dir.filePath(QStringLiteral("lynvarzapys.db"));
        sqlite3 *db = nullptr;
        sqlite3_open(file.toUtf8().constData(), &db);
        schema::create(db, schema::recordsTables());
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt *st = nullptr;
        sqlite3_prepare_v2(
            db,
            "INSERT INTO Schodennyk(Date1, Date2, Misce, IDMisce, TemperaturaMin, TemperaturaMax, "
            "Opady, Tysk, TyskBool, Opys, NaprymVitru, SylaVitru, MasaUlovu, MasaTrofeyu, Ulov, "
            "Trofey) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
            -1, &st, nullptr);
        const char *places[] = {"Десна біля Остра", "Київське море", "Став у Бобриці", "Рось, Біла Церква",
                                "Дніпро, Канів",    "Озеро Світязь", "Південний Буг",  "Ірпінь"};
        const char *fish[] = {"Короп\nКарась\nПлітка", "Щука", "Лящ\nПлітка", "Окунь\nСудак", "Карась"};
        for (int i = 0; i < Rows; ++i) {
            const QByteArray d1 = QDateTime(QDate(2000, 1, 1).addDays((i * 7919) % 9000), QTime(5, 30))
                                      .toString(Qt::ISODate)
                                      .toUtf8();
            const QByteArray d2 = QDateTime(QDate(2000, 1, 1).addDays((i * 7919) % 9000), QTime(19, 0))
                                      .toString(Qt::ISODate)
                                      .toUtf8();
            const QByteArray note =
                QStringLiteral(
                    "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset204 Times New Roman;}}"
                    "\\f0\\fs24 \\'c2\\'e8\\'e9\\'f8\\'eb\\'e8 \\'ed\\'e0 \\'f1\\'f2\\'e0\\'f0\\'f2 %1\\par}")
                    .arg(i)
                    .toUtf8();
            sqlite3_bind_text(st, 1, d1.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(st, 2, d2.constData(), -1, SQLITE_TRANSIENT);
            // One place only the last entry names, for a locate that has to search the whole table.
            sqlite3_bind_text(st, 3, i == Rows - 1 ? "Останнє місце" : places[i % 8], -1, SQLITE_STATIC);
            sqlite3_bind_int(st, 4, i % 8 + 1);
            sqlite3_bind_int(st, 5, i % 20);
            sqlite3_bind_int(st, 6, i % 20 + 8);
            sqlite3_bind_text(st, 7, "rain", -1, SQLITE_STATIC);
            sqlite3_bind_text(st, 8, "745", -1, SQLITE_STATIC);
            sqlite3_bind_text(st, 9, "+", -1, SQLITE_STATIC);
            sqlite3_bind_text(st, 10, note.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(st, 11, "NE", -1, SQLITE_STATIC);
            sqlite3_bind_text(st, 12, "3", -1, SQLITE_STATIC);
            sqlite3_bind_double(st, 13, (i % 100) / 10.0);
            sqlite3_bind_double(st, 14, (i % 30) / 10.0);
            sqlite3_bind_text(st, 15, fish[i % 5], -1, SQLITE_STATIC);
            sqlite3_bind_text(st, 16, "Короп", -1, SQLITE_STATIC);
            sqlite3_step(st);
            sqlite3_reset(st);
        }
        sqlite3_finalize(st);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    QTemporaryDir m_dir;
};

struct Opened
{
    Opened()
        : conn(QStringLiteral("ADOConnectionZapys")),
          ds(QStringLiteral("SchodennykTable"), conn, Diary::instance().table)
    {
        conn.setDatabaseFile(Diary::instance().file);
        conn.open();
        ds.open();
    }
    Connection conn;
    DataSet ds;
};

// The baseline: every row read with the SQLite C API into Qt values, no data-set layer.
void BM_PlainRead(benchmark::State &state)
{
    const Diary &diary = Diary::instance();
    sqlite3 *db = nullptr;
    sqlite3_open_v2(diary.file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    for (auto _ : state) {
        sqlite3_stmt *st = nullptr;
        sqlite3_prepare_v2(db, "SELECT * FROM Schodennyk ORDER BY ID", -1, &st, nullptr);
        std::vector<QList<QVariant>> rows;
        const int n = sqlite3_column_count(st);
        while (sqlite3_step(st) == SQLITE_ROW) {
            QList<QVariant> row;
            row.reserve(n);
            for (int c = 0; c < n; ++c) {
                switch (sqlite3_column_type(st, c)) {
                case SQLITE_INTEGER:
                    row.append(qint64(sqlite3_column_int64(st, c)));
                    break;
                case SQLITE_FLOAT:
                    row.append(sqlite3_column_double(st, c));
                    break;
                case SQLITE_NULL:
                    row.append(QVariant());
                    break;
                default:
                    row.append(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, c)),
                                                 sqlite3_column_bytes(st, c)));
                }
            }
            rows.push_back(std::move(row));
        }
        sqlite3_finalize(st);
        benchmark::DoNotOptimize(rows.data());
    }
    sqlite3_close(db);
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);

void BM_OpenDataSet(benchmark::State &state)
{
    Connection conn(QStringLiteral("ADOConnectionZapys"));
    conn.setDatabaseFile(Diary::instance().file);
    conn.open();
    DataSet ds(QStringLiteral("SchodennykTable"), conn, Diary::instance().table);
    long peakKb = 0;
    for (auto _ : state) {
        const long before = statusKb("VmRSS:");
        ds.open();
        peakKb = std::max(peakKb, statusKb("VmRSS:") - before);
        state.PauseTiming();
        ds.close();
        state.ResumeTiming();
    }
    state.counters["rss_MB_per_100k_rows"] = double(peakKb) / 1024.0;
}
BENCHMARK(BM_OpenDataSet)->Unit(benchmark::kMillisecond);

void BM_SortToggleDate(benchmark::State &state)
{
    Opened o;
    bool descending = false;
    for (auto _ : state) {
        o.ds.setSort(descending ? QStringLiteral("Date1 DESC") : QStringLiteral("Date1 ASC"));
        descending = !descending;
    }
}
BENCHMARK(BM_SortToggleDate)->Unit(benchmark::kMillisecond);

void BM_SortToggleText(benchmark::State &state)
{
    Opened o;
    bool descending = false;
    for (auto _ : state) {
        o.ds.setSort(descending ? QStringLiteral("Misce DESC") : QStringLiteral("Misce ASC"));
        descending = !descending;
    }
}
BENCHMARK(BM_SortToggleText)->Unit(benchmark::kMillisecond);

// The first sort on a field after the table was read: its keys are made, then it sorts.
void BM_FirstSort(benchmark::State &state, const char *field)
{
    Opened o;
    for (auto _ : state) {
        state.PauseTiming();
        o.ds.close();
        o.ds.open();
        state.ResumeTiming();
        o.ds.setSort(QString::fromLatin1(field) + QStringLiteral(" DESC"));
    }
}
BENCHMARK_CAPTURE(BM_FirstSort, Date1, "Date1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FirstSort, Misce, "Misce")->Unit(benchmark::kMillisecond);

void BM_FilterSwitch(benchmark::State &state)
{
    Opened o;
    o.ds.setFilter(QStringLiteral("Misce = 'Київське море'"));
    bool on = true;
    for (auto _ : state) {
        o.ds.setFiltered(on);
        on = !on;
    }
}
BENCHMARK(BM_FilterSwitch)->Unit(benchmark::kMillisecond);

void BM_Locate(benchmark::State &state)
{
    Opened o;
    for (auto _ : state) {
        o.ds.first();
        // A partial, case-insensitive match that only the last row has.
        const bool found = o.ds.locate(QStringLiteral("Misce"), QStringLiteral("останнє"), {true, true});
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_Locate)->Unit(benchmark::kMillisecond);

void BM_WalkAllRows(benchmark::State &state)
{
    Opened o;
    const int ulov = o.ds.fieldIndex(u"MasaUlovu");
    for (auto _ : state) {
        double total = 0;
        o.ds.first();
        while (!o.ds.eof()) {
            total += o.ds.field(ulov).asFloat();
            o.ds.next();
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_WalkAllRows)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
