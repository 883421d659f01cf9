// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/WebView.h"

namespace lynvar {

// Web views on Qt WebEngine. Local pages may load remote resources (the map tiles); the engine
// shows its own error page when a site cannot be reached. Making the first view starts the browser
// engine, which takes a moment.
class WebEngineViewFactory final : public WebViewFactory
{
public:
    WebView *create(QWidget *host) override;
};

} // namespace lynvar
