// SPDX-License-Identifier: GPL-3.0-or-later
// Small cheerful scenes shown beside the jokes, drawn flat: a few shapes and gradients each.
#include "tools/pictures/Canvas.h"
#include "tools/pictures/Pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;

namespace lynvar::pictures {

namespace {

constexpr qreal Width = JokeSize.width();
constexpr qreal Height = JokeSize.height();

void fillVertical(QPainter &painter, const QRectF &rect, const QColor &top, const QColor &bottom)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(rect, gradient);
}

void drawEye(QPainter &painter, QPointF centre, qreal radius, QPointF look)
{
    painter.setPen(QPen(QColor(0x2b, 0x2b, 0x2b), radius * 0.18));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1e, 0x1e, 0x1e));
    const QPointF pupil = centre + look * radius * 0.38;
    painter.drawEllipse(pupil, radius * 0.5, radius * 0.5);
    painter.setBrush(Qt::white);
    painter.drawEllipse(pupil + QPointF(-radius * 0.18, -radius * 0.2), radius * 0.16, radius * 0.16);
}

// A fish facing left with its nose at `nose`, `length` long.
void drawFish(QPainter &painter, QPointF nose, qreal length, const QColor &body, const QColor &outline)
{
    const qreal l = length;
    QPainterPath fish(nose);
    fish.cubicTo(nose + QPointF(l * 0.15, -l * 0.38), nose + QPointF(l * 0.62, -l * 0.36),
                 nose + QPointF(l * 0.8, -l * 0.04));
    fish.lineTo(nose + QPointF(l, -l * 0.22));
    fish.quadTo(nose + QPointF(l * 0.93, 0), nose + QPointF(l, l * 0.22));
    fish.lineTo(nose + QPointF(l * 0.8, l * 0.04));
    fish.cubicTo(nose + QPointF(l * 0.62, l * 0.36), nose + QPointF(l * 0.15, l * 0.36), nose);
    painter.setPen(QPen(outline, l * 0.03, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(body);
    painter.drawPath(fish);
}

void drawBubbles(QPainter &painter, const QList<QPointF> &centres, qreal radius)
{
    painter.setPen(QPen(QColor(255, 255, 255, 200), 1.2));
    painter.setBrush(QColor(255, 255, 255, 60));
    qreal r = radius;
    for (const QPointF &centre : centres) {
        painter.drawEllipse(centre, r, r);
        r *= 1.25;
    }
}

void drawRod(QPainter &painter, QPointF butt, QPointF tip)
{
    const QPointF along = tip - butt;
    painter.setPen(roundPen(QColor(0x5a, 0x3b, 0x22), 5));
    painter.drawLine(butt, butt + along * 0.22);
    painter.setPen(roundPen(QColor(0x2f, 0x3a, 0x4a), 3.2));
    painter.drawLine(butt + along * 0.22, butt + along * 0.7);
    painter.setPen(roundPen(QColor(0x2f, 0x3a, 0x4a), 1.8));
    painter.drawLine(butt + along * 0.7, tip);
}

// 1. A float bobbing over a fish that is thinking about the worm.
void drawFloatBobbing(QPainter &painter)
{
    const qreal surface = 118;
    fillVertical(painter, QRectF(0, 0, Width, surface), QColor(0xa9, 0xdc, 0xf5), QColor(0xe4, 0xf5, 0xfc));
    QPainterPath hills(QPointF(0, surface));
    hills.cubicTo(QPointF(40, 92), QPointF(90, 96), QPointF(130, surface - 6));
    hills.cubicTo(QPointF(170, 88), QPointF(250, 90), QPointF(Width, surface - 4));
    hills.lineTo(Width, surface);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x7d, 0xb8, 0x7c));
    painter.drawPath(hills);
    fillVertical(painter, QRectF(0, surface, Width, Height - surface), QColor(0x4a, 0xa0, 0xd6),
                 QColor(0x1b, 0x58, 0x86));

    drawRod(painter, QPointF(Width + 10, 80), QPointF(214, 10));
    const QPointF floatAt(140, surface + 2);
    QPainterPath line(QPointF(214, 10));
    line.quadTo(QPointF(170, 40), floatAt + QPointF(4, -34));
    painter.setPen(QPen(QColor(0x44, 0x44, 0x44), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);

    // Under water: the line, the hook with a worm, and the fish eyeing it.
    const QPointF hook(150, 178);
    painter.setPen(QPen(QColor(230, 240, 250, 150), 1));
    painter.drawLine(floatAt + QPointF(0, 12), hook + QPointF(0, -6));
    QPainterPath worm(hook + QPointF(-2, -6));
    worm.cubicTo(hook + QPointF(-12, -2), hook + QPointF(6, 4), hook + QPointF(-6, 10));
    worm.cubicTo(hook + QPointF(-14, 14), hook + QPointF(2, 18), hook + QPointF(-4, 22));
    painter.setPen(roundPen(QColor(0xe8, 0x7a, 0x90), 4));
    painter.drawPath(worm);
    drawFish(painter, QPointF(180, 186), 70, QColor(0x8f, 0xa8, 0x5a), QColor(0x4f, 0x62, 0x2c));
    drawEye(painter, QPointF(194, 180), 5, QPointF(-1, -0.4));
    drawBubbles(painter, {QPointF(176, 176), QPointF(172, 164), QPointF(175, 150)}, 2);

    // Rings on the water and the float leaning as it bobs.
    painter.setBrush(Qt::NoBrush);
    for (int ring = 0; ring < 3; ++ring) {
        painter.setPen(QPen(QColor(220, 240, 252, 200 - ring * 55), 2));
        painter.drawEllipse(floatAt, 18.0 + ring * 16, 4.5 + ring * 3.5);
    }
    painter.save();
    painter.translate(floatAt);
    painter.rotate(-14);
    painter.setPen(roundPen(QColor(0x33, 0x33, 0x33), 2));
    painter.drawLine(QPointF(0, -36), QPointF(0, -24));
    QPainterPath top(QPointF(0, -26));
    top.cubicTo(QPointF(9, -18), QPointF(9, -2), QPointF(8, 0));
    top.lineTo(-8, 0);
    top.cubicTo(QPointF(-9, -2), QPointF(-9, -18), QPointF(0, -26));
    painter.setPen(QPen(QColor(0x8a, 0x1c, 0x17), 1.2));
    painter.setBrush(QColor(0xe2, 0x3d, 0x32));
    painter.drawPath(top);
    QPainterPath bottom(QPointF(-8, 0));
    bottom.cubicTo(QPointF(-8, 8), QPointF(-2, 14), QPointF(0, 16));
    bottom.cubicTo(QPointF(2, 14), QPointF(8, 8), QPointF(8, 0));
    painter.setPen(QPen(QColor(200, 220, 235), 1.2));
    painter.setBrush(QColor(235, 245, 250, 200));
    painter.drawPath(bottom);
    painter.restore();

    // Motion marks: it is bobbing.
    painter.setPen(roundPen(QColor(0x2a, 0x4a, 0x6a), 1.8));
    painter.setBrush(Qt::NoBrush);
    for (const qreal side : {-1.0, 1.0}) {
        for (int mark = 0; mark < 2; ++mark) {
            const qreal r = 20 + mark * 7;
            const QRectF arc(floatAt.x() - 5 - r, floatAt.y() - 24 - r, 2 * r, 2 * r);
            painter.drawArc(arc, side > 0 ? -25 * 16 : 155 * 16, 50 * 16);
        }
    }
}

// 2. A fish dressed for an evening out.
void drawFishInBowTie(QPainter &painter)
{
    fillVertical(painter, QRectF(0, 0, Width, Height), QColor(0x62, 0xc8, 0xdb), QColor(0x17, 0x66, 0x86));
    painter.setPen(Qt::NoPen);
    for (int ray = 0; ray < 4; ++ray) {
        const qreal x = 30 + ray * 75;
        painter.setBrush(QColor(255, 255, 255, 28));
        painter.drawPolygon(
            QPolygonF{QPointF(x, 0), QPointF(x + 26, 0), QPointF(x + 70, Height), QPointF(x + 30, Height)});
    }
    QPainterPath sand(QPointF(0, 198));
    sand.cubicTo(QPointF(80, 186), QPointF(170, 210), QPointF(Width, 192));
    sand.lineTo(Width, Height);
    sand.lineTo(0, Height);
    painter.setBrush(QColor(0xe6, 0xd2, 0x98));
    painter.drawPath(sand);

    for (const QPointF base : {QPointF(28, 205), QPointF(44, 208), QPointF(268, 200), QPointF(282, 204)}) {
        QPainterPath weed(base);
        weed.cubicTo(base + QPointF(-14, -30), base + QPointF(14, -50), base + QPointF(-4, -86));
        painter.setPen(roundPen(QColor(0x2e, 0x8b, 0x57), 5));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(weed);
    }

    const QPointF nose(62, 112);
    const qreal length = 190;
    drawFish(painter, nose, length, QColor(0xf6, 0xa8, 0x3c), QColor(0xb8, 0x62, 0x14));
    painter.setPen(QPen(QColor(0xd9, 0x85, 0x22), 2));
    painter.setBrush(Qt::NoBrush);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col) {
            const QPointF at = nose + QPointF(88 + col * 16, -24 + row * 18 + (col % 2) * 9);
            painter.drawArc(QRectF(at.x() - 8, at.y() - 8, 16, 16), 90 * 16, 180 * 16);
        }
    }
    // Back fin and side fin.
    painter.setPen(QPen(QColor(0xb8, 0x62, 0x14), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0xf0, 0x8c, 0x2a));
    QPainterPath fin(nose + QPointF(70, -66));
    fin.quadTo(nose + QPointF(100, -96), nose + QPointF(138, -58));
    fin.closeSubpath();
    painter.drawPath(fin);
    QPainterPath side(nose + QPointF(96, 14));
    side.quadTo(nose + QPointF(126, 20), nose + QPointF(122, 40));
    side.quadTo(nose + QPointF(104, 36), nose + QPointF(96, 14));
    painter.drawPath(side);

    drawEye(painter, nose + QPointF(34, -20), 13, QPointF(-0.5, -0.2));
    painter.setPen(roundPen(QColor(0x8a, 0x40, 0x0a), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(nose.x() + 4, nose.y() - 6, 26, 18), 200 * 16, 110 * 16);

    // The bow tie, just under the chin.
    const QPointF knot = nose + QPointF(52, 40);
    painter.setPen(QPen(QColor(0x7d, 0x10, 0x1f), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0xd6, 0x24, 0x3c));
    painter.drawPolygon(QPolygonF{knot, knot + QPointF(-26, -15), knot + QPointF(-26, 15)});
    painter.drawPolygon(QPolygonF{knot, knot + QPointF(26, -15), knot + QPointF(26, 15)});
    painter.drawEllipse(knot, 6, 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 210));
    for (const QPointF dot : {QPointF(-18, -4), QPointF(-14, 6), QPointF(18, -4), QPointF(14, 6)}) {
        painter.drawEllipse(knot + dot, 2, 2);
    }

    drawBubbles(painter, {nose + QPointF(-8, -20), nose + QPointF(-16, -44), nose + QPointF(-10, -72)}, 4);
}

