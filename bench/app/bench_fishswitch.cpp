// SPDX-License-Identifier: GPL-3.0-or-later
// Switching the current fish with the shipped handbook: every bound view of the fish page refreshed
// and repainted.
#include "app/LynvarApplication.h"
#include "app/TDovidnykForm.h"
#include "common/UserDialogs.h"
#include "data/DataModule2.h"
#include "tests/support/FakeDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_SwitchCurrentFish(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString shipped = QStringLiteral(LYNVAR_SHIPPED_DIR);
    QDir().mkpath(dir.filePath(QStringLiteral("data")));
    QFile::copy(shipped + QStringLiteral("/data/lynvarbook.db"),
                dir.filePath(QStringLiteral("data/lynvarbook.db")));
    QFile::copy(shipped + QStringLiteral("/newbd/lynvarzapys.db"),
                dir.filePath(QStringLiteral("data/lynvarzapys.db")));
    lynvar::test::FakeDialogs dialogs;
    lynvar::AppServices services;
    services.dialogs = &dialogs;
    lynvar::LynvarApplication app(dir.path(), services);
    app.create();
    app.showMainWindow();
    app.DovidnykForm->showPage(lynvar::TDovidnykForm::LayoutPageIndex);
    QCoreApplication::processEvents();
    lynvar::DataSet &fish = app.DataModule2->FishTable;
    for (auto _ : state) {
        fish.next();
        if (fish.eof())
            fish.first();
        QCoreApplication::processEvents(); // the views repaint
    }
    state.counters["fish"] = fish.recordCount();
}
BENCHMARK(BM_SwitchCurrentFish)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
