// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace lynvar {

class Shell;

// The work under way, as the user follows it: a window with a progress dialog, a console run with
// nothing or a line of text.
class MaintenanceFeedback
{
public:
    virtual ~MaintenanceFeedback() = default;
    // A message the user acknowledges before the work goes on.
    virtual void message(const QString &text) = 0;
    // The work now under way.
    virtual void progress(const QString &text) = 0;
    // The work has ended, well or not.
    virtual void done() = 0;
};

// The 7-Zip command-line archiver: "7za" in the program folder, else "7za" or "7zz" found in
// `searchPath` (the system's PATH when not given). Empty when there is none.
QString findArchiver(const QString &programFolder,
                     const std::optional<QStringList> &searchPath = std::nullopt);

// A generous limit for one run of the archiver; a run that takes longer is ended and reported.
constexpr int ArchiverTimeoutMs = 60 * 60 * 1000;

// The time stamp of backup names: one fixed format, which holds no character a file name cannot.
QString timeStamp(const QDateTime &time);

// Copies the tree under `source` into `target` (hidden files and sub-folders included), never
// overwriting a file that is there. Links to folders are not followed; what is not a regular file
// or a folder is not copied; a file that cannot be written whole (a full disk) is removed again.
// Returns what could not be copied (paths under `source`); the walk goes on past every failure.
// `tick` runs between pieces of a file, so a large copy can keep the windows painting.
QStringList CopyFolder(const QString &source, const QString &target, const std::function<void()> &tick = {});

// One entry of an archive as the archiver lists it.
struct ArchiveEntry
{
    QString path; // with "/" between folders
    bool folder = false;
    bool link = false;
};

// The entries of `archive`, or nothing with `why` set when the archiver cannot list it.
std::optional<QList<ArchiveEntry>> listArchive(Shell &shell, const QString &archiver, const QString &archive,
                                               QString *why);

} // namespace lynvar