// 3. A cat that has noticed what is in the bucket.
void drawCatAndBucket(QPainter &painter)
{
    fillVertical(painter, QRectF(0, 0, Width, 96), QColor(0xc6, 0xe6, 0xf6), QColor(0xea, 0xf6, 0xfb));
    fillVertical(painter, QRectF(0, 96, Width, 24), QColor(0x78, 0xb9, 0xdf), QColor(0x5a, 0xa0, 0xcc));
    fillVertical(painter, QRectF(0, 120, Width, Height - 120), QColor(0x9c, 0xcf, 0x6e),
                 QColor(0x5f, 0x9e, 0x45));

    // Bucket, with a tail sticking out of it.
    painter.setPen(QPen(QColor(0x3f, 0x6d, 0x8c), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0x8f, 0xbf, 0xdc));
    QPainterPath tail(QPointF(214, 122));
    tail.lineTo(QPointF(226, 92));
    tail.quadTo(QPointF(214, 98), QPointF(198, 88));
    tail.lineTo(QPointF(204, 122));
    painter.drawPath(tail);

    QLinearGradient tin(QPointF(168, 0), QPointF(236, 0));
    tin.setColorAt(0, QColor(0xa9, 0xb4, 0xbf));
    tin.setColorAt(0.35, QColor(0xe3, 0xe8, 0xed));
    tin.setColorAt(1, QColor(0x8b, 0x97, 0xa4));
    painter.setPen(QPen(QColor(0x5e, 0x6a, 0x78), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(tin);
    painter.drawPolygon(
        QPolygonF{QPointF(166, 120), QPointF(238, 120), QPointF(230, 190), QPointF(174, 190)});
    painter.drawLine(QPointF(169, 146), QPointF(235, 146));
    painter.drawLine(QPointF(172, 170), QPointF(232, 170));
    painter.setBrush(QColor(0x4e, 0x59, 0x66));
    painter.drawEllipse(QRectF(166, 114, 72, 12));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(170, 84, 64, 70), 10 * 16, 160 * 16);

    // The cat, sitting, looking hard at the bucket.
    const QColor fur(0xf2, 0xa1, 0x52);
    const QColor furLine(0xa8, 0x5a, 0x1c);
    painter.setPen(QPen(furLine, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fur);
    QPainterPath catTail(QPointF(62, 186));
    catTail.cubicTo(QPointF(20, 196), QPointF(10, 170), QPointF(26, 150));
    catTail.cubicTo(QPointF(14, 174), QPointF(30, 186), QPointF(62, 176));
    painter.drawPath(catTail);
    painter.drawEllipse(QRectF(50, 112, 78, 82));
    painter.drawEllipse(QRectF(92, 180, 18, 12));
    painter.drawEllipse(QRectF(72, 182, 18, 12));
    const QPointF head(104, 92);
    painter.drawPolygon(
        QPolygonF{head + QPointF(-24, -10), head + QPointF(-20, -40), head + QPointF(-4, -22)});
    painter.drawPolygon(QPolygonF{head + QPointF(22, -10), head + QPointF(24, -40), head + QPointF(6, -22)});
    painter.drawEllipse(head, 29, 25);
    painter.setPen(roundPen(furLine, 2.5));
    for (const qreal dx : {-8.0, 0.0, 8.0}) {
        painter.drawLine(head + QPointF(dx, -24), head + QPointF(dx * 0.8, -15));
    }
    painter.drawLine(QPointF(60, 140), QPointF(74, 144));
    painter.drawLine(QPointF(56, 154), QPointF(72, 156));

    for (const qreal dx : {-10.0, 12.0}) {
        const QPointF eye = head + QPointF(dx, -3);
        painter.setPen(QPen(QColor(0x3a, 0x2a, 0x10), 1.4));
        painter.setBrush(QColor(0xc8, 0xe0, 0x4a));
        painter.drawEllipse(eye, 7, 6);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x1a, 0x1a, 0x1a));
        painter.drawEllipse(eye + QPointF(3.5, 1), 1.8, 5);
    }
    painter.setBrush(QColor(0xe8, 0x6f, 0x86));
    painter.drawPolygon(QPolygonF{head + QPointF(-3, 8), head + QPointF(5, 8), head + QPointF(1, 12)});
    painter.setPen(roundPen(QColor(0x5a, 0x33, 0x10), 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(head.x() - 5, head.y() + 9, 6, 6), 200 * 16, 140 * 16);
    painter.drawArc(QRectF(head.x() + 1, head.y() + 9, 6, 6), 200 * 16, 140 * 16);
    painter.setPen(roundPen(QColor(0x4a, 0x3a, 0x2a), 1));
    for (const qreal dy : {-3.0, 1.0, 5.0}) {
        painter.drawLine(head + QPointF(12, 10), head + QPointF(38, 8 + dy * 1.4));
        painter.drawLine(head + QPointF(-10, 10), head + QPointF(-36, 8 + dy * 1.4));
    }

    // What the cat is thinking about.
    painter.setPen(QPen(QColor(0x9a, 0xa8, 0xb8), 1.5));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(136, 58), 3, 3);
    painter.drawEllipse(QPointF(146, 46), 5, 5);
    painter.drawEllipse(QRectF(150, 6, 84, 38));
    drawFish(painter, QPointF(170, 25), 46, QColor(0x8f, 0xbf, 0xdc), QColor(0x3f, 0x6d, 0x8c));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1e, 0x1e, 0x1e));
    painter.drawEllipse(QPointF(178, 22), 1.8, 1.8);
}

