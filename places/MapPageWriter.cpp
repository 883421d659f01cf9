// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/MapPageWriter.h"

#include "common/Cp1251.h"
#include "common/Error.h"
#include "common/WebView.h"

#include <QDir>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>

namespace lynvar {
namespace {

const QString CrLf = QStringLiteral("\r\n");

// Optional sign, digits, optional decimal point or comma and digits; at least one digit.
const QRegularExpression &decimalNumber()
{
    static const QRegularExpression number(QStringLiteral("^([+-]?)([0-9]*)(?:[.,]([0-9]*))?$"));
    return number;
}

// The script of the all-places page; lbPlaces, lbTiles and lbPlaceAddress come before it.
constexpr char16_t AllPlacesScript[] = uR"(
(function () {
  var notesShown = {};
  function note(kind, text) {
    if (notesShown[kind]) { return; }
    notesShown[kind] = true;
    var box = document.getElementById('lb-note');
    var line = document.createElement('div');
    line.textContent = text;
    box.appendChild(line);
    box.style.display = 'block';
  }
  if (typeof L === 'undefined') {
    note('library', 'Бібліотеку мапи не знайдено (web/leaflet/leaflet.js у теці програми), тому мапу показати неможливо. Перевстановіть програму.');
    return;
  }
  var map = L.map('viewport');
  window.lbMap = map;
  var tiles = L.tileLayer(lbTiles, {
    maxZoom: 19,
    attribution: '&copy; <a href="https://www.openstreetmap.org/copyright">OpenStreetMap</a> contributors'
  });
  tiles.on('tileerror', function () {
    note('tiles', 'Не вдалося завантажити зображення мапи. Перевірте підключення до інтернету.');
  });
  tiles.addTo(map);
  var positions = [];
  lbPlaces.forEach(function (place) {
    var position = L.latLng(place.lat, place.lng);
    var label = place.rating > 0 ? place.name + ' — оцінка ' + place.rating : place.name;
    var marker = L.marker(position, {title: label});
    // The label as text, never as markup; made when first shown.
    marker.bindTooltip(function () {
      var text = document.createElement('span');
      text.textContent = label;
      return text;
    });
    marker.on('click', function () { window.location.href = lbPlaceAddress + place.id; });
    marker.addTo(map);
    positions.push(position);
  });
  if (positions.length > 0) {
    map.fitBounds(L.latLngBounds(positions), {padding: [30, 30], maxZoom: 12});
  } else {
    map.fitBounds([[44.38, 22.14], [52.38, 40.23]]);
    note('none', 'Жодне місце лову не має координат, тому показано всю Україну.');
  }
})();
</script>
</body>
</html>
)";

constexpr char16_t AllPlacesHead[] = uR"(<!DOCTYPE html>
<html lang="uk">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Усі місця лову на мапі</title>
<link rel="stylesheet" href="web/leaflet/leaflet.css">
<style>
  html, body { height: 100%; margin: 0; padding: 0; font-family: sans-serif; }
  body { display: flex; flex-direction: column; }
  #viewport { flex: 1 1 auto; min-height: 200px; position: relative; background: #dde6ea; }
  #visicom_copyright_link { position: absolute; left: 6px; bottom: 6px; z-index: 1000; padding: 1px 6px; border-radius: 3px; background: rgba(255, 255, 255, 0.8); color: #0b4f8a; font-size: 11px; text-decoration: none; }
  #lb-note { display: none; position: fixed; top: 10px; left: 50%; transform: translateX(-50%); z-index: 2000; max-width: 80%; padding: 8px 14px; border: 1px solid #d4a72c; border-radius: 4px; background: #fff8dc; color: #3b2f00; font-size: 14px; line-height: 1.4; box-shadow: 0 1px 5px rgba(0, 0, 0, 0.35); }
  #lb-unplaced { flex: 0 0 auto; max-height: 30%; overflow: auto; padding: 4px 10px; border-top: 1px solid #9aa; font-size: 13px; }
  #lb-unplaced ul { margin: 2px 0; padding-left: 20px; }
</style>
<script src="web/leaflet/leaflet.js"></script>
</head>
<body>
<div id="lb-note" role="alert"></div>
)";

} // namespace

int MapPageWriter::mapHeight(int viewHeight)
{
    return std::max(viewHeight - ViewMargin, MinimumMapHeight);
}

QString MapPageWriter::coordinate(const QString &stored)
{
    const QRegularExpressionMatch match = decimalNumber().match(stored.trimmed());
    if (!match.hasMatch())
        return QStringLiteral("null");
    const QString whole = match.captured(2);
    const QString fraction = match.captured(3);
    if (whole.isEmpty() && fraction.isEmpty())
        return QStringLiteral("null");
    // No leading zeros: a script reads 010 as an old-style octal number, or not at all.
    qsizetype firstDigit = 0;
    while (firstDigit < whole.size() - 1 && whole.at(firstDigit) == u'0')
        ++firstDigit;
    QString number = match.captured(1) == u"-" ? QStringLiteral("-") : QString();
    number += whole.isEmpty() ? QStringLiteral("0") : whole.mid(firstDigit);
    if (!fraction.isEmpty())
        number += u'.' + fraction;
    return number;
}

