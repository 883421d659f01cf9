// SPDX-License-Identifier: GPL-3.0-or-later
// The map pages in a real browser view: the page the places page writes, with the shipped map rows
// and map library and tiles from a throw-away server on 127.0.0.1, builds its map where the place
// is; the all-places page marks every place and a click on a marker makes that place current.
// Needs no internet.
#include "app/TDovidnykForm.h"
#include "data/DataModule2.h"
#include "places/FishMapPage.h"
#include "places/WebEngineView.h"
#include "tests/support/PageScript.h"
#include "tests/support/StartedApplication.h"
#include "tests/support/TileServer.h"

#include <QDirIterator>
#include <QPushButton>
#include <QTabWidget>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

using namespace lynvar;
using namespace lynvar::test;

namespace {

constexpr int Patience = 60000; // the engine's first start is slow on a busy machine

void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + file.mid(from.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(file, target);
    }
}

} // namespace

class TestMapViewWebEngine : public QObject
{
    Q_OBJECT

    TileServer m_tiles;
    WebEngineViewFactory m_realViews{QStringLiteral(LYNVAR_WEBENGINE_MODULE)};
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<StartedApplication> m_run;

    FishMapPage &page() { return *m_run->form().page<FishMapPage>(); }
    DataSet &places() { return m_run->data().FishMapTable; }

    qint64 addPlace(const QString &name, const char *lng, const char *lat, int rating = 0)
    {
        places().insert();
        places().field(u"Name").setString(name);
        places().field(u"Lng").setString(QString::fromLatin1(lng));
        places().field(u"Lat").setString(QString::fromLatin1(lat));
        if (rating > 0)
            places().field(u"Ocinka").setInteger(rating);
        places().post();
        return places().field(u"ID").asInteger();
    }

    QWebEngineView *view() { return page().WebBrowser1Host->findChild<QWebEngineView *>(); }

    QVariant evaluate(const QString &script) { return lynvar::test::evaluate(view(), script, Patience); }

    // Presses a map button and waits until the page has loaded and shows tiles.
    bool showAndWait(QPushButton *button)
    {
        button->click();
        return view() && waitForLoad(view(), Patience) &&
               waitForScript(view(),
                             QStringLiteral("document.querySelectorAll('.leaflet-tile-loaded').length > 0"),
                             Patience);
    }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        m_folder = std::make_unique<ProgramFolder>();
        copyTree(QStringLiteral(LYNVAR_SHIPPED_DIR "/web"), m_folder->file(QStringLiteral("web")));
        QByteArray services = m_folder->readFile(QStringLiteral("services.ini"));
        services.replace(QByteArray("https://tile.openstreetmap.org/{z}/{x}/{y}.png"),
                         m_tiles.tileAddress().toLatin1());
        QVERIFY(services.contains(m_tiles.tileAddress().toLatin1()));
        m_folder->writeFile(QStringLiteral("services.ini"), services);

