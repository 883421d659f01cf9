// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/ExifTime.h"

#include <QFile>
#include <cstring>

namespace lynvar::exiftime {
namespace {

constexpr qint64 HeaderBytes = 128 * 1024;
constexpr quint16 TagDateTime = 0x0132;
constexpr quint16 TagExifIfd = 0x8769;
constexpr quint16 TagDateTimeOriginal = 0x9003;
constexpr quint16 TypeAscii = 2;
constexpr quint16 TypeLong = 4;

// The TIFF block of an EXIF segment, read with bounds checks.
class Tiff
{
public:
    explicit Tiff(QByteArrayView bytes) : m_bytes(bytes)
    {
        m_valid = bytes.size() >= 8 &&
                  ((bytes[0] == 'I' && bytes[1] == 'I') || (bytes[0] == 'M' && bytes[1] == 'M'));
        m_little = m_valid && bytes[0] == 'I';
        m_valid = m_valid && u16(2) == 42;
    }
    bool valid() const { return m_valid; }
    quint32 firstIfd() const { return u32(4); }

    // The offset of the entry with `tag` in the directory at `ifd`, or 0.
    quint32 find(quint32 ifd, quint16 tag) const
    {
        if (!fits(ifd, 2))
            return 0;
        const quint16 count = u16(ifd);
        for (quint32 i = 0; i < count; ++i) {
            const quint32 entry = ifd + 2 + 12 * i;
            if (!fits(entry, 12))
                return 0;
            if (u16(entry) == tag)
                return entry;
        }
        return 0;
    }
    std::optional<quint32> longValue(quint32 entry) const
    {
        if (!entry || u16(entry + 2) != TypeLong || u32(entry + 4) != 1)
            return std::nullopt;
        return u32(entry + 8);
    }
    QByteArray text(quint32 entry) const
    {
        if (!entry || u16(entry + 2) != TypeAscii)
            return {};
        const quint32 count = u32(entry + 4);
        const quint32 at = count <= 4 ? entry + 8 : u32(entry + 8);
        if (count == 0 || count > 64 || !fits(at, count))
            return {};
        return m_bytes.sliced(at, count).toByteArray();
    }

private:
    bool fits(quint64 at, quint64 size) const { return at + size <= quint64(m_bytes.size()); }
    quint16 u16(quint32 at) const
    {
        if (!fits(at, 2))
            return 0;
        const auto b0 = quint8(m_bytes[at]), b1 = quint8(m_bytes[at + 1]);
        return m_little ? quint16(b0 | b1 << 8) : quint16(b0 << 8 | b1);
    }
    quint32 u32(quint32 at) const
    {
        if (!fits(at, 4))
            return 0;
        const quint32 hi = u16(m_little ? at + 2 : at), lo = u16(m_little ? at : at + 2);
        return hi << 16 | lo;
    }

    QByteArrayView m_bytes;
    bool m_valid = false;
    bool m_little = false;
};

std::optional<QDateTime> parseTime(const QByteArray &text)
{
    // "YYYY:MM:DD HH:MM:SS", NUL-terminated; cameras without a clock write blanks or zeros.
    const QDateTime time =
        QDateTime::fromString(QString::fromLatin1(text.left(19)), QStringLiteral("yyyy:MM:dd HH:mm:ss"));
    if (!time.isValid() || time.date().year() < 1900)
        return std::nullopt;
    return time;
}

// The TIFF block of the first EXIF segment, or an empty view.
QByteArrayView exifBlock(QByteArrayView jpeg)
{
    if (jpeg.size() < 4 || quint8(jpeg[0]) != 0xFF || quint8(jpeg[1]) != 0xD8)
        return {};
    qsizetype at = 2;
    while (at + 4 <= jpeg.size()) {
        if (quint8(jpeg[at]) != 0xFF)
            return {};
        const quint8 marker = quint8(jpeg[at + 1]);
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9) // image data: no header segments follow
            return {};
        const qsizetype length = quint8(jpeg[at + 2]) << 8 | quint8(jpeg[at + 3]);
        if (length < 2)
            return {};
        const qsizetype body = at + 4;
        const qsizetype end = at + 2 + length;
        if (marker == 0xE1 && end <= jpeg.size() && length >= 8 &&
            std::memcmp(jpeg.data() + body, "Exif\0\0", 6) == 0)
            return jpeg.sliced(body + 6, end - body - 6);
        at = end;
    }
    return {};
}

} // namespace

std::optional<QDateTime> takenAt(const QByteArray &jpegStart)
{
    const Tiff tiff(exifBlock(jpegStart));
    if (!tiff.valid())
        return std::nullopt;
    const quint32 ifd0 = tiff.firstIfd();
    if (const auto exif = tiff.longValue(tiff.find(ifd0, TagExifIfd))) {
        if (auto original = parseTime(tiff.text(tiff.find(*exif, TagDateTimeOriginal))))
            return original;
    }
    return parseTime(tiff.text(tiff.find(ifd0, TagDateTime)));
}

std::optional<QDateTime> takenAt(const QString &jpegPath)
{
    QFile file(jpegPath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return takenAt(file.read(HeaderBytes));
}

} // namespace lynvar::exiftime