// 4. What happens to the line when the reel overruns.
void drawTangledLine(QPainter &painter)
{
    fillVertical(painter, QRectF(0, 0, Width, 160), QColor(0xd6, 0xec, 0xf7), QColor(0xf4, 0xfa, 0xfd));
    fillVertical(painter, QRectF(0, 160, Width, Height - 160), QColor(0x6c, 0xb0, 0xdb),
                 QColor(0x3b, 0x84, 0xb6));

    const QPointF tip(238, 36);
    drawRod(painter, QPointF(8, 214), tip);
    painter.setPen(QPen(QColor(0x4a, 0x55, 0x63), 2));
    painter.setBrush(QColor(0x9a, 0xa6, 0xb3));
    painter.drawEllipse(QPointF(52, 176), 13, 13);
    painter.setBrush(QColor(0x6a, 0x76, 0x84));
    painter.drawEllipse(QPointF(52, 176), 4, 4);

    // The tangle: loops thrown around a centre by a fixed seed, so every build draws the same mess.
    QRandomGenerator random(1957);
    const QPointF centre(196, 102);
    const auto near = [&](qreal spread) {
        const qreal a = random.bounded(2 * std::numbers::pi);
        const qreal r = spread * std::sqrt(random.generateDouble());
        return centre + QPointF(std::cos(a) * r * 1.25, std::sin(a) * r);
    };
    QPainterPath tangle(tip);
    tangle.quadTo(QPointF(226, 60), centre + QPointF(20, -24));
    for (int loop = 0; loop < 26; ++loop) {
        tangle.cubicTo(near(44), near(44), near(30));
    }
    tangle.cubicTo(QPointF(206, 140), QPointF(214, 150), QPointF(212, 168));
    painter.setPen(QPen(QColor(0x2a, 0x2a, 0x2a), 1.1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tangle);
    painter.setPen(roundPen(QColor(0x55, 0x5f, 0x6a), 2));
    painter.drawArc(QRectF(204, 160, 12, 14), 180 * 16, 200 * 16);
    painter.drawLine(QPointF(216, 167), QPointF(216, 161));

    // The angler's opinion of it, printed politely.
    QPainterPath bubble;
    const QPointF talk(70, 52);
    for (int spike = 0; spike < 20; ++spike) {
        const qreal a = spike * std::numbers::pi / 10;
        const qreal r = (spike % 2 == 0) ? 1.0 : 0.74;
        const QPointF point = talk + QPointF(std::cos(a) * 58 * r, std::sin(a) * 36 * r);
        if (spike == 0) {
            bubble.moveTo(point);
        } else {
            bubble.lineTo(point);
        }
    }
    bubble.closeSubpath();
    painter.setPen(QPen(QColor(0xc0, 0x39, 0x2b), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0xff, 0xf3, 0xc4));
    painter.drawPath(bubble);
    painter.setPen(QColor(0xc0, 0x39, 0x2b));
    painter.setFont(sansFont(22, true));
    painter.drawText(QRectF(talk.x() - 50, talk.y() - 16, 100, 32), Qt::AlignCenter, u"#@%!"_s);
}

// 5. The catch of the day: somebody's old boot.
void drawBootOnHook(QPainter &painter)
{
    const qreal surface = 190;
    fillVertical(painter, QRectF(0, 0, Width, surface), QColor(0xb8, 0xe0, 0xf4), QColor(0xe8, 0xf6, 0xfc));
    fillVertical(painter, QRectF(0, surface, Width, Height - surface), QColor(0x4f, 0x9d, 0xd0),
                 QColor(0x25, 0x68, 0x9a));

    drawRod(painter, QPointF(-10, 120), QPointF(150, 8));
    const QPointF hook(170, 66);
    painter.setPen(QPen(QColor(0x44, 0x44, 0x44), 1));
    painter.drawLine(QPointF(150, 8), hook + QPointF(0, -14));
    painter.setPen(roundPen(QColor(0x6b, 0x73, 0x7d), 2.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(hook + QPointF(0, -14), hook + QPointF(0, 6));
    painter.drawArc(QRectF(hook.x() - 8, hook.y() - 2, 16, 16), 180 * 16, 180 * 16);

    // The boot hangs by its top.
    const QColor leather(0x7a, 0x4b, 0x2a);
    const QColor dark(0x4a, 0x2c, 0x16);
    QPainterPath boot(QPointF(146, 82));
    boot.lineTo(196, 82);
    boot.lineTo(198, 128);
    boot.cubicTo(QPointF(226, 132), QPointF(250, 140), QPointF(252, 158));
    boot.lineTo(252, 166);
    boot.lineTo(144, 166);
    boot.closeSubpath();
    painter.setPen(QPen(dark, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(leather);
    painter.drawPath(boot);
    painter.setBrush(dark);
    painter.drawRoundedRect(QRectF(140, 162, 116, 9), 4, 4);
    painter.drawRect(QRectF(144, 78, 54, 8));
    painter.setPen(roundPen(QColor(0xe8, 0xd8, 0xb0), 2));
    for (int lace = 0; lace < 3; ++lace) {
        const qreal y = 98 + lace * 12;
        painter.drawLine(QPointF(184, y), QPointF(198, y + 6));
        painter.drawLine(QPointF(184, y + 6), QPointF(198, y));
    }
    // A patch, and a hole at the toe with a tenant looking out.
    painter.setPen(QPen(dark, 1.5, Qt::DashLine));
    painter.setBrush(QColor(0x9c, 0x6b, 0x3e));
    painter.drawRect(QRectF(152, 112, 20, 18));
    painter.setPen(QPen(dark, 2));
    painter.setBrush(QColor(0x2a, 0x18, 0x0c));
    painter.drawEllipse(QPointF(236, 152), 10, 7);
    drawEye(painter, QPointF(232, 151), 3.6, QPointF(-1, 0));
    drawEye(painter, QPointF(241, 151), 3.6, QPointF(-1, 0));

    // Drips, and the splash they make below.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x3a, 0x8c, 0xd6));
    for (const QPointF drip : {QPointF(162, 180), QPointF(206, 184), QPointF(238, 179), QPointF(186, 177)}) {
        QPainterPath drop(drip + QPointF(0, -5));
        drop.quadTo(drip + QPointF(4, 1), drip + QPointF(0, 3));
        drop.quadTo(drip + QPointF(-4, 1), drip + QPointF(0, -5));
        painter.drawPath(drop);
    }
    painter.setBrush(Qt::NoBrush);
    for (int ring = 0; ring < 3; ++ring) {
        painter.setPen(QPen(QColor(220, 240, 252, 190 - ring * 50), 1.8));
        painter.drawEllipse(QPointF(200, surface + 12), 30.0 + ring * 22, 4.0 + ring * 3);
    }
}

// 6. Dawn on the lake, the best time to be there.
void drawSunrise(QPainter &painter)
{
    const qreal horizon = 128;
    QLinearGradient sky(QPointF(0, 0), QPointF(0, horizon));
    sky.setColorAt(0, QColor(0x3c, 0x5a, 0xa6));
    sky.setColorAt(0.55, QColor(0xee, 0x8a, 0x72));
    sky.setColorAt(1, QColor(0xff, 0xd3, 0x82));
    painter.fillRect(QRectF(0, 0, Width, horizon), sky);

    const QPointF sun(150, horizon);
    QRadialGradient glow(sun, 80);
    glow.setColorAt(0, QColor(255, 236, 160, 200));
    glow.setColorAt(1, QColor(255, 236, 160, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(sun, 80, 80);
    painter.setBrush(QColor(0xff, 0xde, 0x6a));
    painter.drawEllipse(sun, 34, 34);

    QPainterPath hills(QPointF(0, horizon));
    hills.cubicTo(QPointF(30, 108), QPointF(70, 112), QPointF(96, horizon - 6));
    hills.lineTo(96, horizon);
    hills.moveTo(196, horizon);
    hills.cubicTo(QPointF(230, 104), QPointF(270, 106), QPointF(Width, horizon - 10));
    hills.lineTo(Width, horizon);
    hills.closeSubpath();
    painter.setBrush(QColor(0x5b, 0x3f, 0x6a));
    painter.drawPath(hills);

    fillVertical(painter, QRectF(0, horizon, Width, Height - horizon), QColor(0xf0, 0xa0, 0x6e),
                 QColor(0x2a, 0x4a, 0x78));
    // The sun's reflection, broken by ripples.
    for (int stripe = 0; stripe < 7; ++stripe) {
        const qreal y = horizon + 6 + stripe * 10;
        const qreal half = 34 - stripe * 3.6;
        painter.setBrush(QColor(255, 230, 150, 210 - stripe * 22));
        painter.drawRoundedRect(QRectF(sun.x() - half + (stripe % 2) * 6, y, 2 * half, 3.5), 1.7, 1.7);
    }
    // The lower half of the sun is under the horizon.
    fillVertical(painter, QRectF(0, horizon, Width, 1.5), QColor(0xf0, 0xa0, 0x6e), QColor(0xf0, 0xa0, 0x6e));

    const QColor shadow(0x26, 0x1f, 0x33);
    // A boat with an angler.
    QPainterPath boat(QPointF(198, 160));
    boat.lineTo(262, 160);
    boat.quadTo(QPointF(256, 172), QPointF(240, 174));
    boat.lineTo(214, 174);
    boat.quadTo(QPointF(202, 172), QPointF(198, 160));
    painter.setBrush(shadow);
    painter.drawPath(boat);
    painter.drawEllipse(QPointF(236, 138), 5.5, 5.5);
    painter.drawRoundedRect(QRectF(229, 143, 13, 18), 4, 4);
    painter.setPen(roundPen(shadow, 2));
    painter.setBrush(Qt::NoBrush);
    QPainterPath rod(QPointF(240, 150));
    rod.quadTo(QPointF(200, 110), QPointF(176, 104));
    painter.drawPath(rod);
    painter.setPen(QPen(shadow, 0.8));
    painter.drawLine(QPointF(176, 104), QPointF(174, 166));

    // Reeds in the foreground.
    for (int reed = 0; reed < 7; ++reed) {
        const QPointF base(10 + reed * 9, Height + 4);
        const QPointF top = base + QPointF((reed % 3 - 1) * 7, -70 - (reed * 37 % 40));
        painter.setPen(roundPen(shadow, 2.4));
        QPainterPath stem(base);
        stem.quadTo(base + QPointF(0, -40), top);
        painter.drawPath(stem);
        if (reed % 2 == 0) {
            painter.setPen(roundPen(QColor(0x3d, 0x26, 0x18), 5.5));
            painter.drawLine(top + QPointF(0, 6), top + QPointF(0, 20));
        }
    }

    // Birds.
    painter.setPen(roundPen(shadow, 1.6));
    for (const QPointF bird : {QPointF(200, 40), QPointF(222, 52), QPointF(186, 58)}) {
        painter.drawArc(QRectF(bird.x() - 8, bird.y(), 8, 8), 30 * 16, 120 * 16);
        painter.drawArc(QRectF(bird.x(), bird.y(), 8, 8), 30 * 16, 120 * 16);
    }
}

} // namespace

QImage joke(int number)
{
    static constexpr void (*Scenes[JokeCount])(QPainter &) = {
        drawFloatBobbing, drawFishInBowTie, drawCatAndBucket, drawTangledLine, drawBootOnHook, drawSunrise,
    };
    Q_ASSERT(number >= 1 && number <= JokeCount);
    return render(JokeSize, 2, Qt::white, Scenes[number - 1]);
}

} // namespace lynvar::pictures
