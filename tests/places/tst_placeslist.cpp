// SPDX-License-Identifier: GPL-3.0-or-later
// The places page's commands on a whole application with a fake web view: the list (mark column,
// sorting, "Так"/"Ні", details, the fish of a place), the coordinates box, the map pages and the
// weather links, and the weather window.
#include "app/TDovidnykForm.h"
#include "common/Error.h"
#include "controls/DBGrid.h"
#include "controls/DBMemo.h"
#include "data/DataModule2.h"
#include "diary/SchodennykPage.h"
#include "places/FishMapPage.h"
#include "places/TFormBrowser.h"
#include "places/WeatherLinks.h"
#include "tests/support/StartedApplication.h"

#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace lynvar;
using namespace lynvar::test;

namespace {

struct Started : StartedApplication
{
    explicit Started(const ProgramFolder &folder) : StartedApplication(folder) { showPage(0); }
    FishMapPage &page() { return *form().page<FishMapPage>(); }
    DataSet &places() { return data().FishMapTable; }
    FakeWebView *view() { return webViews.made.isEmpty() ? nullptr : webViews.made.last(); }
    ServiceAddresses addresses() { return ServiceAddresses::read(app.programFolder()); }

    qint64 addPlace(const QString &name, const QString &lng = {}, const QString &lat = {})
    {
        places().insert();
        places().field(u"Name").setString(name);
        places().field(u"Lng").setString(lng);
        places().field(u"Lat").setString(lat);
        places().post();
        return places().field(u"ID").asInteger();
    }
    void setField(const char *field, const QVariant &value)
    {
        places().edit();
        places().field(QString::fromLatin1(field)).setValue(value);
        places().post();
    }
    QString field(const char *name) { return places().field(QString::fromLatin1(name)).asString(); }
    QStringList fishList()
    {
        QStringList lines;
        for (int i = 0; i < page().ListBoxFish->count(); ++i)
            lines << page().ListBoxFish->item(i)->text();
        return lines;
    }
};

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QStringList texts(std::initializer_list<const char *> utf8)
{
    QStringList list;
    for (const char *t : utf8)
        list << QString::fromUtf8(t);
    return list;
}

} // namespace

Q_DECLARE_METATYPE(std::optional<QString>)
Q_DECLARE_METATYPE(std::optional<QStringList>)

