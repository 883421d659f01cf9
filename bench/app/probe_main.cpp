// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start-up, ending as soon as the main window has been shown once.
// Run by bench_startup, which listens on descriptor 3 for the moment the window is shown.
#include "app/GuardedApplication.h"
#include "app/LynvarApplication.h"
#include "app/RealServices.h"
#include "app/TDovidnykForm.h"

#include <QDir>
#include <QTimer>
#include <unistd.h>

int main(int argc, char *argv[])
{
    const QString programFolder = QDir::currentPath();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    lynvar::GuardedApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("LynvarBook"));
    lynvar::RealServices real;
    lynvar::LynvarApplication program(programFolder, real.services);
    program.create();
    program.showMainWindow();
    // Once the loop has shown the window, tell the benchmark (on descriptor 3) and end.
    QTimer::singleShot(0, &app, [] {
        ::write(3, "s", 1);
        QApplication::quit();
    });
    return QApplication::exec();
}
