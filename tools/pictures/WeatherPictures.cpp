// SPDX-License-Identifier: GPL-3.0-or-later
// The diary's weather panel: moon phases, wind arrows and precipitation symbols.
#include "tools/pictures/Canvas.h"
#include "tools/pictures/Pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <optional>

using namespace Qt::StringLiterals;

namespace lynvar::pictures {

namespace {

constexpr int Supersampling = 4;

// ---- Moon ----------------------------------------------------------------------------------------

// A feature of the moon's face, in units of the moon's radius from its centre (north up).
struct Feature
{
    qreal x;
    qreal y;
    qreal rx;
    qreal ry;
};

// The dark plains, placed roughly where they are on the real moon; overlapping, so their edges are ragged.
// clang-format off
constexpr std::array Maria{
    Feature{-0.34, -0.40, 0.30, 0.24}, // Imbrium
    Feature{-0.16, -0.58, 0.16, 0.10},
    Feature{0.16, -0.38, 0.17, 0.16},  // Serenitatis
    Feature{0.32, -0.06, 0.22, 0.17},  // Tranquillitatis
    Feature{0.20, 0.10, 0.12, 0.10},
    Feature{0.68, -0.28, 0.11, 0.13},  // Crisium
    Feature{0.56, 0.22, 0.12, 0.17},   // Fecunditatis
    Feature{0.30, 0.36, 0.10, 0.09},   // Nectaris
    Feature{-0.62, -0.02, 0.24, 0.36}, // Procellarum
    Feature{-0.44, 0.30, 0.20, 0.14},
    Feature{-0.18, 0.40, 0.16, 0.12},  // Nubium
    Feature{0.02, -0.74, 0.32, 0.07},  // Frigoris
};
// clang-format on

// Bright young craters (Tycho, Copernicus, Kepler) and a few dark old ones.
constexpr std::array BrightCraters{
    Feature{-0.12, 0.70, 0.07, 0.07},
    Feature{-0.30, -0.06, 0.055, 0.055},
    Feature{-0.58, -0.12, 0.04, 0.04},
};
constexpr std::array DarkCraters{
    Feature{0.38, 0.58, 0.05, 0.05},    Feature{0.72, 0.48, 0.045, 0.045}, Feature{-0.72, 0.50, 0.045, 0.045},
    Feature{0.44, -0.66, 0.045, 0.045}, Feature{0.10, 0.78, 0.04, 0.04},
};

void drawSoftSpots(QPainter &painter, QPointF centre, qreal radius, const auto &features, const QColor &color)
{
    for (const Feature &feature : features) {
        const QPointF at = centre + QPointF(feature.x, feature.y) * radius;
        QRadialGradient spot(0, 0, 1);
        spot.setColorAt(0, color);
        spot.setColorAt(0.65, color);
        QColor edge = color;
        edge.setAlpha(0);
        spot.setColorAt(1, edge);
        painter.save();
        painter.translate(at);
        painter.scale(feature.rx * radius, feature.ry * radius);
        painter.setBrush(spot);
        painter.drawEllipse(QPointF(0, 0), 1, 1);
        painter.restore();
    }
}

// The moon's face, lit or in earthshine, clipped to the disk.
void drawMoonFace(QPainter &painter, QPointF centre, qreal radius, bool lit)
{
    painter.save();
    QPainterPath disk;
    disk.addEllipse(centre, radius, radius);
    painter.setClipPath(disk, Qt::IntersectClip);

    // Darker towards the edge, as the real moon looks.
    QRadialGradient face(centre, radius);
    if (lit) {
        face.setColorAt(0.0, QColor(0xf7, 0xf3, 0xe4));
        face.setColorAt(0.7, QColor(0xeb, 0xe5, 0xcf));
        face.setColorAt(1.0, QColor(0xc9, 0xc2, 0xa8));
    } else {
        face.setColorAt(0.0, QColor(0x2b, 0x31, 0x46));
        face.setColorAt(1.0, QColor(0x1c, 0x21, 0x31));
    }
    painter.fillRect(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), face);

