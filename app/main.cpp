// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ErrorBox.h"
#include "app/GuardedApplication.h"
#include "app/LynvarApplication.h"
#include "app/QtUserDialogs.h"
#include "app/QtWebViews.h"
#include "common/Clock.h"

#include <QDir>

int main(int argc, char *argv[])
{
    // The program folder is the working folder at start-up, not the executable's folder.
    const QString programFolder = QDir::currentPath();
    // The browser module, loaded later, shares the windows' graphics contexts.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    lynvar::GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("LynvarBook"));
    QApplication::setApplicationDisplayName(QStringLiteral("LynvarBook"));
    lynvar::QtUserDialogs dialogs;
    lynvar::SystemClock clock;
    lynvar::QtWebViews webViews;
    lynvar::AppServices services;
    services.dialogs = &dialogs;
    services.clock = &clock;
    services.webViews = &webViews;
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
