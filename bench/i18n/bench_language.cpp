// SPDX-License-Identifier: GPL-3.0-or-later
// A switch of the content language with the shipped handbook and language files: the bindings, the
// settings write, the language file read once and applied, every view repainted.
#include "app/LynvarApplication.h"
#include "app/PageRegistry.h"
#include "app/TDovidnykForm.h"
#include "bench/support/QtBenchmarks.h"
#include "common/UserDialogs.h"
#include "tests/support/FakeDialogs.h"

#include <QTemporaryDir>

namespace {

// Argument 0: the pages a start-up builds; 1: every page built and every dialog made.
void BM_LanguageSwitch(benchmark::State &state)
{
    QTemporaryDir dir;
    lynvar::bench::layOutProgramFolder(dir.path(), {"languages/ukranian.ini", "languages/russianing.ini"});
    lynvar::test::FakeDialogs dialogs;
    lynvar::AppServices services;
    services.dialogs = &dialogs;
    lynvar::LynvarApplication app(dir.path(), services);
    app.create();
    app.showMainWindow();
    if (state.range(0) == 1) {
        app.DovidnykForm->pages().buildAll();
        (void)app.EditSchodennykForm.get();
        (void)app.FormSposobyLovu.get();
        (void)app.FormAbout.get();
    }
    QCoreApplication::processEvents();
    bool russian = false;
    for (auto _ : state) {
        russian = !russian;
        if (russian)
            app.DovidnykForm->MenuRussianClick();
        else
            app.DovidnykForm->MenuUkranianClick();
        QCoreApplication::processEvents(); // the views repaint
    }
}
BENCHMARK(BM_LanguageSwitch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return lynvar::bench::runWithApplication(argc, argv);
}
