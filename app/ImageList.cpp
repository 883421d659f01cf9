// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ImageList.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace lynvar {
namespace {

// One palette for every picture, so the tool bar reads as one set.
namespace ink {
const QColor Text(0x2e, 0x34, 0x36);
const QColor Grey(0x88, 0x8a, 0x85);
const QColor LightGrey(0xba, 0xbd, 0xb6);
const QColor Paper(0xff, 0xff, 0xff);
const QColor Blue(0x34, 0x65, 0xa4);
const QColor DarkBlue(0x20, 0x4a, 0x87);
const QColor Green(0x4e, 0x9a, 0x06);
const QColor Yellow(0xed, 0xd4, 0x00);
const QColor DarkYellow(0xc4, 0xa0, 0x00);
const QColor Wood(0xe9, 0xb9, 0x6e);
const QColor Brown(0x8f, 0x59, 0x02);
const QColor LightBrown(0xc1, 0x7d, 0x11);
const QColor Orange(0xf5, 0x79, 0x00);
const QColor Red(0xcc, 0x00, 0x00);
const QColor LightRed(0xef, 0x29, 0x29);
const QColor Plum(0x75, 0x50, 0x7b);
} // namespace ink

// Every picture is drawn on a 16 x 16 grid; one unit is one pixel at the list's size.
using Glyph = void (*)(QPainter &);

QPen pen(const QColor &color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void stroke(QPainter &p, const QPainterPath &path, const QColor &color, qreal width)
{
    p.strokePath(path, pen(color, width));
}

void box(QPainter &p, const QRectF &rect, const QColor &fill, const QColor &edge)
{
    p.setPen(pen(edge, 1));
    p.setBrush(fill);
    p.drawRect(rect);
}

void lines(QPainter &p, const QList<QRectF> &bars, const QColor &color)
{
    for (const QRectF &bar : bars)
        p.fillRect(bar, color);
}

// A sheet of paper with a few lines of text on it.
void sheet(QPainter &p, const QRectF &rect)
{
    box(p, rect, ink::Paper, ink::Grey);
    const qreal left = rect.left() + 1.5;
    const qreal width = rect.width() - 3;
    // A line every second pixel; the last one is shorter, as the end of a paragraph.
    const int count = int((rect.height() - 3) / 2);
    for (int i = 0; i < count; ++i) {
        const qreal y = rect.top() + 2.5 + 2 * i;
        p.fillRect(QRectF(left, y, i == count - 1 ? width * 0.6 : width, 1), ink::Grey);
    }
}

void bold(QPainter &p)
{
    QPainterPath b;
    b.moveTo(5, 3);
    b.lineTo(5, 13);
    b.moveTo(5, 3);
    b.lineTo(8.5, 3);
    b.cubicTo(10.6, 3, 11.5, 4, 11.5, 5.25);
    b.cubicTo(11.5, 6.5, 10.6, 7.6, 8.5, 7.6);
    b.lineTo(5, 7.6);
    b.moveTo(8.5, 7.6);
    b.lineTo(9, 7.6);
    b.cubicTo(11.3, 7.6, 12.3, 8.7, 12.3, 10.3);
    b.cubicTo(12.3, 11.9, 11.3, 13, 9, 13);
    b.lineTo(5, 13);
    stroke(p, b, ink::Text, 2.2);
}

void italic(QPainter &p)
{
    QPainterPath stem;
    stem.moveTo(9.6, 3);
    stem.lineTo(6.4, 13);
    stroke(p, stem, ink::Text, 1.8);
    QPainterPath serifs;
    serifs.moveTo(7.5, 2.5);
    serifs.lineTo(12, 2.5);
    serifs.moveTo(4, 13.5);
    serifs.lineTo(8.5, 13.5);
    stroke(p, serifs, ink::Text, 1.2);
}

void underline(QPainter &p)
{
    QPainterPath u;
    u.moveTo(4.5, 2);
    u.lineTo(4.5, 7.5);
    u.cubicTo(4.5, 10, 6, 11, 8, 11);
    u.cubicTo(10, 11, 11.5, 10, 11.5, 7.5);
    u.lineTo(11.5, 2);
    stroke(p, u, ink::Text, 1.8);
    p.fillRect(QRectF(3, 13, 10, 1.5), ink::Blue);
}

void alignedLines(QPainter &p, qreal shortLeft)
{
    lines(p,
          {QRectF(2, 3, 12, 1), QRectF(shortLeft, 6, 8, 1), QRectF(2, 9, 12, 1), QRectF(shortLeft, 12, 8, 1)},
          ink::Text);
}
void alignLeft(QPainter &p)
{
    alignedLines(p, 2);
}
void alignCenter(QPainter &p)
{
    alignedLines(p, 4);
}
void alignRight(QPainter &p)
{
    alignedLines(p, 6);
}

void paste(QPainter &p)
{
    box(p, QRectF(2.5, 2.5, 10, 12), ink::LightBrown, ink::Brown);
    box(p, QRectF(5.5, 1.5, 4, 2), ink::LightGrey, ink::Text);
    sheet(p, QRectF(7.5, 6.5, 7, 8));
}

void copy(QPainter &p)
{
    sheet(p, QRectF(1.5, 1.5, 8, 10));
    sheet(p, QRectF(6.5, 4.5, 8, 10));
}

void cut(QPainter &p)
{
    QPainterPath blades;
    blades.moveTo(5.6, 10);
    blades.lineTo(10.5, 1.5);
    blades.moveTo(10.4, 10);
    blades.lineTo(5.5, 1.5);
    stroke(p, blades, ink::Text, 1.4);
    p.setPen(pen(ink::Red, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4.5, 12), 2.2, 2.2);
    p.drawEllipse(QPointF(11.5, 12), 2.2, 2.2);
}

void newRecord(QPainter &p)
{
    QPainterPath page;
    page.moveTo(2.5, 1.5);
    page.lineTo(8.5, 1.5);
    page.lineTo(11.5, 4.5);
    page.lineTo(11.5, 14.5);
    page.lineTo(2.5, 14.5);
    page.closeSubpath();
    p.setPen(pen(ink::Grey, 1));
    p.setBrush(ink::Paper);
    p.drawPath(page);
    QPainterPath fold;
    fold.moveTo(8.5, 1.5);
    fold.lineTo(8.5, 4.5);
    fold.lineTo(11.5, 4.5);
    stroke(p, fold, ink::Grey, 1);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::Green);
    p.drawEllipse(QPointF(11.5, 11.5), 4, 4);
    p.fillRect(QRectF(9, 10.75, 5, 1.5), ink::Paper);
    p.fillRect(QRectF(10.75, 9, 1.5, 5), ink::Paper);
}

void edit(QPainter &p)
{
    p.save();
    p.translate(8, 8);
    p.rotate(-45);
    box(p, QRectF(-4, -2, 8, 4), ink::Yellow, ink::DarkYellow);
    QPainterPath tip;
    tip.moveTo(-4, -2);
    tip.lineTo(-8, 0);
    tip.lineTo(-4, 2);
    tip.closeSubpath();
    p.setPen(pen(ink::Brown, 0.8));
    p.setBrush(ink::Wood);
    p.drawPath(tip);
    QPainterPath lead;
    lead.moveTo(-6.6, -0.7);
    lead.lineTo(-8, 0);
    lead.lineTo(-6.6, 0.7);
    lead.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(ink::Text);
    p.drawPath(lead);
    p.fillRect(QRectF(4, -2, 1.5, 4), ink::LightGrey);
    p.fillRect(QRectF(5.5, -2, 2.3, 4), ink::LightRed);
    p.restore();
}

void save(QPainter &p)
{
    p.setPen(pen(ink::DarkBlue, 1));
    p.setBrush(ink::Blue);
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1, 1);
    box(p, QRectF(4.5, 1.5, 7, 4), ink::LightGrey, ink::DarkBlue);
    p.fillRect(QRectF(9, 2.5, 1.5, 2), ink::DarkBlue);
    box(p, QRectF(3.5, 8.5, 9, 6), ink::Paper, ink::DarkBlue);
    lines(p, {QRectF(5, 10, 6, 1), QRectF(5, 12, 6, 1)}, ink::LightGrey);
}

