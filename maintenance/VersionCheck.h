// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Network.h"

#include <QString>

namespace lynvar {

class IniFile;
class Network;
class Shell;
class UserDialogs;
struct MaintenanceTexts;

// The new-version check: the installed release's number (options.ini, [Install] NamberVersion)
// against the newest one named by the maker's version file, which is fetched into lastvers.ini in
// the program folder. A newer release is offered; Yes opens the download page.
class VersionCheck final
{
public:
    // Every reference outlives the check.
    VersionCheck(const QString &programFolder, IniFile &settings, Network &network, Shell &shell,
                 UserDialogs &dialogs, const MaintenanceTexts &texts);

    // The whole check. A version number that is not a whole number, or an unwritable
    // lastvers.ini, throws lynvar::Error with a message that names the file.
    void MenuNewVersionClick();

    // The most of the version file that is read.
    static constexpr qint64 MaxVersionFileBytes = 2048;
    // The network's limits; tests shorten them.
    void setLimits(const FetchLimits &limits) { m_limits = limits; }

    // A version number as text → the number; throws lynvar::Error naming `where` when it is not one.
    static int versionNumber(const QString &text, const QString &where);

private:
    QString m_programFolder;
    IniFile &m_settings;
    Network &m_network;
    Shell &m_shell;
    UserDialogs &m_dialogs;
    const MaintenanceTexts &m_texts;
    FetchLimits m_limits;
};

} // namespace lynvar
