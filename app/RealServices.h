// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/QtUserDialogs.h"
#include "common/AppServices.h"
#include "common/Clock.h"
#include "maintenance/CurlNetwork.h"
#include "maintenance/DesktopShell.h"
#include "places/WebEngineView.h"

namespace lynvar {

// The real outside world of one run of the program: boxes and dialogs, the clock, the desktop
// shell, the network and the web views. The program and its start-up probe both take it from here,
// so that they start the same way. Needs a QApplication; lives as long as the windows.
struct RealServices final
{
    RealServices() : webViews(WebEngineViewFactory::modulePathBesideProgram())
    {
        services.dialogs = &dialogs;
        services.clock = &clock;
        services.shell = &shell;
        services.network = &network;
        services.webViews = &webViews;
    }
    RealServices(const RealServices &) = delete;
    RealServices &operator=(const RealServices &) = delete;

    QtUserDialogs dialogs;
    SystemClock clock;
    DesktopShell shell;
    CurlNetwork network;
    WebEngineViewFactory webViews;
    AppServices services;
};

} // namespace lynvar