    painter.setPen(Qt::NoPen);
    drawSoftSpots(painter, centre, radius, Maria, lit ? QColor(150, 146, 128, 120) : QColor(10, 12, 22, 55));
    drawSoftSpots(painter, centre, radius, DarkCraters,
                  lit ? QColor(140, 134, 116, 150) : QColor(10, 12, 22, 40));
    if (lit) {
        drawSoftSpots(painter, centre, radius, BrightCraters, QColor(255, 255, 250, 230));
    }
    painter.restore();
}

// The lit part of the disk. The terminator, the line between day and night, is half of an ellipse whose
// horizontal half-axis is |cos(phase angle)| times the radius; the lit part is bounded by it and by the
// limb on the sunward side (the right while waxing, the left while waning).
QPainterPath litPath(QPointF centre, qreal radius, double age)
{
    const double angle = 2 * std::numbers::pi * age / SynodicMonthDays;
    const double cosine = std::cos(angle);
    const bool waxing = std::sin(angle) >= 0;
    const QRectF limb(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    const qreal halfAxis = std::abs(cosine) * radius;
    const QRectF terminator(centre.x() - halfAxis, centre.y() - radius, 2 * halfAxis, 2 * radius);
    // Crescent: the terminator bulges towards the limb; gibbous: away from it.
    const bool terminatorOnRight = waxing == (cosine > 0);

    QPainterPath path(QPointF(centre.x(), centre.y() - radius));
    path.arcTo(limb, 90, waxing ? -180 : 180);
    path.arcTo(terminator, -90, terminatorOnRight ? 180 : -180);
    path.closeSubpath();
    return path;
}

// ---- Wind ----------------------------------------------------------------------------------------

struct CompassPoint
{
    QLatin1StringView name;
    qreal bearing;
};

// clang-format off
constexpr std::array CompassPoints{
    CompassPoint{"N"_L1, 0},      CompassPoint{"NNE"_L1, 22.5}, CompassPoint{"NE"_L1, 45},
    CompassPoint{"ENE"_L1, 67.5}, CompassPoint{"E"_L1, 90},     CompassPoint{"ESE"_L1, 112.5},
    CompassPoint{"SE"_L1, 135},   CompassPoint{"SSE"_L1, 157.5}, CompassPoint{"S"_L1, 180},
    CompassPoint{"SSW"_L1, 202.5}, CompassPoint{"SW"_L1, 225},  CompassPoint{"WSW"_L1, 247.5},
    CompassPoint{"W"_L1, 270},    CompassPoint{"WNW"_L1, 292.5}, CompassPoint{"NW"_L1, 315},
    CompassPoint{"NNW"_L1, 337.5},
};
// clang-format on

std::optional<qreal> bearingOf(const QString &key)
{
    const QString name = key.trimmed().toUpper();
    for (const CompassPoint &point : CompassPoints) {
        if (name == point.name) {
            return point.bearing;
        }
    }
    return std::nullopt;
}

const QColor WindArrow(0x1f, 0x5f, 0xae);
const QColor WindLabel(0x56, 0x60, 0x6e);

void drawCompassRing(QPainter &painter, QPointF centre)
{
    painter.setPen(QPen(QColor(0xd0, 0xd7, 0xe0), 1.2));
    painter.setBrush(QColor(0xf6, 0xf8, 0xfb));
    painter.drawEllipse(centre, 21.5, 21.5);
    painter.setPen(roundPen(QColor(0xb4, 0xbe, 0xcb), 1.2));
    for (int quarter = 0; quarter < 4; ++quarter) {
        const qreal a = quarter * std::numbers::pi / 2;
        const QPointF unit(std::sin(a), -std::cos(a));
        painter.drawLine(centre + unit * 19.0, centre + unit * 21.5);
    }
}

// ---- Precipitation -------------------------------------------------------------------------------

enum class CloudTone
{
    Light,
    Grey,
    Dark
};

void drawSun(QPainter &painter, QPointF centre, qreal radius)
{
    painter.setPen(roundPen(QColor(0xf5, 0xa6, 0x23), radius * 0.24));
    for (int ray = 0; ray < 8; ++ray) {
        const qreal a = ray * std::numbers::pi / 4;
        const QPointF unit(std::cos(a), std::sin(a));
        painter.drawLine(centre + unit * radius * 1.38, centre + unit * radius * 1.8);
    }
    QRadialGradient disk(centre - QPointF(radius, radius) * 0.3, radius * 1.3);
    disk.setColorAt(0, QColor(0xff, 0xe8, 0x7a));
    disk.setColorAt(1, QColor(0xff, 0xbf, 0x1c));
    painter.setPen(QPen(QColor(0xef, 0x9c, 0x12), 1.0));
    painter.setBrush(disk);
    painter.drawEllipse(centre, radius, radius);
}

void drawCloud(QPainter &painter, const QRectF &rect, CloudTone tone)
{
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    QColor outline;
    switch (tone) {
    case CloudTone::Light:
        fill.setColorAt(0, Qt::white);
        fill.setColorAt(1, QColor(0xdc, 0xe3, 0xeb));
        outline = QColor(0x7f, 0x8c, 0x9c);
        break;
    case CloudTone::Grey:
        fill.setColorAt(0, QColor(0xdf, 0xe4, 0xea));
        fill.setColorAt(1, QColor(0xa9, 0xb3, 0xbf));
        outline = QColor(0x6a, 0x76, 0x86);
        break;
    case CloudTone::Dark:
        fill.setColorAt(0, QColor(0x9b, 0xa4, 0xb0));
        fill.setColorAt(1, QColor(0x5e, 0x68, 0x75));
        outline = QColor(0x45, 0x4e, 0x5a);
        break;
    }
    painter.setPen(QPen(outline, 1.2));
    painter.setBrush(fill);
    painter.drawPath(cloudPath(rect));
}

void drawDrop(QPainter &painter, QPointF centre, qreal size)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(18);
    const qreal w = size * 0.42;
    const qreal h = size;
    QPainterPath drop(QPointF(0, -h * 0.75));
    drop.cubicTo(QPointF(w * 0.2, -h * 0.4), QPointF(w, -h * 0.05), QPointF(w, h * 0.2));
    drop.arcTo(QRectF(-w, h * 0.2 - w, 2 * w, 2 * w), 0, -180);
    drop.cubicTo(QPointF(-w, -h * 0.05), QPointF(-w * 0.2, -h * 0.4), QPointF(0, -h * 0.75));
    painter.setPen(QPen(QColor(0x1d, 0x62, 0xb3), 0.8));
    painter.setBrush(QColor(0x35, 0x8c, 0xe0));
    painter.drawPath(drop);
    painter.restore();
}

void drawFlake(QPainter &painter, QPointF centre, qreal radius)
{
    painter.setPen(roundPen(QColor(0x2f, 0x8c, 0xd0), radius * 0.3));
    for (int arm = 0; arm < 6; ++arm) {
        const qreal a = arm * std::numbers::pi / 3 + std::numbers::pi / 2;
        const QPointF unit(std::cos(a), std::sin(a));
        const QPointF tip = centre + unit * radius;
        painter.drawLine(centre, tip);
        const QPointF fork = centre + unit * radius * 0.6;
        for (const qreal side : {-1.0, 1.0}) {
            const qreal b = a + side * std::numbers::pi / 4;
            painter.drawLine(fork, fork + QPointF(std::cos(b), std::sin(b)) * radius * 0.38);
        }
    }
}

void drawHailstone(QPainter &painter, QPointF centre, qreal radius)
{
    QRadialGradient ice(centre - QPointF(radius, radius) * 0.35, radius * 1.4);
    ice.setColorAt(0, Qt::white);
    ice.setColorAt(1, QColor(0xb8, 0xd8, 0xf0));
    painter.setPen(QPen(QColor(0x3f, 0x7a, 0xb0), 0.9));
    painter.setBrush(ice);
    painter.drawEllipse(centre, radius, radius);
}

void drawBolt(QPainter &painter, QPointF top, qreal height)
{
    const std::array<QPointF, 7> shape{
        QPointF(0.12, 0.0),  QPointF(-0.32, 0.56), QPointF(-0.02, 0.56), QPointF(-0.2, 1.0),
        QPointF(0.38, 0.38), QPointF(0.06, 0.38),  QPointF(0.32, 0.0),
    };
    QPolygonF bolt;
    for (const QPointF &point : shape) {
        bolt << top + point * height;
    }
    painter.setPen(QPen(QColor(0xc8, 0x8a, 0x00), 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0xff, 0xd0, 0x1f));
    painter.drawPolygon(bolt);
}

void drawFogLines(QPainter &painter, const QRectF &band, int lines)
{
    painter.setPen(roundPen(QColor(0x8c, 0x97, 0xa5), 2.4));
    for (int line = 0; line < lines; ++line) {
        const qreal y = band.top() + band.height() * (line + 0.5) / lines;
        const qreal inset = (line % 2 == 0) ? 0.0 : band.width() * 0.12;
        painter.drawLine(QPointF(band.left() + inset, y),
                         QPointF(band.right() - band.width() * 0.12 + inset, y));
    }
}

enum class Falling
{
    Drop,
    Flake,
    Hail,
    Drizzle
};

void drawFalling(QPainter &painter, Falling kind, QPointF at)
{
    switch (kind) {
    case Falling::Drop:
        drawDrop(painter, at, 7.4);
        break;
    case Falling::Flake:
        drawFlake(painter, at, 4.3);
        break;
    case Falling::Hail:
        drawHailstone(painter, at + QPointF(-1.6, -1.4), 2.4);
        drawHailstone(painter, at + QPointF(1.8, 2.2), 2.2);
        break;
    case Falling::Drizzle:
        drawDrop(painter, at + QPointF(-1.8, -2.2), 3.2);
        drawDrop(painter, at + QPointF(1.8, 2.2), 3.2);
        break;
    }
}

// What the words of a precipitation key ask for.
struct Weather
{
    bool sun = false;
    bool cloud = false;
    bool thunder = false;
    bool fog = false;
    bool overcast = false;
    CloudTone tone = CloudTone::Light;
    QList<Falling> falling;
};

Weather weatherOf(const QString &key)
{
    const QString words = key.toLower();
    const auto has = [&](std::initializer_list<QLatin1StringView> any) {
        for (const QLatin1StringView word : any) {
            if (words.contains(word)) {
                return true;
            }
        }
        return false;
    };

    Weather weather;
    weather.sun = has({"clear"_L1, "sun"_L1, "fair"_L1, "partly"_L1, "shower"_L1});
    weather.thunder = has({"thunder"_L1, "storm"_L1, "lightning"_L1});
    weather.fog = has({"fog"_L1, "mist"_L1, "haze"_L1});
    weather.overcast = has({"overcast"_L1, "dull"_L1, "gloom"_L1});
    const bool sleet = has({"sleet"_L1});
    if (has({"rain"_L1, "shower"_L1}) || sleet) {
        weather.falling << Falling::Drop;
    }
    if (has({"snow"_L1, "flake"_L1, "blizzard"_L1}) || sleet) {
        weather.falling << Falling::Flake;
    }
    if (has({"hail"_L1})) {
        weather.falling << Falling::Hail;
    }
    if (has({"drizzle"_L1})) {
        weather.falling << Falling::Drizzle;
    }
    weather.cloud = has({"cloud"_L1, "overcast"_L1}) || weather.thunder || !weather.falling.isEmpty();
    if (weather.thunder) {
        weather.tone = CloudTone::Dark;
    } else if (weather.falling.contains(Falling::Drop) || weather.falling.contains(Falling::Hail)) {
        weather.tone = weather.sun ? CloudTone::Light : CloudTone::Grey;
    }
    return weather;
}

} // namespace

