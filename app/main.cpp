// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ErrorBox.h"
#include "app/ExitSignals.h"
#include "app/GuardedApplication.h"
#include "app/LynvarApplication.h"
#include "app/RealServices.h"
#include "maintenance/CommandLine.h"

#include <QCoreApplication>
#include <QDir>
#include <QScopeGuard>

int main(int argc, char *argv[])
{
    // The program folder is the working folder at start-up, not the executable's folder.
    const QString programFolder = QDir::currentPath();

    // Backup, restore and the like run without a window, so without a display (from cron).
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (lynvar::isCommandLineRun(arguments)) {
        QCoreApplication console(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("LynvarBook"));
        return lynvar::runCommandLine(arguments, programFolder);
    }

    // The browser engine, loaded when a page is first shown, shares the application's graphics contexts.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    lynvar::GuardedApplication app(argc, argv);
    // A request to end (logout, kill, Ctrl+C) closes as "Вихід" does; until the window is made, the
    // request waits in the watcher.
    lynvar::ExitSignals exitSignals;
    QApplication::setApplicationName(QStringLiteral("LynvarBook"));
    QApplication::setApplicationDisplayName(QStringLiteral("LynvarBook"));
    lynvar::RealServices real;
    lynvar::QtUserDialogs &dialogs = real.dialogs;
    const lynvar::AppServices &services = real.services;
    try {
        lynvar::LynvarApplication program(programFolder, services);
        const QMetaObject::Connection onExitSignal = QObject::connect(
            &exitSignals, &lynvar::ExitSignals::received, &app, [&program] { program.exitWithoutAsking(); });
        const auto stopWatching = qScopeGuard([&] { QObject::disconnect(onExitSignal); });
        program.create();
        app.setDialogs(&dialogs);
        program.showMainWindow();
        // A request to end that came while start-up showed a box has ended that box's loop only.
        if (!program.exitRequested())
            QApplication::exec();
        app.setDialogs(nullptr);
    } catch (...) {
        dialogs.showError(lynvar::errorBoxText(lynvar::currentExceptionMessage(std::current_exception())));
    }
    return 0;
}
