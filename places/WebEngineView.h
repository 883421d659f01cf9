// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/WebView.h"

#include <QLibrary>

namespace lynvar {

/*
 * Web views on Qt WebEngine, made by the module lynvar-webengine, which is loaded the first time a
 * view is made: the program does not link the browser engine, whose libraries would otherwise load
 * at every start-up. Local pages may load remote resources (the map tiles); the engine shows its own
 * error page when a site cannot be reached.
 *
 * The application must set Qt::AA_ShareOpenGLContexts before it makes its QApplication, as an engine
 * loaded later needs.
 */
class WebEngineViewFactory final : public WebViewFactory
{
public:
    // `modulePath`: the module's file, normally next to the program (modulePathBesideProgram()).
    explicit WebEngineViewFactory(const QString &modulePath);

    static QString modulePathBesideProgram();

    // Throws lynvar::Error saying why when the module cannot be loaded.
    WebView *create(QWidget *host) override;

private:
    QLibrary m_module;
    using MakeView = QWidget *(*)(QWidget *host);
    MakeView m_makeView = nullptr;
};

} // namespace lynvar
