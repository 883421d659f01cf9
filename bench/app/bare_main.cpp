// SPDX-License-Identifier: GPL-3.0-or-later
// A bare Qt window program linked with the same libraries, ending once its window is shown.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(1024, 726);
    window.showMaximized();
    QTimer::singleShot(0, &app, [] {
        ::write(3, "s", 1);
        QApplication::quit();
    });
    return QApplication::exec();
}