double moonLitFraction(double age)
{
    return (1 - std::cos(2 * std::numbers::pi * age / SynodicMonthDays)) / 2;
}

QImage moon(int age)
{
    return render(MoonSize, Supersampling, Qt::black, [age](QPainter &painter) {
        const QRectF sky(QPointF(0, 0), QSizeF(MoonSize));
        QLinearGradient night(sky.topLeft(), sky.bottomLeft());
        night.setColorAt(0, QColor(0x12, 0x1e, 0x3c));
        night.setColorAt(1, QColor(0x04, 0x07, 0x12));
        painter.fillRect(sky, night);

        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(220, 225, 240, 200));
        for (const QPointF star : {QPointF(5, 7), QPointF(58, 5), QPointF(60, 50), QPointF(4, 56),
                                   QPointF(52, 60), QPointF(13, 61)}) {
            painter.drawEllipse(star, 0.45, 0.45);
        }

        const QPointF centre = sky.center();
        const qreal radius = 26;
        const double lit = moonLitFraction(age);

        // A soft glow that grows with the lit part.
        QRadialGradient glow(centre, radius + 6);
        glow.setColorAt(radius / (radius + 6), QColor(190, 205, 255, qRound(70 * lit)));
        glow.setColorAt(1, QColor(190, 205, 255, 0));
        painter.setBrush(glow);
        painter.drawEllipse(centre, radius + 6, radius + 6);

        drawMoonFace(painter, centre, radius, false);
        // The new moon is still there: a faint rim against the sky.
        painter.setPen(QPen(QColor(0x4e, 0x5a, 0x78), 0.6));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, radius, radius);

        if (lit > 0.002) {
            painter.save();
            painter.setClipPath(litPath(centre, radius, age));
            drawMoonFace(painter, centre, radius, true);
            painter.restore();
        }
    });
}

