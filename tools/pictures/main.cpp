// SPDX-License-Identifier: GPL-3.0-or-later
// lynvar_pictures OUTPUT_FOLDER SEED_FOLDER
// Draws the pictures that ship with the program into OUTPUT_FOLDER; the wind and precipitation pictures
// follow the keys of Viter.json and Opady.json in SEED_FOLDER.
#include "common/Error.h"
#include "tools/pictures/Pictures.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char *argv[])
{
    // Runs during the build, where there is no display; fonts still work offscreen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: lynvar_pictures OUTPUT_FOLDER SEED_FOLDER\n");
        return 2;
    }
    try {
        QElapsedTimer timer;
        timer.start();
        const QStringList written = lynvar::pictures::writeAll(arguments.at(1), arguments.at(2));
        std::printf("lynvar_pictures: %lld pictures in %lld ms\n", static_cast<long long>(written.size()),
                    static_cast<long long>(timer.elapsed()));
    } catch (const lynvar::Error &error) {
        std::fprintf(stderr, "lynvar_pictures: %s\n", error.what());
        return 1;
    }
    return 0;
}
