// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

class QWidget;

namespace lynvar {

/*
 * A web page view inside a window: the map of the places page, the weather window, the diary
 * editor's forecast panel.
 *
 * A real view starts a browser engine, which is costly, so views are made only when a page must be
 * shown (WebViewFactory::create), never at start-up. Tests install a fake factory, so that no test
 * but the one about the real view starts the engine.
 *
 * Showing returns at once; the page loads after the caller has returned. What the page then does
 * (a missing library, no network) is the page's own business: the view reports nothing.
 */
class WebView : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // The widget to lay out where the pages should appear.
    virtual QWidget *widget() = 0;
    // Shows a local file (an absolute path).
    virtual void showFile(const QString &path) = 0;
    // Shows a web address.
    virtual void showUrl(const QUrl &url) = 0;
    // The tile server address ("https://host/{z}/{x}/{y}.png") that the program's own local map
    // pages find as window.lbTileAddress.
    virtual void setMapTiles(const QString &address) = 0;

    // The address a page of the program's own opens to make a place current ("choose place ID").
    static QString placeAddress(qint64 id)
    {
        return QStringLiteral("https://lynvarbook.invalid/place/") + QString::number(id);
    }

Q_SIGNALS:
    // A local map page asked to make the place with this record number current.
    void placeChosen(qint64 id);
};

// Makes web views; the application owns the real one, tests a fake. A factory that cannot start its
// browser engine throws lynvar::Error saying why.
class WebViewFactory
{
public:
    virtual ~WebViewFactory() = default;
    // A new view whose widget and object are children of `host`.
    virtual WebView *create(QWidget *host) = 0;
};

} // namespace lynvar