void font(QPainter &p)
{
    QPainterPath a;
    a.moveTo(1.5, 14);
    a.lineTo(5.5, 2.5);
    a.lineTo(9.5, 14);
    a.moveTo(3.3, 9.5);
    a.lineTo(7.7, 9.5);
    stroke(p, a, ink::Text, 1.6);
    p.setPen(pen(ink::Blue, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12, 11.5), 2, 2.2);
    QPainterPath stem;
    stem.moveTo(14.2, 8.5);
    stem.lineTo(14.2, 14);
    stroke(p, stem, ink::Blue, 1.4);
}

void exportText(QPainter &p)
{
    sheet(p, QRectF(1.5, 1.5, 9, 13));
    QPainterPath arrow;
    arrow.moveTo(7, 9.5);
    arrow.lineTo(11, 9.5);
    arrow.lineTo(11, 6.5);
    arrow.lineTo(15.5, 11);
    arrow.lineTo(11, 15.5);
    arrow.lineTo(11, 12.5);
    arrow.lineTo(7, 12.5);
    arrow.closeSubpath();
    p.setPen(pen(ink::Green.darker(130), 1));
    p.setBrush(ink::Green);
    p.drawPath(arrow);
}

void widgets(QPainter &p)
{
    p.setPen(Qt::NoPen);
    const struct
    {
        QRectF rect;
        QColor color;
    } tiles[] = {{QRectF(1.5, 1.5, 6, 6), ink::Blue},
                 {QRectF(8.5, 1.5, 6, 6), ink::Green},
                 {QRectF(1.5, 8.5, 6, 6), ink::Orange},
                 {QRectF(8.5, 8.5, 6, 6), ink::Plum}};
    for (const auto &tile : tiles) {
        p.setBrush(tile.color);
        p.drawRoundedRect(tile.rect, 1.5, 1.5);
    }
}

