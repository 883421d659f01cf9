// SPDX-License-Identifier: GPL-3.0-or-later
// The data-set layer on a records database with 100,000 diary entries.
#include "data/Connection.h"
#include "data/DataSet.h"
#include "data/Schema.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sqlite3.h>

using namespace lynvar;

namespace {

constexpr int Rows = 100000;

// The bytes a table's rows take in the database file: its b-tree pages.
double tableBytes(const Connection &conn, const QString &table)
{
    Statement st(conn, QStringLiteral("SELECT sum(pgsize) FROM dbstat WHERE name = ?"));
    st.bind(1, table);
    return st.step() ? st.real(0) : 0.0;
}

// Bytes of the heap in use, for what an open data set holds.
double heapBytes()
{
    return double(mallinfo2().uordblks);
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
    double bytesInFile = 0;

private:
    Diary()
    {
        file = m_dir.filePath(QStringLiteral("lynvarzapys.db"));
        Connection db(QStringLiteral("maker"));
        db.setDatabaseFile(file);
        db.create();
        schema::create(db, schema::recordsTables());
        Transaction transaction(db);
        Statement st(
            db, QStringLiteral(
                    "INSERT INTO Schodennyk(Date1, Date2, Misce, IDMisce, TemperaturaMin, TemperaturaMax, "
                    "Opady, Tysk, TyskBool, Opys, NaprymVitru, SylaVitru, MasaUlovu, MasaTrofeyu, Ulov, "
                    "Trofey) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
        const QString places[] = {QStringLiteral("Десна біля Остра"), QStringLiteral("Київське море"),
                                  QStringLiteral("Став у Бобриці"),   QStringLiteral("Рось, Біла Церква"),
                                  QStringLiteral("Дніпро, Канів"),    QStringLiteral("Озеро Світязь"),
                                  QStringLiteral("Південний Буг"),    QStringLiteral("Ірпінь")};
        const QString fish[] = {QStringLiteral("Короп\nКарась\nПлітка"), QStringLiteral("Щука"),
                                QStringLiteral("Лящ\nПлітка"), QStringLiteral("Окунь\nСудак"),
                                QStringLiteral("Карась")};
        for (int i = 0; i < Rows; ++i) {
            const QDate day = QDate(2000, 1, 1).addDays((i * 7919) % 9000);
            const QString note =
                QStringLiteral(
                    "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset204 Times New Roman;}}"
                    "\\f0\\fs24 \\'c2\\'e8\\'e9\\'f8\\'eb\\'e8 \\'ed\\'e0 \\'f1\\'f2\\'e0\\'f0\\'f2 %1\\par}")
                    .arg(i);
            st.bind(1, QDateTime(day, QTime(5, 30)).toString(Qt::ISODate));
            st.bind(2, QDateTime(day, QTime(19, 0)).toString(Qt::ISODate));
            // One place only the last entry names, for a locate that has to search the whole table.
            st.bind(3, i == Rows - 1 ? QStringLiteral("Останнє місце") : places[i % 8]);
            st.bind(4, i % 8 + 1);
            st.bind(5, i % 20);
            st.bind(6, i % 20 + 8);
            st.bind(7, QStringLiteral("rain"));
            st.bind(8, QStringLiteral("745"));
            st.bind(9, QStringLiteral("+"));
            st.bind(10, note);
            st.bind(11, QStringLiteral("NE"));
            st.bind(12, QStringLiteral("3"));
            st.bind(13, (i % 100) / 10.0);
            st.bind(14, (i % 30) / 10.0);
            st.bind(15, fish[i % 5]);
            st.bind(16, QStringLiteral("Короп"));
            st.exec();
            st.reset();
        }
        transaction.commit();
        bytesInFile = tableBytes(db, table.name);
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

// The floor: the same SELECT the data set runs, every column of every row read through the C API
// (numbers as numbers, texts as their UTF-8 bytes in SQLite's own buffer), nothing copied.
void BM_PlainRead(benchmark::State &state)
{
    const Diary &diary = Diary::instance();
    QStringList columns;
    for (const FieldDef &f : diary.table.fields)
        columns << u'"' + f.name + u'"';
    const QByteArray sql =
        QStringLiteral("SELECT %1 FROM \"Schodennyk\" ORDER BY \"ID\"").arg(columns.join(u',')).toUtf8();
    sqlite3 *db = nullptr;
    sqlite3_open_v2(diary.file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    for (auto _ : state) {
        sqlite3_stmt *st = nullptr;
        sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr);
        const int n = sqlite3_column_count(st);
        quint64 touched = 0;
        while (sqlite3_step(st) == SQLITE_ROW) {
            for (int c = 0; c < n; ++c) {
                switch (sqlite3_column_type(st, c)) {
                case SQLITE_INTEGER:
                    touched += quint64(sqlite3_column_int64(st, c));
                    break;
                case SQLITE_FLOAT:
                    touched += quint64(sqlite3_column_double(st, c));
                    break;
                case SQLITE_NULL:
                    break;
                case SQLITE_BLOB:
                    benchmark::DoNotOptimize(sqlite3_column_blob(st, c));
                    touched += quint64(sqlite3_column_bytes(st, c));
                    break;
                default:
                    benchmark::DoNotOptimize(sqlite3_column_text(st, c));
                    touched += quint64(sqlite3_column_bytes(st, c));
                }
            }
        }
        sqlite3_finalize(st);
        benchmark::DoNotOptimize(touched);
    }
    sqlite3_close(db);
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);

// Opening reads the whole table into memory. Counters: the heap it holds for the 100,000 rows, the
// bytes those rows take in the file, and their ratio.
void BM_OpenDataSet(benchmark::State &state)
{
    Connection conn(QStringLiteral("ADOConnectionZapys"));
    conn.setDatabaseFile(Diary::instance().file);
    conn.open();
    DataSet ds(QStringLiteral("SchodennykTable"), conn, Diary::instance().table);
    double held = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const double before = heapBytes();
        state.ResumeTiming();
        ds.open();
        state.PauseTiming();
        held = std::max(held, heapBytes() - before);
        ds.close();
        state.ResumeTiming();
    }
    const double inFile = Diary::instance().bytesInFile;
    state.counters["heap_MB"] = held / (1024.0 * 1024.0);
    state.counters["file_MB"] = inFile / (1024.0 * 1024.0);
    state.counters["heap_per_file_byte"] = inFile > 0 ? held / inFile : 0.0;
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
