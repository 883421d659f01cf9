// SPDX-License-Identifier: GPL-3.0-or-later
// lynvar_seedbuild SEED_FOLDER REFERENCE_DB RECORDS_DB
#include "common/Error.h"
#include "tools/seedbuild/SeedBuilder.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    // Rich text is laid out with fonts, which need a GUI application, but never a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fputs("usage: lynvar_seedbuild SEED_FOLDER REFERENCE_DB RECORDS_DB\n", stderr);
        return 2;
    }
    try {
        for (int i = 2; i <= 3; ++i)
            QDir().mkpath(QFileInfo(args[i]).absolutePath());
        lynvar::SeedBuilder(args[1]).buildReferenceDatabase(args[2]);
        lynvar::SeedBuilder::buildRecordsDatabase(args[3]);
    } catch (const lynvar::Error &e) {
        std::fprintf(stderr, "lynvar_seedbuild: %s\n", e.what());
        return 1;
    }
    return 0;
}
