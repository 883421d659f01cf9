// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Clock.h"
#include "common/Network.h"
#include "common/Shell.h"

#include <QList>
#include <QStringList>

namespace lynvar::test {

// Records what the program asked of the shell and answers as told.
class FakeShell final : public Shell
{
public:
    struct Run
    {
        QString program;
        QStringList arguments;
        QString workingFolder;
    };

    bool openTarget(const QString &target) override
    {
        opened << target;
        return openSucceeds;
    }
    ProcessResult runAndWait(const QString &program, const QStringList &arguments,
                             const QString &workingFolder, int) override
    {
        runs.append({program, arguments, workingFolder});
        return runResult;
    }
    bool removeTreeInside(const QString &root, const QString &path) override
    {
        removed << path;
        return removeSucceeds && path.startsWith(root + u'/');
    }

    QStringList opened;
    QList<Run> runs;
    QStringList removed;
    bool openSucceeds = true;
    bool removeSucceeds = true;
    ProcessResult runResult{true, false, false, 0, {}, {}};
};

// Answers every fetch with the same result and records the addresses.
class FakeNetwork final : public Network
{
public:
    FetchResult fetch(const QString &url, const FetchLimits &) override
    {
        urls << url;
        return answer;
    }

    QStringList urls;
    FetchResult answer;
};

class FakeClock final : public Clock
{
public:
    QDateTime now() const override { return time; }
    QDateTime time{QDate(2024, 5, 17), QTime(13, 7, 35, 869)};
};

} // namespace lynvar::test
