// SPDX-License-Identifier: GPL-3.0-or-later
// The embedded browser, loaded by the program only when a window first shows a web page, so that
// starting the program never loads the browser engine.
#include <QUrl>
#include <QWebEngineView>

extern "C" Q_DECL_EXPORT QWidget *lynvarCreateWebView(QWidget *parent)
{
    return new QWebEngineView(parent);
}

extern "C" Q_DECL_EXPORT void lynvarNavigateWebView(QWidget *view, const QString &address)
{
    if (auto *browser = qobject_cast<QWebEngineView *>(view))
        browser->setUrl(QUrl(address, QUrl::TolerantMode));
}
