// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace lynvar {

// The program's version, as the build gives it.
QString programVersion();

// The command line for work without a window, run in the program folder like the program:
//   lynvarbook --backup           backs up data/ into copy/; prints the archive's path
//   lynvarbook --restore ARCHIVE  puts the data of a backup archive in place of data/
//   lynvarbook --version, --help
// Whether `arguments` (without the program's name) ask for such a run rather than the window.
// Arguments with one dash are the toolkit's own and leave the window to it.
[[nodiscard]] bool isCommandLineRun(const QStringList &arguments);

// Runs the command; needs a QCoreApplication. Returns the exit status: 0 done (for --backup:
// a verified archive), 1 failed, 2 the command line was not understood.
[[nodiscard]] int runCommandLine(const QStringList &arguments, const QString &programFolder);

} // namespace lynvar
