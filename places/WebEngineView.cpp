// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/WebEngineView.h"

#include "places/MapPageWriter.h"

#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace lynvar {
namespace {

// Turns a local page's request for a place address into a signal instead of a navigation. Only
// the program's own pages (local files) may ask; a web site's link to such an address goes nowhere.
class PlacePage final : public QWebEnginePage
{
    Q_OBJECT
public:
    using QWebEnginePage::QWebEnginePage;

Q_SIGNALS:
    void placeChosen(qint64 id);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        static const QString prefix = WebView::placeAddress(0).chopped(1);
        const QString address = url.toString();
        if (!address.startsWith(prefix))
            return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
        bool isNumber = false;
        const qint64 id = address.mid(prefix.size()).toLongLong(&isNumber);
        if (isNumber && this->url().isLocalFile())
            Q_EMIT placeChosen(id);
        return false;
    }
};

class EngineView final : public WebView
{
    Q_OBJECT
public:
    explicit EngineView(QWidget *host) : WebView(host), m_view(new QWebEngineView(host))
    {
        m_view->setObjectName(QStringLiteral("WebBrowser1"));
        auto *page = new PlacePage(QWebEngineProfile::defaultProfile(), m_view);
        QWebEngineSettings *settings = page->settings();
        // The map pages are local files whose tiles come from a tile server.
        settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
        settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
        settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, true);
        m_view->setPage(page);
        connect(page, &PlacePage::placeChosen, this, &WebView::placeChosen);
    }

    QWidget *widget() override { return m_view; }
    void showFile(const QString &path) override { m_view->load(QUrl::fromLocalFile(path)); }
    void showUrl(const QUrl &url) override { m_view->load(url); }

    void setMapTiles(const QString &address) override
    {
        static const QString name = QStringLiteral("lynvarbook-map-tiles");
        QWebEngineScriptCollection &scripts = m_view->page()->scripts();
        for (const QWebEngineScript &old : scripts.find(name))
            scripts.remove(old);
        QWebEngineScript script;
        script.setName(name);
        script.setInjectionPoint(QWebEngineScript::DocumentCreation);
        script.setWorldId(QWebEngineScript::MainWorld);
        script.setRunsOnSubFrames(false);
        script.setSourceCode(QStringLiteral("if (location.protocol === 'file:') { window.lbTileAddress = ") +
                             MapPageWriter::scriptString(address) + QStringLiteral("; }"));
        scripts.insert(script);
    }

private:
    QWebEngineView *m_view;
};

} // namespace

WebView *WebEngineViewFactory::create(QWidget *host)
{
    return new EngineView(host);
}

} // namespace lynvar

#include "WebEngineView.moc"
