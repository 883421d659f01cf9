// SPDX-License-Identifier: GPL-3.0-or-later
// The map commands of the places page in a real browser view with tiles from a local server, from the
// press of the button until the page shows tiles: the very first press (the browser engine starts),
// the first press on a new page (the view is made), a second press, and the all-places map with
// 1,000 places. Run in that order: the first benchmark is the only one that starts the engine.
#include "app/TDovidnykForm.h"
#include "data/DataModule2.h"
#include "places/FishMapPage.h"
#include "places/MapPageWriter.h"
#include "places/WebEngineView.h"
#include "tests/support/PageScript.h"
#include "tests/support/StartedApplication.h"
#include "tests/support/TileServer.h"

#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QPushButton>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest/QTest>
#include <benchmark/benchmark.h>
#include <memory>
#include <unistd.h>

using namespace lynvar;
using namespace lynvar::test;

namespace {

TileServer &tiles()
{
    static TileServer server;
    return server;
}

// A program folder with the map library and services.ini pointing at the local tile server.
std::unique_ptr<ProgramFolder> mapFolder()
{
    auto folder = std::make_unique<ProgramFolder>();
    const QString web = QStringLiteral(LYNVAR_SHIPPED_DIR "/web");
    QDirIterator it(web, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = folder->file(QStringLiteral("web") + file.mid(web.size()));
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(file, target);
    }
    QByteArray services = folder->readFile(QStringLiteral("services.ini"));
    services.replace(QByteArray("https://tile.openstreetmap.org/{z}/{x}/{y}.png"),
                     tiles().tileAddress().toLatin1());
    folder->writeFile(QStringLiteral("services.ini"), services);
    return folder;
}

struct MapRun
{
    MapRun() : folder(mapFolder()), run(std::make_unique<StartedApplication>(*folder))
    {
        run->app.services().webViews = &views;
        run->form().resize(1024, 726);
        run->showPage(0);
    }
    FishMapPage &page() { return *run->form().page<FishMapPage>(); }
    DataSet &places() { return run->data().FishMapTable; }
    void addPlace(const QString &name, const QString &lng, const QString &lat)
    {
        places().insert();
        places().field(u"Name").setString(name);
        places().field(u"Lng").setString(lng);
        places().field(u"Lat").setString(lat);
        places().post();
    }

    // Seconds from the press until the loaded page shows tiles and `markers` markers; negative when
    // it never does.
    double press(QPushButton *button, int markers)
    {
        QElapsedTimer clock;
        clock.start();
        button->click();
        QWebEngineView *view = page().WebBrowser1Host->findChild<QWebEngineView *>();
        const QString ready =
            QStringLiteral("document.querySelectorAll('.leaflet-tile-loaded').length > 0 && "
                           "document.querySelectorAll('.leaflet-marker-icon').length === %1")
                .arg(markers);
        if (!view || !waitForLoad(view) || !waitForScript(view, ready))
            return -1;
        return double(clock.nsecsElapsed()) / 1e9;
    }

    WebEngineViewFactory views{QStringLiteral(LYNVAR_WEBENGINE_MODULE)};
    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<StartedApplication> run;
};

void record(benchmark::State &state, double seconds)
{
    if (seconds < 0)
        state.SkipWithError("the page never showed its map");
    else
        state.SetIterationTime(seconds);
}

void BM_ShowMapFirstPressStartingTheEngine(benchmark::State &state)
{
    for (auto _ : state) {
        MapRun map;
        map.addPlace(QStringLiteral("A"), QStringLiteral("26.58"), QStringLiteral("48.68"));
        record(state, map.press(map.page().ButtonViewMap, 1));
    }
}
BENCHMARK(BM_ShowMapFirstPressStartingTheEngine)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1);

void BM_ShowMapFirstPress(benchmark::State &state)
{
    for (auto _ : state) {
        MapRun map;
        map.addPlace(QStringLiteral("A"), QStringLiteral("26.58"), QStringLiteral("48.68"));
        record(state, map.press(map.page().ButtonViewMap, 1));
    }
}
BENCHMARK(BM_ShowMapFirstPress)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

void BM_ShowMapSecondPress(benchmark::State &state)
{
    MapRun map;
    map.addPlace(QStringLiteral("A"), QStringLiteral("26.58"), QStringLiteral("48.68"));
    map.press(map.page().ButtonViewMap, 1);
    for (auto _ : state)
        record(state, map.press(map.page().ButtonViewMap, 1));
}
BENCHMARK(BM_ShowMapSecondPress)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

QList<MapPageWriter::Place> manyPlaces(int count)
{
    QList<MapPageWriter::Place> places;
    for (int i = 0; i < count; ++i) {
        places.append({i + 1, QStringLiteral("Місце %1").arg(i), i % 6,
                       QString::number(22.5 + (i % 40) * 0.4, 'f', 4),
                       QString::number(44.5 + (i / 40) * 0.3, 'f', 4)});
    }
    return places;
}

void BM_AllPlacesPageWrite1000(benchmark::State &state)
{
    const QList<MapPageWriter::Place> places = manyPlaces(1000);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            MapPageWriter::allPlacesPage(places, QStringLiteral("t"), QStringLiteral("h")));
}
BENCHMARK(BM_AllPlacesPageWrite1000)->Unit(benchmark::kMillisecond);

void BM_AllPlacesMap1000(benchmark::State &state)
{
    MapRun map;
    for (const MapPageWriter::Place &p : manyPlaces(1000))
        map.addPlace(p.name, p.lng, p.lat);
    map.press(map.page().ButtonViewAllMap, 1000);
    for (auto _ : state)
        record(state, map.press(map.page().ButtonViewAllMap, 1000));
}
BENCHMARK(BM_AllPlacesMap1000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
