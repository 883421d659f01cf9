// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/WebEngineView.h"

#include "common/Error.h"
#include "places/MapPageWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QUrl>
#include <QWidget>

namespace lynvar {
namespace {

// The module's view, reached through its invokable methods and its signal by name.
class EngineView final : public WebView
{
    Q_OBJECT
public:
    EngineView(QWidget *host, QWidget *view) : WebView(host), m_view(view)
    {
        m_view->setObjectName(QStringLiteral("WebBrowser1"));
        connect(m_view, SIGNAL(placeChosen(qint64)), this, SIGNAL(placeChosen(qint64)));
    }

    QWidget *widget() override { return m_view; }
    void showFile(const QString &path) override { showUrl(QUrl::fromLocalFile(path)); }
    void showUrl(const QUrl &url) override { QMetaObject::invokeMethod(m_view, "showUrl", Q_ARG(QUrl, url)); }
    void setMapTiles(const QString &address) override
    {
        const QString source =
            QStringLiteral("if (location.protocol === 'file:') { window.lbTileAddress = ") +
            MapPageWriter::scriptString(address) + QStringLiteral("; }");
        QMetaObject::invokeMethod(m_view, "setStartScript", Q_ARG(QString, source));
    }

private:
    QWidget *m_view;
};

} // namespace

WebEngineViewFactory::WebEngineViewFactory(const QString &modulePath) : m_module(modulePath) {}

QString WebEngineViewFactory::modulePathBesideProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/lynvar-webengine.so");
}

WebView *WebEngineViewFactory::create(QWidget *host)
{
    if (!m_makeView) {
        m_module.setLoadHints(QLibrary::PreventUnloadHint);
        m_makeView = reinterpret_cast<MakeView>(m_module.resolve("lynvarbook_make_web_view"));
        if (!m_makeView)
            throw Error(QStringLiteral("Переглядач веб-сторінок не вдалося запустити (%1): %2")
                            .arg(QDir::toNativeSeparators(m_module.fileName()), m_module.errorString()));
    }
    return new EngineView(host, m_makeView(host));
}

} // namespace lynvar

#include "WebEngineView.moc"
