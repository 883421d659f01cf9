// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace lynvar {

class Clock;
class Network;
class Shell;
class UserDialogs;
class WebViewFactory;

class WebViews;

// The outside world as the windows reach it: boxes and dialogs, the desktop shell, the network,
// the clock, web views, and the program folder. The application owns the real ones; tests put fakes in.
// Every member is set before any window is made; the program folder is set by the main window's
// creation handler. Two web view seams live side by side for now: the map's (webViews) and the
// diary editor's forecast panel (browserViews); they are to become one.
struct AppServices
{
    UserDialogs *dialogs = nullptr;
    Shell *shell = nullptr;
    Network *network = nullptr;
    Clock *clock = nullptr;
    WebViewFactory *webViews = nullptr;
    WebViews *browserViews = nullptr; // may stay null: no embedded browser
    QString programFolder;
};

} // namespace lynvar
