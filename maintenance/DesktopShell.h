// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Shell.h"

namespace lynvar {

// The real desktop shell. Targets open with the user's own programs; a program runs from its
// argument list (never a command line to be split) while a local event loop keeps the windows
// painting but takes no user input, so a command cannot be started twice; a folder tree is
// removed only strictly inside its root, removing links and never following them.
// Opening a target needs a GUI application; the other two work in a console run too.
class DesktopShell final : public Shell
{
public:
    bool openTarget(const QString &target) override;
    ProcessResult runAndWait(const QString &program, const QStringList &arguments,
                             const QString &workingFolder, int timeoutMs) override;
    bool removeTreeInside(const QString &root, const QString &path) override;

    // Whether `path` lies strictly inside `root`: below it, not the root itself, reached through
    // no link that leaves it.
    [[nodiscard]] static bool isStrictlyInside(const QString &root, const QString &path);
};

} // namespace lynvar
