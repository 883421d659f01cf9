// SPDX-License-Identifier: GPL-3.0-or-later
// The map pages as bytes: map.html against golden files, coordinates as data, the all-places page
// with hostile names, and the file write's failure.
#include "common/Error.h"
#include "places/MapPageWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace lynvar;

namespace {

QByteArray golden(const QString &name)
{
    QFile file(QStringLiteral(LYNVAR_SOURCE_DIR "/tests/places/golden/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing golden file %s", qPrintable(name));
    return file.readAll();
}

// The parts of a page a test looks at.
QString between(const QString &text, const QString &from, const QString &to)
{
    const qsizetype start = text.indexOf(from);
    if (start < 0)
        return {};
    const qsizetype end = text.indexOf(to, start + from.size());
    return text.mid(start + from.size(), end < 0 ? -1 : end - start - from.size());
}

} // namespace

class TestMapPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void placePageMatchesItsGoldenFile_data()
    {
        QTest::addColumn<QString>("begin");
        QTest::addColumn<int>("viewHeight");
        QTest::addColumn<QString>("lng");
        QTest::addColumn<QString>("lat");
        QTest::addColumn<QString>("file");
        const QString begin = QStringLiteral("<html>\n<head><title>Мапа</title></head>\n<body>");
        const auto row = [](const char *name, const QString &begin, int height, const char *lng,
                            const char *lat, const char *file) {
            QTest::newRow(name) << begin << height << QString::fromUtf8(lng) << QString::fromUtf8(lat)
                                << QString::fromLatin1(file);
        };
        row("400-pixel view, coordinates as stored", begin, 400, "26.58", "48.68", "view400.html");
        row("MapBegin ending with CR LF", QStringLiteral("<html>\r\n<body>\r\n"), 400, "26.58", "48.68",
            "begin-crlf.html");
        row("empty MapBegin", QString(), 400, "26.58", "48.68", "begin-empty.html");
        row("empty place list", begin, 400, "", "", "no-coordinates.html");
        row("decimal commas and blanks", begin, 400, "26,58", " -48,68 ", "comma.html");
        row("hostile coordinates", begin, 400, "1}); alert(1); ({a: 1", "</script><script>alert(1)</script>",
            "hostile.html");
        row("view lower than the minimum", begin, 150, "26.58", "48.68", "small-view.html");
    }
    void placePageMatchesItsGoldenFile()
    {
        QFETCH(QString, begin);
        QFETCH(int, viewHeight);
        QFETCH(QString, lng);
        QFETCH(QString, lat);
        QFETCH(QString, file);
        MapPageWriter::PlacePage page;
        page.mapBegin = begin;
        page.mapEnd = QStringLiteral(" }\n</script>\n</body>\n</html>\n");
        page.viewHeight = viewHeight;
        page.lng = lng;
        page.lat = lat;
        page.home = QStringLiteral("https://www.openstreetmap.org/");
        QCOMPARE(MapPageWriter::placePage(page), golden(file));
    }

