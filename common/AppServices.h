// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace lynvar {

class Clock;
class Network;
class Shell;
class UserDialogs;
class WebViewFactory;

// The outside world as the windows reach it: boxes and dialogs, the desktop shell, the network,
// the clock, web views, and the program folder. The application owns the real ones; tests put fakes in.
// Every member is set before any window is made; the program folder is set by the main window's
// creation handler. Web views (the places page's map, the weather window, the diary editor's forecast
// panel) all come from webViews, which makes none before a page is first shown.
struct AppServices
{
    UserDialogs *dialogs = nullptr;
    Shell *shell = nullptr;
    Network *network = nullptr;
    Clock *clock = nullptr;
    WebViewFactory *webViews = nullptr; // may stay null: no embedded browser
    QString programFolder;
};

} // namespace lynvar
