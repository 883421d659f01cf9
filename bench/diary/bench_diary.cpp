// SPDX-License-Identifier: GPL-3.0-or-later
// The diary with years of photos: 5,000 entries, each with a folder of three 24-megapixel JPEGs
// (one 6000 x 4000 picture, hard-linked so that the disk holds it once). Measured in one run:
//   - the picture load of one photo for the photo view, uncached: the reference time;
//   - moving to the next entry until its photo is shown, photo not seen before and seen before;
//   - holding Down through 200 entries: the longest time the window is kept from painting;
//   - start-up with that diary and with an empty one; and the peak memory.
// The folders are made once under the temporary folder and kept for later runs.
#include "app/LynvarApplication.h"
#include "app/TDovidnykForm.h"
#include "common/IniFile.h"
#include "controls/PictureView.h"
#include "data/DataModule2.h"
#include "diary/DiaryPictures.h"
#include "diary/PhotoLoader.h"
#include "diary/SchodennykPage.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeServices.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <ctime>
#include <memory>
#include <sqlite3.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace lynvar;

namespace {

constexpr int Entries = 5000;
constexpr int PhotosPerEntry = 3;

QString benchRoot()
{
    return QDir::tempPath() + QStringLiteral("/lynvar_bench_diary");
}

// CPU time of the calling thread: the user-interface thread's own work, whatever else runs on the
// machine.
double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    const QDir source(from);
    for (const QFileInfo &info : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (info.isDir())
            copyTree(info.filePath(), to + u'/' + info.fileName());
        else
            QFile::copy(info.filePath(), to + u'/' + info.fileName());
    }
}

// A picture with the detail of a photo (gradients, shapes, fine noise), so that decoding it costs
// what a camera's photo costs.
void makePhoto(const QString &path)
{
    QImage image(6000, 4000, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, 4000);
    sky.setColorAt(0, QColor(90, 140, 210));
    sky.setColorAt(0.55, QColor(200, 220, 235));
    sky.setColorAt(0.56, QColor(40, 90, 60));
    sky.setColorAt(1, QColor(20, 50, 30));
    painter.fillRect(image.rect(), sky);
    QRandomGenerator random(7);
    for (int i = 0; i < 400; ++i) {
        painter.setBrush(
            QColor::fromHsv(random.bounded(360), 120 + random.bounded(100), 80 + random.bounded(150)));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPoint(random.bounded(6000), random.bounded(4000)), 20 + random.bounded(300),
                            20 + random.bounded(200));
    }
    painter.end();
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(random.bounded(17)) - 8;
            const QRgb p = line[x];
            line[x] = qRgb(std::clamp(qRed(p) + n, 0, 255), std::clamp(qGreen(p) + n, 0, 255),
                           std::clamp(qBlue(p) + n, 0, 255));
        }
    }
    image.save(path, "JPG", 90);
}

QDateTime startOf(int entry)
{
    return QDateTime(QDate(2024, 6, 1).addDays(-entry), QTime(6, 0));
}

