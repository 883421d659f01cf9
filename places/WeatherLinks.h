// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace lynvar {

// The base addresses of the web services the places page opens, as services.ini in the program
// folder gives them. Nothing of them is built into the program.
struct ServiceAddresses
{
    QString sinoptikUkrainian; // [Weather] SinoptikUA
    QString sinoptikRussian;   // [Weather] SinoptikRU
    QString meteo;             // [Weather] Meteo
    QString rp5;               // [Weather] Rp5
    QString mapHome;           // [Map] Home: the map's home page
    QString mapTiles;          // [Map] Tiles: "https://host/{z}/{x}/{y}.png"

    static QString fileName(const QString &programFolder);
    // A missing file or key reads as empty; the address builders refuse an empty base.
    static ServiceAddresses read(const QString &programFolder);
};

/*
 * The forecast pages of the three weather sites, and the settlement part of an address a user
 * copied from one of them.
 *
 * Field texts go into an address as they are stored; the view makes a valid address of the
 * result. A base address that services.ini lacks, or that is no absolute web address ending with a
 * slash, makes the builders throw lynvar::Error naming the file and the key.
 */
class WeatherLinks final
{
public:
    explicit WeatherLinks(ServiceAddresses addresses, QString servicesFile = {});

    // Sinoptik: the Ukrainian pages' base + "погода-" + the Ukrainian name, or the Russian ones.
    QString sinoptik(bool russian, const QString &ukrainianName, const QString &russianName) const;
    // The same, for one day: + "/" + yyyy-mm-dd.
    QString sinoptikDay(bool russian, const QString &ukrainianName, const QString &russianName,
                        QDate day) const;
    QString meteo(const QString &name) const;
    QString rp5(const QString &id) const;
    // The weather window's page: one fixed settlement, the given day.
    QString weatherWindow(QDate day) const;

    // The settlement parts a copied Sinoptik address gives: the Ukrainian pages' prefix is taken
    // first, then, from what is left, the Russian pages' prefix. Percent-encoding is decoded first,
    // since browsers copy Cyrillic addresses encoded.
    struct SinoptikParts
    {
        std::optional<QString> ukrainian;
        std::optional<QString> russian;
    };
    SinoptikParts takeSinoptik(const QString &copied) const;
    // The settlement part of a copied Meteo address: the base + "ua/" is taken off, then, from
    // what is left, the base once more; nothing when neither matched.
    std::optional<QString> takeMeteo(const QString &copied) const;

    // `copied` with its percent-encoding decoded, when that gives UTF-8 text; else as it is.
    static QString decodedAddress(const QString &copied);

private:
    QString base(const QString &address, const char *key) const;

    ServiceAddresses m_addresses;
    QString m_servicesFile;
};

} // namespace lynvar
