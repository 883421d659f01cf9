// SPDX-License-Identifier: GPL-3.0-or-later
// The browser engine's side of the web view, built as a module of its own that the program loads the
// first time it shows a page: linking the engine into the program would load its libraries, and
// start it, at every start-up. The program talks to the view through Qt's meta-object system only:
// the invokable methods and the signal below, by name.
#include "common/WebView.h"

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

class EngineView final : public QWebEngineView
{
    Q_OBJECT
public:
    explicit EngineView(QWidget *host) : QWebEngineView(host)
    {
        auto *page = new PlacePage(QWebEngineProfile::defaultProfile(), this);
        QWebEngineSettings *settings = page->settings();
        // The map pages are local files whose tiles come from a tile server.
        settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
        settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
        settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, true);
        setPage(page);
        connect(page, &PlacePage::placeChosen, this, &EngineView::placeChosen);
    }

    Q_INVOKABLE void showUrl(const QUrl &url) { load(url); }

    // Runs `source` as each page starts, before the page's own scripts.
    Q_INVOKABLE void setStartScript(const QString &source)
    {
        static const QString name = QStringLiteral("lynvarbook-start");
        QWebEngineScriptCollection &scripts = page()->scripts();
        for (const QWebEngineScript &old : scripts.find(name))
            scripts.remove(old);
        QWebEngineScript script;
        script.setName(name);
        script.setInjectionPoint(QWebEngineScript::DocumentCreation);
        script.setWorldId(QWebEngineScript::MainWorld);
        script.setRunsOnSubFrames(false);
        script.setSourceCode(source);
        scripts.insert(script);
    }

Q_SIGNALS:
    void placeChosen(qint64 id);
};

} // namespace
} // namespace lynvar

extern "C" Q_DECL_EXPORT QWidget *lynvarbook_make_web_view(QWidget *host)
{
    return new lynvar::EngineView(host);
}

#include "WebEngineModule.moc"
