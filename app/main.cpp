// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ErrorBox.h"
#include "app/GuardedApplication.h"
#include "app/LynvarApplication.h"
#include "app/RealServices.h"
#include "maintenance/CommandLine.h"

#include <QCoreApplication>
#include <QDir>

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
    QApplication::setApplicationName(QStringLiteral("LynvarBook"));
    QApplication::setApplicationDisplayName(QStringLiteral("LynvarBook"));
    lynvar::RealServices real;
    lynvar::QtUserDialogs &dialogs = real.dialogs;
    const lynvar::AppServices &services = real.services;
    try {
        lynvar::LynvarApplication program(programFolder, services);
        program.create();
        app.setDialogs(&dialogs);
        program.showMainWindow();
        QApplication::exec();
        app.setDialogs(nullptr);
    } catch (...) {
        dialogs.showError(lynvar::errorBoxText(lynvar::currentExceptionMessage(std::current_exception())));
    }
    return 0;
}
