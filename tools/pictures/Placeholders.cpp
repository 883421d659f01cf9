// SPDX-License-Identifier: GPL-3.0-or-later
// Shown where a fish, knot, catch or recipe has no photo of its own.
#include "tools/pictures/Canvas.h"
#include "tools/pictures/Pictures.h"

using namespace Qt::StringLiterals;

namespace lynvar::pictures {

namespace {

const QString NoPhoto = u"Фото немає"_s;

} // namespace

QImage fishPlaceholder()
{
    return render(FishPlaceholderSize, 2, QColor(0xee, 0xf1, 0xf4), [](QPainter &painter) {
        painter.setPen(QPen(QColor(0xcb, 0xd3, 0xdc), 2, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(14, 14, 372, 272), 14, 14);

        const QColor line(0x8d, 0x9a, 0xab);
        QPainterPath body(QPointF(108, 130));
        body.cubicTo(QPointF(135, 78), QPointF(215, 62), QPointF(268, 118));
        body.lineTo(QPointF(310, 84));
        body.quadTo(QPointF(294, 130), QPointF(310, 176));
        body.lineTo(QPointF(268, 142));
        body.cubicTo(QPointF(215, 198), QPointF(135, 182), QPointF(108, 130));
        painter.setPen(roundPen(line, 5));
        painter.setBrush(QColor(0xe1, 0xe6, 0xec));
        painter.drawPath(body);

        painter.setBrush(Qt::NoBrush);
        QPainterPath details;
        details.moveTo(168, 100); // gill
        details.quadTo(186, 130, 168, 160);
        details.moveTo(178, 80); // back fin
        details.quadTo(204, 46, 240, 92);
        details.moveTo(192, 140); // side fin
        details.quadTo(204, 164, 226, 152);
        details.moveTo(109, 131); // mouth
        details.lineTo(120, 134);
        painter.drawPath(details);
        painter.drawEllipse(QPointF(140, 116), 7, 7);
        painter.setBrush(line);
        painter.drawEllipse(QPointF(141, 116), 2.5, 2.5);

        painter.setPen(roundPen(line, 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(94, 100), 5, 5);
        painter.drawEllipse(QPointF(84, 82), 4, 4);
        painter.drawEllipse(QPointF(92, 66), 3, 3);

        painter.setPen(QColor(0x74, 0x80, 0x8e));
        painter.setFont(sansFont(24));
        painter.drawText(QRectF(0, 214, 400, 44), Qt::AlignCenter, NoPhoto);
    });
}

QImage recipePlaceholder()
{
    return render(RecipePlaceholderSize, 2, QColor(0xf2, 0xef, 0xea), [](QPainter &painter) {
        const QColor line(0xa0, 0x97, 0x8b);
        painter.setPen(QPen(line, 2.5));
        painter.setBrush(QColor(0xfb, 0xf9, 0xf6));
        painter.drawEllipse(QPointF(100, 62), 40, 40);
        painter.setPen(QPen(line, 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(100, 62), 28, 28);

        painter.setPen(roundPen(line, 2.5));
        QPainterPath fork;
        for (const qreal x : {38.0, 44.0, 50.0}) {
            fork.moveTo(x, 24);
            fork.lineTo(x, 40);
        }
        fork.moveTo(38, 40);
        fork.quadTo(38, 49, 44, 50);
        fork.quadTo(50, 49, 50, 40);
        fork.moveTo(44, 50);
        fork.lineTo(44, 100);
        painter.drawPath(fork);

        QPainterPath blade(QPointF(154, 62));
        blade.lineTo(154, 24);
        blade.quadTo(163, 30, 162, 52);
        blade.lineTo(160, 62);
        blade.closeSubpath();
        painter.setBrush(QColor(0xe4, 0xdf, 0xd8));
        painter.drawPath(blade);
        painter.setPen(roundPen(line, 4));
        painter.drawLine(QPointF(157, 64), QPointF(157, 100));

        painter.setPen(QColor(0x85, 0x7c, 0x70));
        painter.setFont(sansFont(14));
        painter.drawText(QRectF(0, 110, 200, 30), Qt::AlignCenter, NoPhoto);
    });
}

} // namespace lynvar::pictures