QString MapPageWriter::placePageText(const PlacePage &page)
{
    const QString height = QString::number(mapHeight(page.viewHeight));
    const QString lng = coordinate(page.lng);
    const QString lat = coordinate(page.lat);

    QString text = page.mapBegin;
    const bool breakAdded = !page.mapBegin.isEmpty() && !page.mapBegin.endsWith(CrLf);
    if (breakAdded)
        text += CrLf;
    const QString head[] = {
        QStringLiteral("<div id=\"viewport\" style=\"width: 100%; height: ") + height +
            QStringLiteral("px;\">"),
        QStringLiteral("  <a id=\"visicom_copyright_link\""),
        QStringLiteral("\t href=\"") + htmlEscaped(page.home) + QStringLiteral("\">Карта Украины</a>"),
        QStringLiteral("</div>"),
        QStringLiteral("<script type=\"text/javascript\">"),
        QStringLiteral(" var map;"),
        QStringLiteral(" function createVisicomMap() {"),
        QStringLiteral("  map = new VMap(document.getElementById('viewport'));"),
    };
    for (const QString &line : head)
        text += line + CrLf;
    if (!breakAdded)
        text += CrLf;
    text += QStringLiteral("  var point = {lng: ") + lng + QStringLiteral(", lat: ") + lat +
            QStringLiteral("};") + CrLf;
    text += QStringLiteral("  map.center(point, 12);") + CrLf;
    text += QStringLiteral("  var m_kampod = new VMarker({lng: ") + lng + QStringLiteral(", lat: ") + lat +
            QStringLiteral("});") + CrLf;
    text += CrLf;
    text += page.mapEnd;
    return text;
}

QByteArray MapPageWriter::placePage(const PlacePage &page)
{
    return cp1251::encode(placePageText(page));
}

bool MapPageWriter::hasPosition(const Place &place)
{
    const QString lng = coordinate(place.lng);
    const QString lat = coordinate(place.lat);
    if (lng == u"null" || lat == u"null")
        return false;
    const double x = lng.toDouble();
    const double y = lat.toDouble();
    return x >= -180 && x <= 180 && y >= -90 && y <= 90;
}

QByteArray MapPageWriter::allPlacesPage(const QList<Place> &places, const QString &tileAddress,
                                        const QString &home)
{
    QString page = QString::fromUtf16(AllPlacesHead);
    page += QStringLiteral("<div id=\"viewport\"><a id=\"visicom_copyright_link\" href=\"") +
            htmlEscaped(home) + QStringLiteral("\">Карта України</a></div>\n");

    QString markers;
    QString unplaced;
    for (const Place &place : places) {
        if (hasPosition(place)) {
            markers += QStringLiteral("  {id: ") + QString::number(place.id) + QStringLiteral(", name: ") +
                       scriptString(place.name) + QStringLiteral(", rating: ") +
                       QString::number(std::clamp(place.rating, 0, 5)) + QStringLiteral(", lng: ") +
                       coordinate(place.lng) + QStringLiteral(", lat: ") + coordinate(place.lat) +
                       QStringLiteral("},\n");
        } else {
            unplaced += QStringLiteral("<li>") + htmlEscaped(place.name) + QStringLiteral("</li>\n");
        }
    }
    if (!unplaced.isEmpty())
        page += QStringLiteral("<div id=\"lb-unplaced\">Місця без координат:\n<ul>\n") + unplaced +
                QStringLiteral("</ul>\n</div>\n");

    page += QStringLiteral("<script>\nvar lbPlaces = [\n") + markers + QStringLiteral("];\n");
    page += QStringLiteral("var lbTiles = ") + scriptString(tileAddress) + QStringLiteral(";\n");
    page += QStringLiteral("var lbPlaceAddress = ") + scriptString(WebView::placeAddress(0).chopped(1)) +
            QStringLiteral(";");
    page += QString::fromUtf16(AllPlacesScript);
    return page.toUtf8();
}

void MapPageWriter::writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        throw Error(QStringLiteral("Cannot create file \"%1\". %2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
}

QString MapPageWriter::htmlEscaped(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            escaped += u"&amp;";
            break;
        case u'<':
            escaped += u"&lt;";
            break;
        case u'>':
            escaped += u"&gt;";
            break;
        case u'"':
            escaped += u"&quot;";
            break;
        case u'\'':
            escaped += u"&#39;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

QString MapPageWriter::scriptString(const QString &text)
{
    // Letters, digits, blanks and harmless punctuation stand as they are; everything else, the
    // quotes, backslash, < > & / and every line separator among them, as a \u escape.
    QString literal = QStringLiteral("\"");
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool plain = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') ||
                           u == u' ' || u == u'.' || u == u',' || u == u'-' || u == u'_' || u == u':' ||
                           u == u'(' || u == u')' || u == u'{' || u == u'}' || u == u'?' || u == u'=' ||
                           u == u'+' || u == u'#' || u == u'%' || u == u'!' || u == u'@' || u == u'*' ||
                           (u >= 0xA0 && u != 0x2028 && u != 0x2029 && !c.isSurrogate());
        if (plain)
            literal += c;
        else
            literal += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
    }
    return literal + u'"';
}

} // namespace lynvar
