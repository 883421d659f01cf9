// SPDX-License-Identifier: GPL-3.0-or-later
// The program in a given program folder holding a new diary entry it has not stored, for the test
// of ending by a signal: says "ready" on stdout, then runs until it is told to end.
// Arguments: the program folder, the entry's note.
#include "app/ExitSignals.h"
#include "app/LynvarApplication.h"
#include "app/TDovidnykForm.h"
#include "data/DataModule2.h"
#include "diary/SchodennykPage.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeServices.h"

#include <QApplication>
#include <cstdio>

using namespace lynvar;

int main(int argc, char *argv[])
{
    QApplication qt(argc, argv);
    if (argc < 3)
        return 2;
    ExitSignals exitSignals;
    test::FakeDialogs dialogs;
    test::FakeShell shell;
    test::FakeNetwork network;
    test::FakeClock clock;
    AppServices services;
    services.dialogs = &dialogs;
    services.shell = &shell;
    services.network = &network;
    services.clock = &clock;

    // Wired as the program's own start-up wires it.
    LynvarApplication program(QString::fromLocal8Bit(argv[1]), services);
    QObject::connect(&exitSignals, &ExitSignals::received, &qt, [&program] { program.exitWithoutAsking(); });
    program.create();
    program.showMainWindow();
    if (!exitSignals.isWatching() || !program.DataModule2 || !program.DataModule2->SchodennykTable.isActive())
        return 3;

    program.DovidnykForm->page<SchodennykPage>()->setModalRunner([](QDialog &) {});
    DataSet &entry = program.DataModule2->SchodennykTable;
    entry.insert();
    entry.field(u"Opys").setString(QString::fromLocal8Bit(argv[2]));
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    return program.exitRequested() ? 0 : QApplication::exec();
}
