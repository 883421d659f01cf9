// SPDX-License-Identifier: GPL-3.0-or-later
// Switching the current fish with the shipped handbook: every bound view of the fish page refreshed
// and repainted.
#include "app/LynvarApplication.h"
#include "app/TDovidnykForm.h"
#include "bench/support/QtBenchmarks.h"
#include "common/UserDialogs.h"
#include "data/DataModule2.h"
#include "tests/support/FakeDialogs.h"

#include <QTemporaryDir>

namespace {

void BM_SwitchCurrentFish(benchmark::State &state)
{
    QTemporaryDir dir;
    lynvar::bench::layOutProgramFolder(dir.path());
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
    return lynvar::bench::runWithApplication(argc, argv);
}
