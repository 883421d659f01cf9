// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/pictures/Orientation.h"

#include <QTransform>
#include <cstring>

namespace lynvar::pictures {

namespace {

constexpr quint16 kOrientationTag = 0x0112;
constexpr quint16 kTypeShort = 3;
constexpr qsizetype kEntrySize = 12;

// Reads the numbers of a TIFF block; every read outside the block gives nothing.
class TiffBlock
{
public:
    explicit TiffBlock(QByteArrayView bytes) : m_bytes(bytes) {}

    bool readByteOrder()
    {
        if (m_bytes.size() < 8 || m_bytes[0] != m_bytes[1])
            return false;
        if (m_bytes[0] != 'I' && m_bytes[0] != 'M')
            return false;
        m_bigEndian = m_bytes[0] == 'M';
        return read(2, 2) == 42;
    }

    // The unsigned number of `width` bytes at `offset`, or -1 when it lies outside the block.
    qint64 read(qint64 offset, int width) const
    {
        if (offset < 0 || offset > m_bytes.size() - width)
            return -1;
        qint64 value = 0;
        for (int i = 0; i < width; ++i) {
            const auto byte = quint8(m_bytes[offset + (m_bigEndian ? i : width - 1 - i)]);
            value = (value << 8) | byte;
        }
        return value;
    }

private:
    QByteArrayView m_bytes;
    bool m_bigEndian = false;
};

} // namespace

int exifOrientation(QByteArrayView app1)
{
    static constexpr char kExif[] = {'E', 'x', 'i', 'f', 0, 0};
    if (app1.size() < qsizetype(sizeof kExif) || std::memcmp(app1.data(), kExif, sizeof kExif) != 0)
        return kUpright;
    TiffBlock tiff(app1.sliced(sizeof kExif));
    if (!tiff.readByteOrder())
        return kUpright;
    const qint64 directory = tiff.read(4, 4);
    const qint64 entries = tiff.read(directory, 2);
    for (qint64 i = 0; i < entries; ++i) {
        const qint64 entry = directory + 2 + i * kEntrySize;
        const qint64 tag = tiff.read(entry, 2);
        if (tag < 0)
            break;
        if (tag != kOrientationTag)
            continue;
        if (tiff.read(entry + 2, 2) != kTypeShort)
            return kUpright;
        const qint64 value = tiff.read(entry + 8, 2);
        return value >= 1 && value <= 8 ? int(value) : kUpright;
    }
    return kUpright;
}

bool swapsAxes(int orientation)
{
    return orientation >= 5 && orientation <= 8;
}

QImage applyOrientation(QImage stored, int orientation)
{
    // Quarter turns are exact in QTransform, and QImage turns them without resampling.
    const auto turned = [](const QImage &image, int degrees) {
        return image.transformed(QTransform().rotate(degrees));
    };
    switch (orientation) {
    case 2:
        return std::move(stored).mirrored(true, false);
    case 3:
        return std::move(stored).mirrored(true, true);
    case 4:
        return std::move(stored).mirrored(false, true);
    case 5:
        return turned(std::move(stored).mirrored(true, false), 270);
    case 6:
        return turned(stored, 90);
    case 7:
        return turned(std::move(stored).mirrored(true, false), 90);
    case 8:
        return turned(stored, 270);
    default:
        return stored;
    }
}

int divideUp(int value, int divisor)
{
    return (value + divisor - 1) / divisor;
}

// libjpeg rounds a scaled size up, and turning commutes with it, so the upright size can be divided.
// Pictures are shown whole with their proportions kept, so a scale is enough once either side reaches
// the view's: the other side then still covers what the fitted picture needs.
int scaleDivisor(QSize upright, QSize view)
{
    if (view.isEmpty() || upright.isEmpty())
        return 1;
    for (const int divisor : {8, 4, 2}) {
        if (divideUp(upright.width(), divisor) >= view.width() ||
            divideUp(upright.height(), divisor) >= view.height())
            return divisor;
    }
    return 1;
}

} // namespace lynvar::pictures