// A program folder from the shipped files, the program started on the diary page; with `diary`, the
// entries and their photo folders.
QString programFolder(bool diary)
{
    const QString folder = benchRoot() + (diary ? QStringLiteral("/full") : QStringLiteral("/empty"));
    const QString stamp = folder + QStringLiteral("/.made");
    if (QFileInfo::exists(stamp))
        return folder;
    QDir(folder).removeRecursively();
    const QString shipped = QStringLiteral(LYNVAR_SHIPPED_DIR);
    copyTree(shipped, folder);
    QDir().mkpath(folder + QStringLiteral("/fotoulov"));
    QFile::copy(shipped + QStringLiteral("/newbd/lynvarzapys.db"),
                folder + QStringLiteral("/data/lynvarzapys.db"));
    QFile::setPermissions(folder + QStringLiteral("/data/lynvarzapys.db"),
                          QFile::ReadOwner | QFile::WriteOwner);
    IniFile settings(folder + QStringLiteral("/options.ini"));
    settings.writeString(QStringLiteral("ActivePage"), QStringLiteral("ActivePageIndex"),
                         QStringLiteral("1"));
    settings.writeString(QStringLiteral("Install"), QStringLiteral("NewInstall"), QStringLiteral("false"));
    if (diary) {
        const QString photo = benchRoot() + QStringLiteral("/photo_6000x4000.jpg");
        if (!QFileInfo::exists(photo))
            makePhoto(photo);
        sqlite3 *db = nullptr;
        sqlite3_open(QFile::encodeName(folder + QStringLiteral("/data/lynvarzapys.db")).constData(), &db);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt *insert = nullptr;
        sqlite3_prepare_v2(
            db,
            "INSERT INTO Schodennyk (Date1, Date2, Misce, TemperaturaMin, TemperaturaMax, Opady, "
            "NaprymVitru, Tysk, SylaVitru, Ulov, MasaUlovu) VALUES (?,?,?,?,?,?,?,?,?,?,?)",
            -1, &insert, nullptr);
        const char *winds[] = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
        for (int i = 0; i < Entries; ++i) {
            const QByteArray start = startOf(i).toString(Qt::ISODate).toUtf8();
            const QByteArray end = startOf(i).addSecs(8 * 3600).toString(Qt::ISODate).toUtf8();
            const QByteArray place = QStringLiteral("Місце %1").arg(i % 40).toUtf8();
            const QByteArray caught = QStringLiteral("Щука\nОкунь\nПлітка").toUtf8();
            sqlite3_bind_text(insert, 1, start.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 2, end.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 3, place.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(insert, 4, i % 30 - 10);
            sqlite3_bind_int(insert, 5, i % 30);
            sqlite3_bind_text(insert, 6, "clear", -1, SQLITE_STATIC);
            sqlite3_bind_text(insert, 7, winds[i % 8], -1, SQLITE_STATIC);
            sqlite3_bind_text(insert, 8, "752", -1, SQLITE_STATIC);
            sqlite3_bind_text(insert, 9, "3", -1, SQLITE_STATIC);
            sqlite3_bind_text(insert, 10, caught.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_double(insert, 11, 0.1 * (i % 50));
            sqlite3_step(insert);
            sqlite3_reset(insert);
            const qint64 id = sqlite3_last_insert_rowid(db);
            const QString entryFolder = folder + QStringLiteral("/fotoulov/") +
                                        startOf(i).toString(QStringLiteral("yyyy_MM_dd_")) +
                                        QString::number(id);
            QDir().mkpath(entryFolder);
            for (int p = 1; p <= PhotosPerEntry; ++p) {
                const QByteArray target =
                    QFile::encodeName(entryFolder + QStringLiteral("/IMG_%1.JPG").arg(p));
                if (::link(QFile::encodeName(photo).constData(), target.constData()) != 0)
                    QFile::copy(photo, QString::fromLocal8Bit(target));
            }
        }
        sqlite3_finalize(insert);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    QFile(stamp).open(QIODevice::WriteOnly);
    return folder;
}

// One run of the program in a program folder, with every box answered.
struct Program
{
    explicit Program(const QString &folder) : app(folder, services())
    {
        app.create();
        app.showMainWindow();
        // The offscreen screen is small; a photo view of a desktop window's size.
        app.DovidnykForm->showNormal();
        app.DovidnykForm->resize(1600, 1000);
        QCoreApplication::processEvents();
    }
    AppServices services()
    {
        AppServices s;
        s.dialogs = &dialogs;
        s.shell = &shell;
        s.clock = &clock;
        return s;
    }
    SchodennykPage &page() { return *app.DovidnykForm->page<SchodennykPage>(); }
    DataSet &diary() { return app.DataModule2->SchodennykTable; }
    // Runs the event loop until the photo view has what it asked for.
    void waitForPhoto()
    {
        PhotoLoader &loader = page().photoLoader();
        if (!loader.isIdle()) {
            // Sleeps until the photo arrives, leaving the processor to the decoding thread.
            QEventLoop loop;
            QObject::connect(&loader, &PhotoLoader::idle, &loop, &QEventLoop::quit);
            loop.exec();
        }
        QCoreApplication::processEvents();
    }

    test::FakeDialogs dialogs;
    test::FakeShell shell;
    test::FakeClock clock;
    LynvarApplication app;
};

std::unique_ptr<Program> g_full;

// The program with the big diary, shared by the benchmarks of moving through it.
Program &fullProgram()
{
    if (!g_full) {
        g_full = std::make_unique<Program>(programFolder(true));
        g_full->waitForPhoto();
    }
    return *g_full;
}

QSize photoViewSize(Program &program)
{
    PictureView *view = program.page().ImageUlov;
    return view->size() * view->devicePixelRatioF();
}

void BM_PictureLoadOfOnePhoto(benchmark::State &state)
{
    Program &program = fullProgram();
    const QString photo = program.page().photoShown();
    const QSize view = photoViewSize(program);
    for (auto _ : state) {
        diarypictures::clearCache();
        benchmark::DoNotOptimize(diarypictures::load(photo, view));
    }
    state.counters["view_w"] = view.width();
    state.counters["view_h"] = view.height();
}

void moveOn(Program &program)
{
    DataSet &diary = program.diary();
    diary.next();
    if (diary.eof())
        diary.first();
}

void BM_NextEntryPhotoNotSeenBefore(benchmark::State &state)
{
    Program &program = fullProgram();
    double refresh = 0;
    for (auto _ : state) {
        diarypictures::clearCache();
        const double start = threadCpuMs();
        moveOn(program);
        refresh += threadCpuMs() - start;
        program.waitForPhoto();
    }
    // The user-interface thread's part: the refresh, before the photo arrives.
    state.counters["refresh_ui_ms"] = benchmark::Counter(refresh, benchmark::Counter::kAvgIterations);
}

void BM_NextEntryPhotoSeenBefore(benchmark::State &state)
{
    Program &program = fullProgram();
    DataSet &diary = program.diary();
    const int row = diary.currentRow();
    // Two neighbouring entries, both shown once.
    diary.moveTo(row + 1);
    program.waitForPhoto();
    diary.moveTo(row);
    program.waitForPhoto();
    int next = row + 1;
    double shown = 0;
    for (auto _ : state) {
        const double start = threadCpuMs();
        diary.moveTo(next);
        // From the cache the photo is in the view when the move returns.
        if (!program.page().photoLoader().isIdle() || program.page().ImageUlov->picture().isNull())
            state.SkipWithError("the photo was not taken from the cache");
        shown += threadCpuMs() - start;
        program.waitForPhoto(); // and the window repaints
        next = next == row ? row + 1 : row;
    }
    state.counters["refresh_and_photo_ui_ms"] = benchmark::Counter(shown, benchmark::Counter::kAvgIterations);
}

// Down held with the keyboard's repeat (30 a second) through 200 entries, in the event loop. A probe
// timer ticking every 2 ms finds the longest stretch between two turns of the loop: in the user-interface
// thread's own CPU time, and in wall time, which also counts whatever else on the machine took the
// processor from it.
void BM_HoldDownThrough200Entries(benchmark::State &state)
{
    Program &program = fullProgram();
    double longestCpu = 0, longestWall = 0;
    for (auto _ : state) {
        diarypictures::clearCache();
        QEventLoop loop;
        QTimer repeat, probe;
        int moves = 0;
        QObject::connect(&repeat, &QTimer::timeout, &loop, [&] {
            moveOn(program);
            if (++moves < 200)
                return;
            repeat.stop();
            probe.stop();
            loop.quit();
        });
        QElapsedTimer wall;
        double cpu = 0;
        const auto tick = [&] {
            const double cpuNow = threadCpuMs();
            if (wall.isValid()) {
                longestCpu = std::max(longestCpu, cpuNow - cpu);
                longestWall = std::max(longestWall, wall.nsecsElapsed() / 1e6);
            }
            cpu = cpuNow;
            wall.start();
        };
        QObject::connect(&probe, &QTimer::timeout, &loop, tick);
        repeat.start(33);
        probe.start(2);
        loop.exec();
        program.waitForPhoto();
    }
    state.counters["longest_block_cpu_ms"] = longestCpu;
    state.counters["longest_block_wall_ms"] = longestWall;
}

void startUp(benchmark::State &state, bool diary)
{
    const QString folder = programFolder(diary);
    g_full.reset();
    double cpu = 0;
    for (auto _ : state) {
        const double start = threadCpuMs();
        auto program = std::make_unique<Program>(folder);
        cpu += threadCpuMs() - start;
        state.PauseTiming();
        program->waitForPhoto();
        program.reset();
        state.ResumeTiming();
    }
    state.counters["ui_cpu_ms"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
}

void BM_StartUpEmptyDiary(benchmark::State &state)
{
    startUp(state, false);
}

void BM_StartUp5000Entries(benchmark::State &state)
{
    startUp(state, true);
}

BENCHMARK(BM_PictureLoadOfOnePhoto)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_NextEntryPhotoNotSeenBefore)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_NextEntryPhotoSeenBefore)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_HoldDownThrough200Entries)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_StartUpEmptyDiary)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(BM_StartUp5000Entries)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QElapsedTimer made;
    made.start();
    programFolder(true);
    programFolder(false);
    std::fprintf(stderr, "program folders ready in %.1f s (%s)\n", made.elapsed() / 1000.0,
                 qPrintable(benchRoot()));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_full.reset();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::fprintf(stderr, "peak memory: %.0f MB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