QImage wind(const QString &key)
{
    const std::optional<qreal> bearing = bearingOf(key);
    const bool calm = key.trimmed().compare("calm"_L1, Qt::CaseInsensitive) == 0;
    return render(WindSize, Supersampling, Qt::white, [&](QPainter &painter) {
        const QPointF centre = QRectF(QPointF(0, 0), QSizeF(WindSize)).center();
        drawCompassRing(painter, centre);

        if (calm) {
            painter.setPen(QPen(WindArrow, 2.2));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(centre, 10, 10);
            painter.setBrush(WindArrow);
            painter.setPen(Qt::NoPen);
            painter.drawEllipse(centre, 3.2, 3.2);
            return;
        }
        if (!bearing) {
            painter.setPen(WindLabel);
            painter.setFont(sansFont(22, true));
            painter.drawText(QRectF(0, 0, WindSize.width(), WindSize.height()), Qt::AlignCenter, u"?"_s);
            return;
        }

        // The name says where the wind comes from; the arrow flies the other way.
        const qreal a = *bearing * std::numbers::pi / 180;
        const QPointF from(std::sin(a), -std::cos(a));
        const QPointF across(-from.y(), from.x());

        const QString label = key.trimmed().toUpper();
        painter.setPen(WindLabel);
        painter.setFont(sansFont(label.size() > 2 ? 7.5 : 9, true));
        const QPointF labelAt = centre + from * (label.size() > 2 ? 14.5 : 15.0);
        painter.drawText(QRectF(labelAt.x() - 12, labelAt.y() - 6, 24, 12), Qt::AlignCenter, label);

        const QPointF tail = centre + from * 7.0;
        const QPointF tip = centre - from * 19.5;
        const QPointF headBase = tip + from * 9.5;
        painter.setPen(roundPen(WindArrow, 3.4));
        painter.drawLine(tail, headBase + from * 0.5);
        painter.setPen(QPen(WindArrow, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(WindArrow);
        painter.drawPolygon(
            QPolygonF{tip, headBase + across * 6.0, headBase + from * 1.5, headBase - across * 6.0});
    });
}

QImage precipitation(const QString &key)
{
    const Weather weather = weatherOf(key);
    return render(PrecipitationSize, Supersampling, Qt::white, [&](QPainter &painter) {
        const QRectF whole(QPointF(0, 0), QSizeF(PrecipitationSize));
        const bool falls = weather.thunder || !weather.falling.isEmpty();

        if (!weather.sun && !weather.cloud && !weather.fog) {
            // A word we do not know: a plain cloud with a question mark.
            drawCloud(painter, QRectF(5, 9, 38, 27), CloudTone::Light);
            painter.setPen(QColor(0x56, 0x61, 0x71));
            painter.setFont(sansFont(15, true));
            painter.drawText(QRectF(5, 16, 38, 22), Qt::AlignCenter, u"?"_s);
            return;
        }
        if (!weather.cloud) {
            if (weather.fog) {
                if (weather.sun) {
                    drawSun(painter, QPointF(24, 15), 6.5);
                    drawFogLines(painter, QRectF(6, 29, 36, 15), 3);
                } else {
                    drawFogLines(painter, QRectF(5, 9, 38, 30), 4);
                }
            } else {
                drawSun(painter, whole.center(), 10.5);
            }
            return;
        }
        if (!falls) {
            const qreal bottomSpace = weather.fog ? 12 : 0;
            if (weather.sun) {
                drawSun(painter, QPointF(17, 17 - bottomSpace / 2), 7.5);
                drawCloud(painter, QRectF(12, 20 - bottomSpace * 0.7, 32, 21), CloudTone::Light);
            } else if (weather.overcast) {
                // The whole sky under heavy grey cloud.
                drawCloud(painter, QRectF(2, 6 - bottomSpace / 2, 26, 18), CloudTone::Dark);
                drawCloud(painter, QRectF(19, 5 - bottomSpace / 2, 27, 19), CloudTone::Dark);
                drawCloud(painter, QRectF(6, 16 - bottomSpace * 0.7, 37, 25), CloudTone::Grey);
            } else {
                drawCloud(painter, QRectF(17, 7 - bottomSpace / 2, 27, 19), CloudTone::Grey);
                drawCloud(painter, QRectF(4, 15 - bottomSpace * 0.7, 35, 24), CloudTone::Light);
            }
            if (weather.fog) {
                drawFogLines(painter, QRectF(6, 35, 36, 11), 2);
            }
            return;
        }

        QRectF cloud(6, 5, 36, 23);
        if (weather.sun) {
            drawSun(painter, QPointF(15, 12), 6.5);
            cloud = QRectF(11, 9, 32, 20);
        }
        drawCloud(painter, cloud, weather.tone);

        const qreal bandTop = cloud.bottom() + 1;
        const qreal bandMiddle = (bandTop + whole.bottom()) / 2;
        QList<QPointF> slots;
        if (weather.thunder) {
            drawBolt(painter, QPointF(cloud.center().x(), cloud.bottom() - 5), 46 - (cloud.bottom() - 5));
            slots = {QPointF(cloud.left() + 6, bandMiddle - 1), QPointF(cloud.right() - 5, bandMiddle + 1)};
        } else {
            const qreal step = cloud.width() / 3.4;
            const qreal x = cloud.center().x();
            slots = {QPointF(x - step, bandMiddle - 2), QPointF(x, bandMiddle + 2),
                     QPointF(x + step, bandMiddle - 2)};
        }
        if (!weather.falling.isEmpty()) {
            for (int slot = 0; slot < slots.size(); ++slot) {
                drawFalling(painter, weather.falling.at(slot % weather.falling.size()), slots.at(slot));
            }
        }
    });
}

} // namespace lynvar::pictures
