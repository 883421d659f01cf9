// SPDX-License-Identifier: GPL-3.0-or-later
// The forecast addresses in both content languages, the "URL" prefix rules, and the base addresses
// that services.ini gives.
#include "common/Error.h"
#include "places/WeatherLinks.h"

#include <QtTest>

using namespace lynvar;

namespace {

ServiceAddresses sites()
{
    ServiceAddresses a;
    a.sinoptikUkrainian = QStringLiteral("https://ua.sinoptik.example/");
    a.sinoptikRussian = QStringLiteral("https://sinoptik.example/");
    a.meteo = QStringLiteral("https://meteo.example/");
    a.rp5 = QStringLiteral("https://rp5.example/");
    return a;
}

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

class TestWeatherLinks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addressesFollowTheContentLanguage_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("expected");
        const WeatherLinks links(sites());
        const QString ua = text("київ");
        const QString ru = text("киев");
        const QDate day(2014, 5, 17);
        QTest::newRow("Sinoptik, Ukrainian")
            << links.sinoptik(false, ua, ru) << text("https://ua.sinoptik.example/погода-київ");
        QTest::newRow("Sinoptik, Russian")
            << links.sinoptik(true, ua, ru) << text("https://sinoptik.example/погода-киев");
        QTest::newRow("Sinoptik, no name")
            << links.sinoptik(false, QString(), ru) << text("https://ua.sinoptik.example/погода-");
        QTest::newRow("Sinoptik day, Ukrainian")
            << links.sinoptikDay(false, ua, ru, day)
            << text("https://ua.sinoptik.example/погода-київ/2014-05-17");
        QTest::newRow("Sinoptik day, Russian") << links.sinoptikDay(true, ua, ru, day)
                                               << text("https://sinoptik.example/погода-киев/2014-05-17");
        QTest::newRow("Meteo") << links.meteo(QStringLiteral("34/kyiv"))
                               << text("https://meteo.example/ua/34/kyiv");
        QTest::newRow("Rp5") << links.rp5(QStringLiteral("7285")) << text("https://rp5.example/7285/ua");
        QTest::newRow("weather window")
            << links.weatherWindow(QDate(2024, 1, 2))
            << text("https://ua.sinoptik.example/погода-кам-янець-подільський/2024-01-02");
        QTest::newRow("path pieces kept") << links.sinoptik(false, text("київ/10-днів"), ru)
                                          << text("https://ua.sinoptik.example/погода-київ/10-днів");
    }
    void addressesFollowTheContentLanguage()
    {
        QFETCH(QString, address);
        QFETCH(QString, expected);
        QCOMPARE(address, expected);
    }

    void sinoptikAddressGivesTheSettlementOfItsLanguage_data()
    {
        QTest::addColumn<QString>("copied");
        QTest::addColumn<QString>("ukrainian"); // "-" for unchanged
        QTest::addColumn<QString>("russian");
        const auto row = [](const char *name, const QString &copied, const char *ua, const char *ru) {
            QTest::newRow(name) << copied << text(ua) << text(ru);
        };
        row("Ukrainian page", text("https://ua.sinoptik.example/погода-київ"), "київ", "-");
        row("Russian page", text("https://sinoptik.example/погода-киев"), "-", "киев");
        row("percent-encoded Ukrainian page",
            QStringLiteral(
                "https://ua.sinoptik.example/%D0%BF%D0%BE%D0%B3%D0%BE%D0%B4%D0%B0-%D0%BA%D0%B8%D1%97%D0%B2"),
            "київ", "-");
        row("percent-encoded Russian page with a day",
            QStringLiteral("https://sinoptik.example/"
                           "%D0%BF%D0%BE%D0%B3%D0%BE%D0%B4%D0%B0-%D0%BA%D0%B8%D0%B5%D0%B2/2014-05-17"),
            "-", "киев/2014-05-17");
        row("other host", text("https://example.com/погода-київ"), "-", "-");
        row("other letter case", text("HTTPS://ua.sinoptik.example/погода-київ"), "-", "-");
        row("empty text", QString(), "-", "-");
        row("Ukrainian prefix, then the Russian one",
            text("https://ua.sinoptik.example/погода-https://sinoptik.example/погода-х"),
            "https://sinoptik.example/погода-х", "х");
    }
    void sinoptikAddressGivesTheSettlementOfItsLanguage()
    {
        QFETCH(QString, copied);
        QFETCH(QString, ukrainian);
        QFETCH(QString, russian);
        const WeatherLinks::SinoptikParts parts = WeatherLinks(sites()).takeSinoptik(copied);
        QCOMPARE(parts.ukrainian.value_or(QStringLiteral("-")), ukrainian);
        QCOMPARE(parts.russian.value_or(QStringLiteral("-")), russian);
    }

    void copiedAddressIsDecodedOnlyToUtf8Text_data()
    {
        QTest::addColumn<QString>("copied");
        QTest::addColumn<QString>("decoded");
        QTest::newRow("UTF-8") << QStringLiteral("a/%D0%BA%D0%B8%D1%97%D0%B2") << text("a/київ");
        QTest::newRow("Windows-1251 bytes") << QStringLiteral("a/%EF%EE") << QStringLiteral("a/%EF%EE");
        QTest::newRow("unicode form") << text("a/київ") << text("a/київ");
        QTest::newRow("stray percent") << QStringLiteral("100%") << QStringLiteral("100%");
    }
    void copiedAddressIsDecodedOnlyToUtf8Text()
    {
        QFETCH(QString, copied);
        QFETCH(QString, decoded);
        QCOMPARE(WeatherLinks::decodedAddress(copied), decoded);
    }

    void meteoAddressGivesTheSettlement_data()
    {
        QTest::addColumn<QString>("copied");
        QTest::addColumn<QString>("name"); // "-" for unchanged
        QTest::newRow("with ua/") << text("https://meteo.example/ua/34/kyiv") << text("34/kyiv");
        QTest::newRow("without ua/") << text("https://meteo.example/34/kyiv") << text("34/kyiv");
        QTest::newRow("base twice") << text("https://meteo.example/ua/https://meteo.example/34")
                                    << text("34");
        QTest::newRow("percent-encoded")
            << text("https://meteo.example/ua/%D0%BA%D0%B8%D1%97%D0%B2") << text("київ");
        QTest::newRow("other host") << text("https://meteo.example.org/ua/34") << text("-");
        QTest::newRow("empty text") << QString() << text("-");
    }
    void meteoAddressGivesTheSettlement()
    {
        QFETCH(QString, copied);
        QFETCH(QString, name);
        QCOMPARE(WeatherLinks(sites()).takeMeteo(copied).value_or(QStringLiteral("-")), name);
    }

    void missingBaseAddressIsNamedInTheMessage_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("empty") << QStringLiteral("Meteo") << QString();
        QTest::newRow("no slash at the end")
            << QStringLiteral("Meteo") << QStringLiteral("https://meteo.example");
        QTest::newRow("not a web address")
            << QStringLiteral("Meteo") << QStringLiteral("javascript:alert(1)//");
        QTest::newRow("relative") << QStringLiteral("Meteo") << QStringLiteral("meteo/");
    }
    void missingBaseAddressIsNamedInTheMessage()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        ServiceAddresses addresses = sites();
        addresses.meteo = value;
        const WeatherLinks links(addresses, QStringLiteral("/prog/services.ini"));
        try {
            (void)links.meteo(QStringLiteral("x"));
            QFAIL("no failure");
        } catch (const Error &e) {
            QVERIFY2(e.message().contains(QStringLiteral("/prog/services.ini")), qPrintable(e.message()));
            QVERIFY2(e.message().contains(key + u'='), qPrintable(e.message()));
        }
        // The other sites still work.
        QCOMPARE(links.rp5(QStringLiteral("1")), QStringLiteral("https://rp5.example/1/ua"));
    }

    void shippedServicesFileNamesEverySite()
    {
        const ServiceAddresses shipped = ServiceAddresses::read(QStringLiteral(LYNVAR_SHIPPED_DIR));
        const WeatherLinks links(shipped);
        QVERIFY(links.sinoptik(false, QString(), QString()).startsWith(shipped.sinoptikUkrainian));
        QVERIFY(links.sinoptik(true, QString(), QString()).startsWith(shipped.sinoptikRussian));
        QVERIFY(shipped.sinoptikUkrainian != shipped.sinoptikRussian);
        QVERIFY(!links.meteo(QString()).isEmpty());
        QVERIFY(!links.rp5(QString()).isEmpty());
        QVERIFY(shipped.mapHome.startsWith(QStringLiteral("https://")));
        for (const char *part : {"{z}", "{x}", "{y}"})
            QVERIFY(shipped.mapTiles.contains(QLatin1StringView(part)));
    }
};

QTEST_GUILESS_MAIN(TestWeatherLinks)
#include "tst_weatherlinks.moc"
