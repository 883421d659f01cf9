// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/WeatherLinks.h"

#include "common/Error.h"
#include "common/IniFile.h"

#include <QDir>
#include <QStringDecoder>
#include <QUrl>

namespace lynvar {
namespace {

const QString SinoptikPage = QStringLiteral("погода-");
const QString MeteoUkrainian = QStringLiteral("ua/");

QString dayText(QDate day)
{
    return day.toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

QString ServiceAddresses::fileName(const QString &programFolder)
{
    return programFolder + QStringLiteral("/services.ini");
}

ServiceAddresses ServiceAddresses::read(const QString &programFolder)
{
    const IniFile file(fileName(programFolder));
    const auto get = [&](const char *section, const char *key) {
        return file.readString(QString::fromLatin1(section), QString::fromLatin1(key), QString());
    };
    ServiceAddresses addresses;
    addresses.sinoptikUkrainian = get("Weather", "SinoptikUA");
    addresses.sinoptikRussian = get("Weather", "SinoptikRU");
    addresses.meteo = get("Weather", "Meteo");
    addresses.rp5 = get("Weather", "Rp5");
    addresses.mapHome = get("Map", "Home");
    addresses.mapTiles = get("Map", "Tiles");
    return addresses;
}

WeatherLinks::WeatherLinks(ServiceAddresses addresses, QString servicesFile)
    : m_addresses(std::move(addresses)), m_servicesFile(std::move(servicesFile))
{
}

QString WeatherLinks::base(const QString &address, const char *key) const
{
    const QUrl url(address, QUrl::StrictMode);
    const bool web = url.isValid() && (url.scheme() == u"https" || url.scheme() == u"http") &&
                     !url.host().isEmpty() && address.endsWith(u'/');
    if (!web) {
        const QString file = m_servicesFile.isEmpty() ? QStringLiteral("services.ini")
                                                      : QDir::toNativeSeparators(m_servicesFile);
        throw Error(QStringLiteral("Адресу сайту погоди не задано: у файлі %1 у розділі [Weather] "
                                   "рядок %2= має містити повну веб-адресу, що закінчується скісною рискою")
                        .arg(file, QString::fromLatin1(key)));
    }
    return address;
}

QString WeatherLinks::sinoptik(bool russian, const QString &ukrainianName, const QString &russianName) const
{
    if (russian)
        return base(m_addresses.sinoptikRussian, "SinoptikRU") + SinoptikPage + russianName;
    return base(m_addresses.sinoptikUkrainian, "SinoptikUA") + SinoptikPage + ukrainianName;
}

QString WeatherLinks::sinoptikDay(bool russian, const QString &ukrainianName, const QString &russianName,
                                  QDate day) const
{
    return sinoptik(russian, ukrainianName, russianName) + u'/' + dayText(day);
}

QString WeatherLinks::meteo(const QString &name) const
{
    return base(m_addresses.meteo, "Meteo") + MeteoUkrainian + name;
}

QString WeatherLinks::rp5(const QString &id) const
{
    return base(m_addresses.rp5, "Rp5") + id + QStringLiteral("/ua");
}

QString WeatherLinks::weatherWindow(QDate day) const
{
    return base(m_addresses.sinoptikUkrainian, "SinoptikUA") +
           QStringLiteral("погода-кам-янець-подільський/") + dayText(day);
}

WeatherLinks::SinoptikParts WeatherLinks::takeSinoptik(const QString &copied) const
{
    const QString ukrainian = base(m_addresses.sinoptikUkrainian, "SinoptikUA") + SinoptikPage;
    const QString russian = base(m_addresses.sinoptikRussian, "SinoptikRU") + SinoptikPage;
    QString text = decodedAddress(copied);
    SinoptikParts parts;
    if (text.startsWith(ukrainian)) {
        text.remove(0, ukrainian.size());
        parts.ukrainian = text;
    }
    if (text.startsWith(russian)) {
        text.remove(0, russian.size());
        parts.russian = text;
    }
    return parts;
}

std::optional<QString> WeatherLinks::takeMeteo(const QString &copied) const
{
    const QString site = base(m_addresses.meteo, "Meteo");
    const QString ukrainian = site + MeteoUkrainian;
    QString text = decodedAddress(copied);
    std::optional<QString> name;
    if (text.startsWith(ukrainian)) {
        text.remove(0, ukrainian.size());
        name = text;
    }
    // On what is left: an address without "ua/" and one with it keep the same part.
    if (text.startsWith(site)) {
        text.remove(0, site.size());
        name = text;
    }
    return name;
}

QString WeatherLinks::decodedAddress(const QString &copied)
{
    if (!copied.contains(u'%'))
        return copied;
    const QByteArray bytes = QByteArray::fromPercentEncoding(copied.toUtf8());
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString decoded = utf8.decode(bytes);
    if (utf8.hasError())
        return copied;
    return decoded;
}

} // namespace lynvar
