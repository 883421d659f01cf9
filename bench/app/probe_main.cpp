// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start-up, ending as soon as the main window has been shown once.
#include "app/GuardedApplication.h"
#include "app/LynvarApplication.h"
#include "app/QtUserDialogs.h"
#include "app/TDovidnykForm.h"

#include <QDir>
#include <QTimer>

int main(int argc, char *argv[])
{
    const QString programFolder = QDir::currentPath();
    lynvar::GuardedApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("LynvarBook"));
    lynvar::QtUserDialogs dialogs;
    lynvar::LynvarApplication program(programFolder, dialogs);
    program.create();
    program.showMainWindow();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