        m_run = std::make_unique<StartedApplication>(*m_folder);
        m_run->app.services().webViews = &m_realViews;
        m_run->form().resize(1024, 726);
        m_run->showPage(0);
    }

    void cleanupTestCase()
    {
        m_run.reset();
        m_folder.reset();
    }

    void placeMapIsCentredOnThePlaceWithOneMarker()
    {
        addPlace(QStringLiteral("Ставок"), "26.58", "48.68");
        QVERIFY(view() == nullptr);
        QVERIFY(showAndWait(page().ButtonViewMap));
        QVERIFY(m_tiles.tilesServed() > 0);

        QCOMPARE(
            evaluate(QStringLiteral("typeof lbCurrentMap === 'object' && lbCurrentMap.leaflet !== null")),
            QVariant(true));
        QCOMPARE(evaluate(QStringLiteral("lbCurrentMap.leaflet.getZoom()")).toInt(), 12);
        // The place stands in the middle of the map, to the pixel the map can centre on.
        const double offCentre =
            evaluate(
                QStringLiteral("(m => { var p = m.latLngToContainerPoint([48.68, 26.58]), s = m.getSize();"
                               " return Math.max(Math.abs(p.x - s.x / 2), Math.abs(p.y - s.y / 2)); })"
                               "(lbCurrentMap.leaflet)"))
                .toDouble();
        QVERIFY2(offCentre <= 1.0, qPrintable(QString::number(offCentre)));
        QCOMPARE(evaluate(QStringLiteral("document.querySelectorAll('.leaflet-marker-icon').length")).toInt(),
                 1);
        QCOMPARE(evaluate(QStringLiteral("document.getElementById('lb-note').style.display")).toString(),
                 QString());
    }

    void placeWithoutCoordinatesShowsUkraineWithANote()
    {
        addPlace(QStringLiteral("Десь"), "", "</script><script>window.lbInjected = 1</script>");
        QVERIFY(showAndWait(page().ButtonViewMap));
        QCOMPARE(evaluate(QStringLiteral("document.querySelectorAll('.leaflet-marker-icon').length")).toInt(),
                 0);
        QCOMPARE(evaluate(QStringLiteral("lbCurrentMap.leaflet.getBounds().contains([49.0, 31.0])")),
                 QVariant(true));
        QCOMPARE(evaluate(QStringLiteral("document.getElementById('lb-note').style.display")).toString(),
                 QStringLiteral("block"));
        QCOMPARE(evaluate(QStringLiteral("typeof window.lbInjected")).toString(),
                 QStringLiteral("undefined"));
    }

    void allPlacesMapMarksEveryPlaceAndAClickSelectsIt()
    {
        const QString hostile = QStringLiteral("</script><script>window.lbInjected = 1</script>");
        // With the places of the tests above: one more with coordinates, one without.
        addPlace(hostile, "30.52", "50.45", 5);
        const qint64 north = addPlace(QStringLiteral("Світязь"), "23,85", "51,49", 4);
        QVERIFY(showAndWait(page().ButtonViewAllMap));

        QCOMPARE(evaluate(QStringLiteral("typeof lbMap")).toString(), QStringLiteral("object"));
        QCOMPARE(evaluate(QStringLiteral("document.querySelectorAll('.leaflet-marker-icon').length")).toInt(),
                 3);
        for (const char *point : {"[48.68, 26.58]", "[50.45, 30.52]", "[51.49, 23.85]"})
            QCOMPARE(evaluate(QStringLiteral("lbMap.getBounds().contains(%1)").arg(QLatin1StringView(point))),
                     QVariant(true));
        const QStringList titles =
            evaluate(QStringLiteral(
                         "Array.from(document.querySelectorAll('.leaflet-marker-icon')).map(m => m.title)"))
                .toStringList();
        QVERIFY2(titles.contains(hostile + QStringLiteral(" — оцінка 5")), qPrintable(titles.join(u'|')));
        // Its label, opened, is that text too.
        QCOMPARE(evaluate(QStringLiteral("lbMap.eachLayer(l => { if (l.getTooltip && l.getTooltip() && "
                                         "l.options.title.startsWith('</script>')) l.openTooltip(); }); "
                                         "document.querySelector('.leaflet-tooltip').textContent"))
                     .toString(),
                 hostile + QStringLiteral(" — оцінка 5"));
        QCOMPARE(evaluate(QStringLiteral("typeof window.lbInjected")).toString(),
                 QStringLiteral("undefined"));
        QCOMPARE(evaluate(QStringLiteral("document.querySelector('#lb-unplaced li').textContent")).toString(),
                 QStringLiteral("Десь"));

        places().first();
        evaluate(QStringLiteral("Array.from(document.querySelectorAll('.leaflet-marker-icon'))"
                                ".find(m => m.title.startsWith('Світязь')).click()"));
        QTRY_COMPARE_WITH_TIMEOUT(places().field(u"ID").asInteger(), north, Patience);
        QVERIFY(m_run->dialogs.errors.isEmpty());
    }
};

QTEST_MAIN(TestMapViewWebEngine)
#include "tst_mapview_webengine.moc"
