// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace lynvar {

class Clock;
class Network;
class Shell;
class UserDialogs;

// The outside world as the windows reach it: boxes and dialogs, the desktop shell, the network,
// the clock, and the program folder. The application owns the real ones; tests put fakes in.
// Every member is set before any window is made; the program folder is set by the main window's
// creation handler.
struct AppServices
{
    UserDialogs *dialogs = nullptr;
    Shell *shell = nullptr;
    Network *network = nullptr;
    Clock *clock = nullptr;
    QString programFolder;
};

} // namespace lynvar
