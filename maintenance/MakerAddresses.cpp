// SPDX-License-Identifier: GPL-3.0-or-later
#include "maintenance/MakerAddresses.h"

#include "common/Error.h"
#include "common/IniFile.h"

#include <QUrl>
#include <QUrlQuery>

namespace lynvar {
namespace {

const QString Section = QStringLiteral("Maker");

QString webBase(const QString &value, const QString &key)
{
    QString base = value.trimmed();
    while (base.endsWith(u'/'))
        base.chop(1);
    const QUrl url(base, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (base.isEmpty() || !url.isValid() || url.host().isEmpty() || (scheme != u"http" && scheme != u"https"))
        throw Error(
            QStringLiteral("services.ini: [%1] %2 must hold the address of a web site (http or https), "
                           "not '%3'")
                .arg(Section, key, value));
    return base;
}

} // namespace

MakerAddresses MakerAddresses::read(const QString &programFolder)
{
    const IniFile ini(programFolder + QStringLiteral("/services.ini"));
    MakerAddresses addresses;
    addresses.site = ini.readString(Section, QStringLiteral("Site"), QString());
    addresses.versionServer = ini.readString(Section, QStringLiteral("VersionServer"), QString());
    addresses.mail = ini.readString(Section, QStringLiteral("Mail"), QString());
    return addresses;
}

QString MakerAddresses::downloadPage() const
{
    return webBase(site, QStringLiteral("Site")) + QStringLiteral("/lynvarbook/?lynvarbook");
}

QString MakerAddresses::startPage() const
{
    return webBase(site, QStringLiteral("Site")) + QStringLiteral("/?lynvarbook");
}

QString MakerAddresses::aboutPage() const
{
    return webBase(site, QStringLiteral("Site")) + QStringLiteral("/?lynvarbook=100");
}

QString MakerAddresses::versionFile() const
{
    return webBase(versionServer, QStringLiteral("VersionServer")) +
           QStringLiteral("/downloads/lynvarbook.ini");
}

QString MakerAddresses::mailLink() const
{
    const QString address = mail.trimmed();
    const qsizetype at = address.indexOf(u'@');
    if (at <= 0 || at == address.size() - 1 || address.contains(u'?') || address.contains(u' '))
        throw Error(QStringLiteral("services.ini: [%1] Mail must hold an e-mail address, not '%2'")
                        .arg(Section, mail));
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(address);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), QStringLiteral("LynvarBook"));
    url.setQuery(query);
    return url.toString(QUrl::FullyEncoded);
}

QString MakerAddresses::siteText() const
{
    const QUrl url(site.trimmed());
    return url.host().isEmpty() ? site.trimmed() : url.host();
}

} // namespace lynvar
