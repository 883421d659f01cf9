// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace lynvar::pictures {

// Runs draw on a canvas `factor` times larger than size, in the coordinates of the final picture, and
// scales the result down with averaging: the cheap way to smooth edges that clipping leaves jagged.
inline QImage render(QSize size, int factor, const QColor &background,
                     const std::function<void(QPainter &)> &draw)
{
    QImage big(size * factor, QImage::Format_RGB32);
    big.fill(background);
    {
        QPainter painter(&big);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(factor, factor);
        draw(painter);
    }
    return big.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

inline QFont sansFont(qreal pixelSize, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qRound(pixelSize));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

inline QPen roundPen(const QColor &color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A cloud of three bumps on a flat base, filling the rectangle.
inline QPainterPath cloudPath(const QRectF &r)
{
    const qreal w = r.width();
    const qreal h = r.height();
    QPainterPath path;
    path.addRoundedRect(QRectF(r.left(), r.top() + h * 0.45, w, h * 0.55), h * 0.27, h * 0.27);
    const QRectF bumps[] = {
        {r.left() + w * 0.08, r.top() + h * 0.28, w * 0.36, h * 0.6},
        {r.left() + w * 0.27, r.top(), w * 0.46, h * 0.82},
        {r.left() + w * 0.58, r.top() + h * 0.22, w * 0.34, h * 0.6},
    };
    for (const QRectF &bump : bumps) {
        QPainterPath circle;
        circle.addEllipse(bump);
        path = path.united(circle);
    }
    return path;
}

} // namespace lynvar::pictures
