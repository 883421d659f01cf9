// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace lynvar {

/*
 * The two map pages, as bytes ready for the file.
 *
 * The place page (map.html) is the stored "MapBegin" text, thirteen generated lines and the
 * stored "MapEnd" text, in Windows-1251 with CR LF after every generated line; the stored texts
 * keep their own line breaks. The generated lines create the map through the names VMap and
 * VMarker, which "MapBegin" defines.
 *
 * Whatever a user typed reaches either page only as data: a coordinate is written as a number or
 * as null, never as typed text; names go into the script as escaped string literals and into the
 * HTML as escaped text, so nothing can end a script element or run code.
 */
class MapPageWriter final
{
public:
    // The map area is this much lower than the view, which leaves room for the page's margins.
    static constexpr int ViewMargin = 35;
    // A map lower than this shows too little to be of use; a smaller view scrolls instead.
    static constexpr int MinimumMapHeight = 200;

    struct PlacePage
    {
        QString mapBegin;   // the "MapBegin" text as stored
        QString mapEnd;     // the "MapEnd" text as stored
        int viewHeight = 0; // height of the view the page is shown in, in pixels
        QString lng;        // the place's Lng and Lat texts as stored
        QString lat;
        QString home; // the map service's home page, the credit link's target
    };

    struct Place
    {
        qint64 id = 0;
        QString name;
        int rating = 0; // 1 to 5; 0 when not rated
        QString lng;    // as stored
        QString lat;
    };

    // The height of the map area for a view of `viewHeight` pixels.
    static int mapHeight(int viewHeight);
    // A stored coordinate as script: the number with a decimal point ("48,68" gives 48.68, "48.68"
    // stays as it is), or null when the text is empty or no decimal number.
    static QString coordinate(const QString &stored);

    // map.html as text, and as the bytes of the file.
    static QString placePageText(const PlacePage &page);
    static QByteArray placePage(const PlacePage &page);

    // Every place with coordinates as a marker (name and rating), fitted to their bounds; the
    // places without usable coordinates listed under the map. A click on a marker opens the
    // place's address (WebView::placeAddress). UTF-8.
    static QByteArray allPlacesPage(const QList<Place> &places, const QString &tileAddress,
                                    const QString &home);
    // Whether a place goes onto the all-places map: both coordinates numbers within the Earth's range.
    static bool hasPosition(const Place &place);

    // Replaces the file at `path` with `bytes`; throws lynvar::Error "Cannot create file ..." with
    // the path and the system's reason when it cannot.
    static void writeFile(const QString &path, const QByteArray &bytes);

    // Text for HTML content and attribute values.
    static QString htmlEscaped(const QString &text);
    // A double-quoted script string literal that holds `text` and nothing that could close a
    // script element or a comment.
    static QString scriptString(const QString &text);
};

} // namespace lynvar
