// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Error.h"
#include "common/WebView.h"

#include <QList>
#include <QStringList>
#include <QWidget>

namespace lynvar::test {

// A web view that starts no browser engine: it records what it was asked to show ("file:<path>"
// or the address as text) and the tile address it was given.
class FakeWebView final : public WebView
{
    Q_OBJECT
public:
    explicit FakeWebView(QWidget *host) : WebView(host), m_widget(new QWidget(host))
    {
        m_widget->setObjectName(QStringLiteral("WebBrowser1"));
    }

    QWidget *widget() override { return m_widget; }
    void showFile(const QString &path) override { shown << QStringLiteral("file:") + path; }
    void showUrl(const QUrl &url) override
    {
        shown << url.toString();
        urls << url;
    }
    void setMapTiles(const QString &address) override { tiles = address; }

    // As a click on a marker of the all-places map does.
    void clickPlace(qint64 id) { Q_EMIT placeChosen(id); }

    QStringList shown;
    QList<QUrl> urls;
    QString tiles;

private:
    QWidget *m_widget;
};

// Makes fake views; with `fails` set, it fails as a factory whose browser engine cannot start.
class FakeWebViewFactory final : public WebViewFactory
{
public:
    WebView *create(QWidget *host) override
    {
        if (fails)
            throw Error(QStringLiteral("no browser engine"));
        auto *view = new FakeWebView(host);
        made << view;
        return view;
    }

    QList<FakeWebView *> made;
    bool fails = false;
};

} // namespace lynvar::test