class TestPlacesList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void markColumnDrawsTheStatusPicture_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("status");
        QTest::addColumn<QRect>("cell");
        QTest::addColumn<int>("picture"); // -1: the handler draws nothing
        QTest::addColumn<QPoint>("at");
        QTest::newRow("fished, 25-pixel column")
            << QStringLiteral("Status") << QVariant(true) << QRect(40, 20, 25, 18) << 1 << QPoint(44, 20);
        QTest::newRow("not fished") << QStringLiteral("Status") << QVariant(false) << QRect(40, 20, 25, 18)
                                    << 0 << QPoint(44, 20);
        QTest::newRow("no mark yet") << QStringLiteral("Status") << QVariant() << QRect(40, 2, 25, 18) << 0
                                     << QPoint(44, 2);
        QTest::newRow("odd width rounds toward zero")
            << QStringLiteral("Status") << QVariant(true) << QRect(0, 0, 13, 18) << 1 << QPoint(-1, 0);
        QTest::newRow("another column")
            << QStringLiteral("Name") << QVariant(true) << QRect(40, 20, 25, 18) << -1 << QPoint();
    }
    void markColumnDrawsTheStatusPicture()
    {
        QFETCH(QString, field);
        QFETCH(QVariant, status);
        QFETCH(QRect, cell);
        QFETCH(int, picture);
        QFETCH(QPoint, at);
        ProgramFolder folder;
        Started run(folder);
        QImage drawn(80, 48, QImage::Format_ARGB32);
        drawn.fill(Qt::darkGray);
        QImage expected = drawn;
        {
            QPainter painter(&drawn);
            DBGridCell c;
            c.painter = &painter;
            c.rect = cell;
            c.row = 0;
            c.column = 1;
            c.fieldName = field;
            c.value = status;
            run.page().DBGridMapDrawColumnCell(c);
        }
        if (picture >= 0) {
            QPainter painter(&expected);
            painter.fillRect(cell, Qt::white);
            painter.drawPixmap(at, run.form().ImageList2.pixmap(picture));
        }
        QCOMPARE(drawn, expected);
    }

    void titleClickTogglesTheSortOfThatColumn_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QStringList>("sorts");
        QTest::newRow("rating twice, then name")
            << QList<int>{2, 2, 0} << texts({"Ocinka ASC", "Ocinka DESC", "Name ASC"});
        QTest::newRow("the mark column first ascends")
            << QList<int>{1, 1} << texts({"Status ASC", "Status DESC"});
    }
    void titleClickTogglesTheSortOfThatColumn()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(QStringList, sorts);
        ProgramFolder folder;
        Started run(folder);
        QCOMPARE(run.places().sort(), QStringLiteral("Status DESC"));
        QHeaderView *titles = run.page().DBGridMap->horizontalHeader();
        for (int i = 0; i < clicks.size(); ++i) {
            const int x = titles->sectionViewportPosition(clicks[i]) + titles->sectionSize(clicks[i]) / 2;
            QTest::mouseClick(titles->viewport(), Qt::LeftButton, {}, QPoint(x, titles->height() / 2));
            QCOMPARE(run.places().sort(), sorts[i]);
        }
    }

    void fishedMarkIsStored_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("emptyList");
        QTest::newRow("Так") << true << false;
        QTest::newRow("Ні") << false << false;
        QTest::newRow("Так on an empty list stores a new place") << true << true;
    }
    void fishedMarkIsStored()
    {
        QFETCH(bool, yes);
        QFETCH(bool, emptyList);
        ProgramFolder folder;
        Started run(folder);
        if (!emptyList) {
            run.addPlace(QStringLiteral("A"));
            run.addPlace(QStringLiteral("B"));
            run.setField("Status", !yes);
        }
        const int row = run.places().currentRow();
        (yes ? run.page().MenuRybalyvYes : run.page().MenuRybalyvNo)->trigger();
        QCOMPARE(run.places().state(), DataSet::State::Browse);
        QCOMPARE(run.places().recordCount(), emptyList ? 1 : 2);
        if (emptyList) {
            QVERIFY(run.places().field(u"Name").isNull());
        } else {
            QCOMPARE(run.places().currentRow(), row);
        }
        QCOMPARE(run.places().field(u"Status").asBoolean(), yes);
        run.places().refresh();
        QCOMPARE(run.places().field(u"Status").asBoolean(), yes);
    }

    void coordinatesBoxFoldsAndUnfoldsOnDoubleClicks()
    {
        ProgramFolder folder;
        Started run(folder);
        FishMapPage &page = run.page();
        for (const int height : {20, 100, 20}) {
            QTest::mouseDClick(page.GroupBoxKoordynaty, Qt::LeftButton, {}, QPoint(30, 5));
            QCoreApplication::processEvents();
            QCOMPARE(page.GroupBoxKoordynaty->height(), height);
            QCOMPARE(page.PanelKoordynaty->isVisible(), height == 100);
            QVERIFY(page.GroupBoxKoordynaty->isVisible());
        }
    }

    void detailsFollowTheCurrentPlace_data()
    {
        QTest::addColumn<QString>("fish");
        QTest::addColumn<bool>("paid");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("line feeds, paid")
            << text("Короп\nЛин") << true << QStringList{text("Короп"), text("Лин")};
        QTest::newRow("every kind of line break")
            << text("Короп\r\nЛин\rЩука\n\nОкунь\r\n") << false
            << QStringList{text("Короп"), text("Лин"), text("Щука"), QString(), text("Окунь")};
        QTest::newRow("no fish") << QString() << false << QStringList{};
    }
    void detailsFollowTheCurrentPlace()
    {
        QFETCH(QString, fish);
        QFETCH(bool, paid);
        QFETCH(QStringList, lines);
        ProgramFolder folder;
        Started run(folder);
        run.addPlace(QStringLiteral("A"));
        run.setField("Fish", fish);
        run.setField("Oplata", paid);
        run.addPlace(QStringLiteral("B"));
        run.setField("Fish", text("Сом"));
        QVERIFY(run.places().locate(QStringLiteral("Name"), QStringLiteral("A")));
        QCOMPARE(run.fishList(), lines);
        QCOMPARE(run.page().DBMemoOplata->isEnabled(), paid);
        QVERIFY(run.places().locate(QStringLiteral("Name"), QStringLiteral("B")));
        QCOMPARE(run.fishList(), QStringList{text("Сом")});
        QVERIFY(!run.page().DBMemoOplata->isEnabled());
    }

    void chosenFishAreStoredWithThePlace_data()
    {
        QTest::addColumn<bool>("chooser");
        QTest::addColumn<std::optional<QStringList>>("choice");
        QTest::addColumn<bool>("emptyList");
        QTest::addColumn<QString>("stored");
        QTest::newRow("two fish") << true << std::optional(QStringList{text("Короп"), text("Лин")}) << false
                                  << text("Короп\nЛин");
        QTest::newRow("none marked") << true << std::optional(QStringList{}) << false << QString();
        QTest::newRow("closed without choosing")
            << true << std::optional<QStringList>() << false << text("Сом");
        QTest::newRow("no choice dialog yet")
            << false << std::optional(QStringList{text("Лин")}) << false << text("Сом");
        QTest::newRow("empty list stores a new place")
            << true << std::optional(QStringList{text("Лин")}) << true << text("Лин");
    }
    void chosenFishAreStoredWithThePlace()
    {
        QFETCH(bool, chooser);
        QFETCH(std::optional<QStringList>, choice);
        QFETCH(bool, emptyList);
        QFETCH(QString, stored);
        ProgramFolder folder;
        Started run(folder);
        if (!emptyList) {
            run.addPlace(QStringLiteral("A"));
            run.setField("Fish", text("Сом"));
        }
        int asked = 0;
        if (chooser)
            run.page().setFishChoice([&] {
                ++asked;
                return choice;
            });
        else
            run.page().setFishChoice({});
        const QStringList before = run.fishList();
        run.page().ButtonFishMapAddFish->click();
        QCOMPARE(asked, chooser ? 1 : 0);
        QCOMPARE(run.places().state(), DataSet::State::Browse);
        QCOMPARE(run.places().recordCount(), 1);
        run.places().refresh();
        QCOMPARE(run.field("Fish"), stored);
        // The page's list is read again only when a place becomes current.
        QCOMPARE(run.fishList(), before);
    }

    void mapPageIsWrittenForTheViewAndShown_data()
    {
        QTest::addColumn<int>("hostHeight");
        QTest::addColumn<QString>("style");
        QTest::newRow("400 pixels") << 400 << QStringLiteral("height: 365px;");
        QTest::newRow("too low for a map") << 60 << QStringLiteral("height: 200px;");
    }
    void mapPageIsWrittenForTheViewAndShown()
    {
        QFETCH(int, hostHeight);
        QFETCH(QString, style);
        ProgramFolder folder;
        Started run(folder);
        run.addPlace(QStringLiteral("A"), QStringLiteral("26.58"), QStringLiteral("48.68"));
        FishMapPage &page = run.page();
        page.WebBrowser1Host->setFixedHeight(hostHeight);
        QCoreApplication::processEvents();
        QVERIFY(run.webViews.made.isEmpty());

        page.ButtonViewMap->click();
        const QString file = folder.file(QStringLiteral("map.html"));
        const QString written = QString::fromLatin1(folder.readFile(QStringLiteral("map.html")));
        QVERIFY(written.startsWith(QStringLiteral("<!DOCTYPE html>"))); // "MapBegin"
        QVERIFY(written.endsWith(QStringLiteral("</html>")));           // "MapEnd"
        QVERIFY(written.contains(style));
        QVERIFY(written.contains(QStringLiteral("  var point = {lng: 26.58, lat: 48.68};\r\n")));
        QCOMPARE(run.view()->shown, QStringList{QStringLiteral("file:") + file});
        QCOMPARE(run.view()->tiles, run.addresses().mapTiles);
        QVERIFY(!run.data().SystemTable.filtered());

        // Another place, another press: the same view shows the page written again.
        run.addPlace(QStringLiteral("B"), QStringLiteral("30.52"), QStringLiteral("50.45"));
        page.ButtonViewMap->click();
        QCOMPARE(run.webViews.made.size(), 1);
        QCOMPARE(run.view()->shown.size(), 2);
        QVERIFY(folder.readFile(QStringLiteral("map.html")).contains("{lng: 30.52, lat: 50.45}"));
        QVERIFY(run.dialogs.errors.isEmpty());
    }

    void systemFilterIsOffAlsoWhenTheFileCannotBeWritten()
    {
        ProgramFolder folder;
        Started run(folder);
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("map.html"))); // in the file's way
        try {
            run.page().ButtonViewMapClick();
            QFAIL("no failure");
        } catch (const Error &e) {
            QVERIFY2(e.message().startsWith(QStringLiteral("Cannot create file")), qPrintable(e.message()));
        }
        QVERIFY(!run.data().SystemTable.filtered());
        QVERIFY(run.webViews.made.isEmpty() || run.view()->shown.isEmpty());
    }

    void missingMapRowsGiveEmptyTexts()
    {
        ProgramFolder folder;
        Started run(folder);
        DataSet &system = run.data().SystemTable;
        system.setFilter(QStringLiteral("Parametr = 'MapBegin'"));
        system.setFiltered(true);
        system.deleteRecord();
        system.setFilter(QStringLiteral("Parametr = 'MapEnd'"));
        system.deleteRecord();
        system.setFiltered(false);

        run.page().ButtonViewMapClick();
        const QByteArray written = folder.readFile(QStringLiteral("map.html"));
        QVERIFY(written.startsWith("<div id=\"viewport\""));
        QVERIFY(written.endsWith("  var m_kampod = new VMarker({lng: null, lat: null});\r\n\r\n"));
        QVERIFY(!system.filtered());
    }

    void forecastAddressFollowsTheLanguageSwitch_data()
    {
        QTest::addColumn<QStringList>("switches");
        QTest::addColumn<bool>("russian");
        QTest::newRow("before any switch") << QStringList{} << false;
        QTest::newRow("Russian") << texts({"ru"}) << true;
        QTest::newRow("Russian, then Ukrainian") << texts({"ru", "ua"}) << false;
    }
    void forecastAddressFollowsTheLanguageSwitch()
    {
        QFETCH(QStringList, switches);
        QFETCH(bool, russian);
        ProgramFolder folder;
        Started run(folder);
        run.addPlace(QStringLiteral("A"));
        run.places().edit();
        run.places().field(u"MistoSinoptikUA").setString(text("київ"));
        run.places().field(u"MistoSinoptikRU").setString(text("киев"));
        run.places().field(u"MistoMeteo").setString(QStringLiteral("34"));
        run.places().field(u"MistoRp5").setString(QStringLiteral("7285"));
        run.places().post();
        for (const QString &language : switches)
            (language == u"ru" ? run.form().ToolButtonRU : run.form().ToolButtonUA)->click();

        const ServiceAddresses sites = run.addresses();
        run.page().ButtonShowSinoptik->click();
        run.page().ButtonShowMeteo->click();
        run.page().ButtonShowRp5->click();
        const QList<QUrl> expected = {
            QUrl(russian ? sites.sinoptikRussian + text("погода-киев")
                         : sites.sinoptikUkrainian + text("погода-київ")),
            QUrl(sites.meteo + QStringLiteral("ua/34")),
            QUrl(sites.rp5 + QStringLiteral("7285/ua")),
        };
        QCOMPARE(run.view()->urls, expected);
    }

    void urlCommandStoresTheSettlement_data()
    {
        QTest::addColumn<bool>("meteo");
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QStringList>("fields"); // MistoSinoptikUA, MistoSinoptikRU, MistoMeteo after
        const ServiceAddresses sites = ServiceAddresses::read(QStringLiteral(LYNVAR_SHIPPED_DIR));
        const QStringList before = texts({"ua", "ru", "me"});
        QTest::newRow("Sinoptik, Ukrainian page")
            << false << std::optional(sites.sinoptikUkrainian + text("погода-львів"))
            << QStringList{text("львів"), text("ru"), text("me")};
        QTest::newRow("Sinoptik, Russian page, percent-encoded")
            << false
            << std::optional(
                   sites.sinoptikRussian +
                   QStringLiteral("%D0%BF%D0%BE%D0%B3%D0%BE%D0%B4%D0%B0-%D0%BB%D1%8C%D0%B2%D0%BE%D0%B2"))
            << QStringList{text("ua"), text("львов"), text("me")};
        QTest::newRow("Sinoptik, other site")
            << false << std::optional(text("https://example.com/погода-львів")) << before;
        QTest::newRow("Sinoptik, empty text") << false << std::optional(QString()) << before;
        QTest::newRow("Sinoptik, cancelled") << false << std::optional<QString>() << before;
        QTest::newRow("Meteo") << true << std::optional(sites.meteo + QStringLiteral("ua/33345"))
                               << texts({"ua", "ru", "33345"});
        QTest::newRow("Meteo, cancelled") << true << std::optional<QString>() << before;
    }
    void urlCommandStoresTheSettlement()
    {
        QFETCH(bool, meteo);
        QFETCH(std::optional<QString>, answer);
        QFETCH(QStringList, fields);
        ProgramFolder folder;
        Started run(folder);
        run.addPlace(QStringLiteral("A"));
        run.places().edit();
        run.places().field(u"MistoSinoptikUA").setString(QStringLiteral("ua"));
        run.places().field(u"MistoSinoptikRU").setString(QStringLiteral("ru"));
        run.places().field(u"MistoMeteo").setString(QStringLiteral("me"));
        run.places().post();
        run.dialogs.textAnswers << answer;

        (meteo ? run.page().ButtonGetMeteo : run.page().ButtonGetSinoptik)->click();
        // No language file applied: the built-in texts, never an empty prompt.
        const QString site = meteo ? QStringLiteral("Meteo") : QStringLiteral("синоптика");
        QCOMPARE(
            run.dialogs.prompts,
            QStringList{QStringLiteral("Введіть строку|Скопіюйте з браузера адресну строку Вашого города на "
                                       "сайті ") +
                        site + u'|'});
        QCOMPARE(run.places().state(), DataSet::State::Browse);
        run.places().refresh();
        QCOMPARE((QStringList{run.field("MistoSinoptikUA"), run.field("MistoSinoptikRU"),
                              run.field("MistoMeteo")}),
                 fields);
        QVERIFY(run.dialogs.errors.isEmpty());
    }

    void allPlacesMapMarksThePlacesAndAClickSelectsOne()
    {
        ProgramFolder folder;
        Started run(folder);
        run.addPlace(QStringLiteral("A"), QStringLiteral("26.58"), QStringLiteral("48.68"));
        const qint64 b = run.addPlace(QStringLiteral("B"), QStringLiteral("30,52"), QStringLiteral("50,45"));
        run.addPlace(QStringLiteral("C"));
        run.addPlace(QStringLiteral("D"), QStringLiteral("23.85"), QStringLiteral("51.49"));
        const int current = run.places().currentRow();

        run.page().MenuViewAllMap->trigger();
        const QString file = folder.file(QStringLiteral("mapall.html"));
        QCOMPARE(run.view()->shown, QStringList{QStringLiteral("file:") + file});
        const QByteArray written = folder.readFile(QStringLiteral("mapall.html"));
        QCOMPARE(written.count("{id: "), 3);
        QVERIFY(written.contains("<li>C</li>"));
        QCOMPARE(run.places().currentRow(), current); // making the page moves nothing

        run.view()->clickPlace(b);
        QCOMPARE(run.field("Name"), QStringLiteral("D")); // not from inside the engine's call
        QCoreApplication::processEvents();
        QCOMPARE(run.field("Name"), QStringLiteral("B"));
        run.view()->clickPlace(999999); // deleted since: nothing happens
        QCoreApplication::processEvents();
        QCOMPARE(run.field("Name"), QStringLiteral("B"));
        run.page().ButtonViewAllMap->click();
        QCOMPARE(run.webViews.made.size(), 1);
    }

    void weatherWindowShowsTheDayOfTheCurrentEntry()
    {
        ProgramFolder folder;
        Started run(folder);
        // The diary editor would open for the new entry; this test only needs the record.
        run.form().page<SchodennykPage>()->setModalRunner([](QDialog &) {});
        DataSet &diary = run.data().SchodennykTable;
        diary.insert();
        diary.field(u"Date1").setDateTime(QDateTime(QDate(2014, 5, 17), QTime(6, 30)));
        diary.post();

        TFormBrowser *window = &run.app.FormBrowser.get();
        QCOMPARE(window->windowTitle(), text("Погода"));
        QVERIFY(run.webViews.made.isEmpty());
        window->show();
        const QString expected =
            run.addresses().sinoptikUkrainian + text("погода-кам-янець-подільський/2014-05-17");
        QCOMPARE(run.view()->urls, QList<QUrl>{QUrl(expected)});
        window->hide();

        // An address given before the window shows is what it shows.
        const QUrl asked(QStringLiteral("https://example.com/day"));
        window->showAddress(asked);
        window->show();
        QCOMPARE(run.view()->urls.last(), asked);
        window->hide();
        window->show();
        QCOMPARE(run.view()->urls.last(), QUrl(expected));
        QCOMPARE(run.webViews.made.size(), 1);
    }
};

QTEST_MAIN(TestPlacesList)
#include "tst_placeslist.moc"
