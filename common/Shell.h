// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lynvar {

// What a program run through the shell came to.
struct ProcessResult
{
    bool started = false;  // false: the program could not be started at all
    bool timedOut = false; // ended by us after the time limit
    bool crashed = false;  // ended by a signal
    int exitCode = -1;     // meaningful when it ended by itself
    QString errorText;     // why it did not start or end well, for the user
    QByteArray output;     // what it wrote (standard output and error), at most the last 1 MiB

    bool succeeded() const { return started && !timedOut && !crashed && exitCode == 0; }
};

// The desktop shell: opening things with the user's own programs, running a program and waiting
// for it, deleting a folder tree. The application owns the real one; tests install a fake that
// records and answers, so no test starts a program or opens a window of another program.
class Shell
{
public:
    virtual ~Shell() = default;

    // Opens a web address, a mail link or a file (an absolute path) with its default program.
    // False when nothing could be opened.
    [[nodiscard]] virtual bool openTarget(const QString &target) = 0;
    // Runs `program` with `arguments` (never a command line to be split) in `workingFolder` and
    // waits for it while the window keeps painting; a run longer than `timeoutMs` is ended.
    [[nodiscard]] virtual ProcessResult runAndWait(const QString &program, const QStringList &arguments,
                                                   const QString &workingFolder, int timeoutMs) = 0;
    // Deletes the folder `path` with everything in it, only when it lies strictly inside `root`;
    // links are removed, never followed. False when it was refused or not everything went.
    [[nodiscard]] virtual bool removeTreeInside(const QString &root, const QString &path) = 0;
};

} // namespace lynvar