    void coordinateIsANumberOrNull_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("script");
        const auto row = [](const char *stored, const char *script) {
            QTest::newRow(stored) << QString::fromUtf8(stored) << QString::fromLatin1(script);
        };
        row("48.68", "48.68");
        row("26,58", "26.58");
        row("  -12.5\t", "-12.5");
        row("+7", "7");
        row("007.50", "7.50");
        row(".5", "0.5");
        row("5.", "5");
        row("", "null");
        row("   ", "null");
        row(".", "null");
        row("-", "null");
        row("1e5", "null");
        row("48.68.1", "null");
        row("0x1F", "null");
        row("12 34", "null");
        row("Infinity", "null");
        row("48°40'", "null");
        row("٤٨", "null"); // digits of another script
        row("1;alert(1)", "null");
    }
    void coordinateIsANumberOrNull()
    {
        QFETCH(QString, stored);
        QFETCH(QString, script);
        QCOMPARE(MapPageWriter::coordinate(stored), script);
    }

    void mapHeightKeepsAMinimum_data()
    {
        QTest::addColumn<int>("view");
        QTest::addColumn<int>("map");
        QTest::newRow("400") << 400 << 365;
        QTest::newRow("1000") << 1000 << 965;
        QTest::newRow("235, the smallest without the minimum") << 235 << 200;
        QTest::newRow("100") << 100 << 200;
        QTest::newRow("never laid out") << 0 << 200;
    }
    void mapHeightKeepsAMinimum()
    {
        QFETCH(int, view);
        QFETCH(int, map);
        QCOMPARE(MapPageWriter::mapHeight(view), map);
    }

    void scriptStringHoldsTheTextAndNoMarkup_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("literal");
        const auto row = [](const char *name, const QString &text, const char *literal) {
            QTest::newRow(name) << text << QString::fromUtf8(literal);
        };
        row("plain", QStringLiteral("Ставок 2"), "\"Ставок 2\"");
        row("closing script", QStringLiteral("</script>"), "\"\\u003c\\u002fscript\\u003e\"");
        row("quotes and backslash", QStringLiteral("a\"b'c\\"), "\"a\\u0022b\\u0027c\\u005c\"");
        row("line breaks", QStringLiteral("a\nb\r\u2028"), "\"a\\u000ab\\u000d\\u2028\"");
        row("comment opener", QStringLiteral("<!--"), "\"\\u003c!--\"");
    }
    void scriptStringHoldsTheTextAndNoMarkup()
    {
        QFETCH(QString, text);
        QFETCH(QString, literal);
        QCOMPARE(MapPageWriter::scriptString(text), literal);
    }

    void allPlacesPageShowsHostileNamesAsText()
    {
        const QString hostile = QStringLiteral("</script><script>alert(1)</script>");
        const QList<MapPageWriter::Place> places = {
            {1, hostile, 5, QStringLiteral("26.58"), QStringLiteral("48.68")},
            {2, QStringLiteral("Десна & <b>міст</b>"), 0, QStringLiteral("30,52"), QStringLiteral("50,45")},
            {3, QStringLiteral("<img src=x onerror=alert(2)>"), 3, QString(), QString()},
            {4, QStringLiteral("Далеко"), 1, QStringLiteral("200"), QStringLiteral("10")},
        };
        const QString page = QString::fromUtf8(MapPageWriter::allPlacesPage(
            places, QStringLiteral("http://127.0.0.1:9/{z}/{x}/{y}.png\"</script>"),
            QStringLiteral("https://h/")));

        // The page has its own script elements only, and no markup any name brought.
        QCOMPARE(page.count(QStringLiteral("<script")), 2);
        QCOMPARE(page.count(QStringLiteral("</script>")), 2);
        QVERIFY(!page.contains(QStringLiteral("<img")));
        QVERIFY(!page.contains(QStringLiteral("<b>")));

        // Places with coordinates become markers, the others are listed under the map.
        const QString markers = between(page, QStringLiteral("var lbPlaces = ["), QStringLiteral("];"));
        QCOMPARE(markers.count(QStringLiteral("{id: ")), 2);
        QVERIFY(markers.contains(QStringLiteral("{id: 1, name: ") + MapPageWriter::scriptString(hostile) +
                                 QStringLiteral(", rating: 5, lng: 26.58, lat: 48.68}")));
        QVERIFY(markers.contains(QStringLiteral("rating: 0, lng: 30.52, lat: 50.45}")));
        const QString unplaced =
            between(page, QStringLiteral("<div id=\"lb-unplaced\">"), QStringLiteral("</div>"));
        QCOMPARE(unplaced.count(QStringLiteral("<li>")), 2);
        QVERIFY(unplaced.contains(QStringLiteral("<li>&lt;img src=x onerror=alert(2)&gt;</li>")));
        QVERIFY(unplaced.contains(QStringLiteral("<li>Далеко</li>")));
        QVERIFY(page.contains(
            QStringLiteral("var lbTiles = ") +
            MapPageWriter::scriptString(QStringLiteral("http://127.0.0.1:9/{z}/{x}/{y}.png\"</script>"))));
    }

    void writeFileReplacesTheFileOrSaysWhyNot()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("map.html"));
        MapPageWriter::writeFile(path, "old");
        MapPageWriter::writeFile(path, "new\r\n");
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray("new\r\n"));

        const QString nowhere = dir.filePath(QStringLiteral("missing/map.html"));
        try {
            MapPageWriter::writeFile(nowhere, "x");
            QFAIL("no failure");
        } catch (const Error &e) {
            QVERIFY2(e.message().startsWith(QStringLiteral("Cannot create file \"") + nowhere + u'"'),
                     qPrintable(e.message()));
            QVERIFY(e.message().size() > nowhere.size() + 24); // the system's reason follows
        }
    }
};

QTEST_GUILESS_MAIN(TestMapPage)
#include "tst_mappage.moc"