void flag(QPainter &p, const QList<QColor> &stripes)
{
    const QRectF field(1.5, 3.5, 13, 9);
    const qreal height = field.height() / qreal(stripes.size());
    for (int i = 0; i < stripes.size(); ++i)
        p.fillRect(QRectF(field.left(), field.top() + i * height, field.width(), height), stripes[i]);
    p.setPen(pen(ink::Grey, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(field);
}
void ukrainian(QPainter &p)
{
    flag(p, {QColor(0x00, 0x57, 0xb7), QColor(0xff, 0xd7, 0x00)});
}
void russian(QPainter &p)
{
    flag(p, {QColor(0xff, 0xff, 0xff), QColor(0x00, 0x39, 0xa6), QColor(0xd5, 0x2b, 0x1e)});
}

void checkBox(QPainter &p)
{
    box(p, QRectF(2.5, 2.5, 11, 11), ink::Paper, ink::Text);
}
void tickedBox(QPainter &p)
{
    checkBox(p);
    QPainterPath tick;
    tick.moveTo(4.5, 8);
    tick.lineTo(7, 10.5);
    tick.lineTo(11.5, 5);
    p.strokePath(tick, QPen(ink::Green, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QImage render(Glyph glyph, QSize size, QIcon::Mode mode)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (size.isEmpty())
        return image;
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal scale = std::min(size.width(), size.height()) / 16.0;
        p.translate((size.width() - 16 * scale) / 2, (size.height() - 16 * scale) / 2);
        p.scale(scale, scale);
        glyph(p);
    }
    if (mode == QIcon::Disabled) {
        // Grey and faint, like the toolkit's own disabled pictures.
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = QColor::fromRgba(qUnpremultiply(line[x]));
                const int grey = 128 + qGray(c.rgb()) / 2;
                line[x] = qPremultiply(qRgba(grey, grey, grey, c.alpha() * 2 / 5));
            }
        }
    }
    return image;
}

class GlyphIconEngine final : public QIconEngine
{
public:
    explicit GlyphIconEngine(Glyph glyph) : m_glyph(glyph) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawImage(rect, render(m_glyph, rect.size() * ratio, mode));
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        return QPixmap::fromImage(render(m_glyph, size, mode));
    }
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine *clone() const override { return new GlyphIconEngine(m_glyph); }
    QString key() const override { return QStringLiteral("LynvarGlyph"); }

private:
    Glyph m_glyph;
};

QIcon drawn(Glyph glyph)
{
    return QIcon(new GlyphIconEngine(glyph));
}

} // namespace

QIcon ImageList::icon(int index) const
{
    return index >= 0 && index < count() ? m_icons[index] : QIcon();
}

QPixmap ImageList::pixmap(int index) const
{
    return index >= 0 && index < count() ? m_icons[index].pixmap(m_size) : QPixmap();
}

ImageList toolImages()
{
    // In ToolImage order.
    return ImageList(QSize(16, 16), {drawn(bold), drawn(italic), drawn(underline), drawn(alignLeft),
                                     drawn(alignCenter), drawn(alignRight), drawn(paste), drawn(copy),
                                     drawn(cut), drawn(newRecord), drawn(edit), drawn(save), drawn(font),
                                     drawn(exportText), drawn(widgets), drawn(ukrainian), drawn(russian)});
}

ImageList placeStatusImages()
{
    return ImageList(QSize(16, 16), {drawn(checkBox), drawn(tickedBox)});
}

int toolImageForStockImage(int stockImage)
{
    switch (stockImage) {
    case 0:
        return ToolImageCut;
    case 1:
        return ToolImageCopy;
    case 2:
        return ToolImagePaste;
    case 4:
        return ToolImageNew;
    case 6:
        return ToolImageEdit;
    case 7:
        return ToolImageSave;
    case 28:
        return ToolImageUnderline;
    case 29:
        return ToolImageItalic;
    case 31:
        return ToolImageBold;
    case 35:
        return ToolImageAlignLeft;
    case 36:
        return ToolImageAlignRight;
    case 37:
        return ToolImageAlignCenter;
    default:
        return -1;
    }
}

} // namespace lynvar
