// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <benchmark/benchmark.h>
#include <initializer_list>

namespace lynvar::bench {

// Lays out a program folder in `folder` from the shipped files: the handbook, the empty records
// database and the given further shipped files (relative paths such as "languages/ukranian.ini").
inline void layOutProgramFolder(const QString &folder, std::initializer_list<const char *> more = {})
{
    const QString shipped = QStringLiteral(LYNVAR_SHIPPED_DIR);
    QDir().mkpath(folder + QStringLiteral("/data"));
    QFile::copy(shipped + QStringLiteral("/data/lynvarbook.db"),
                folder + QStringLiteral("/data/lynvarbook.db"));
    QFile::copy(shipped + QStringLiteral("/newbd/lynvarzapys.db"),
                folder + QStringLiteral("/data/lynvarzapys.db"));
    for (const char *relative : more) {
        const QString target = folder + u'/' + QString::fromLatin1(relative);
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(shipped + u'/' + QString::fromLatin1(relative), target);
    }
}

// The main of a benchmark program whose benchmarks need a (headless) QApplication.
inline int runWithApplication(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace lynvar::bench
