// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/pictures/PictureCache.h"
#include "common/pictures/PictureResult.h"

#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

namespace lynvar {

// The one road from a picture file to a QImage, for every picture view.
//
// A JPEG (known by its first bytes, whatever the file is called) is decoded by libjpeg-turbo in the DCT
// at the smallest of 1/1, 1/2, 1/4 and 1/8 whose upright result still covers the view in both
// directions, and turned upright by its EXIF orientation; other formats go through QImageReader at the
// same scale. A picture over the pixel limit (100 megapixels) is refused by its header, before anything
// is allocated for it. No input crashes it or hangs it, and libjpeg prints nothing.
//
// Decoded pictures are kept in a small cache, keyed by the file's canonical path, modification time and
// size and the view size asked for, so a changed file is decoded afresh. Every function may be called
// from any thread; decoding runs outside the cache's lock.
class PictureLoader final
{
public:
    static constexpr qint64 kMaxPixels = 100'000'000;
    static constexpr qint64 kCacheBytes = 64LL * 1024 * 1024;

    explicit PictureLoader(qint64 cacheBytes = kCacheBytes, qint64 maxPixels = kMaxPixels);
    PictureLoader(const PictureLoader &) = delete;
    PictureLoader &operator=(const PictureLoader &) = delete;

    // The loader the picture views share, as they share the pixmap cache.
    static PictureLoader &shared();

    // The picture in the file, decoded for a view of viewSize (device pixels; empty: full size).
    // A failure is an error text naming the file; nothing is thrown.
    [[nodiscard]] PictureResult load(const QString &path, QSize viewSize);

    // For a picture the user asked for directly: a failure throws lynvar::Error with the same text.
    QImage loadOrThrow(const QString &path, QSize viewSize);

    // A picture already in memory (a database field), decoded the same way but not cached; name stands
    // for the file in an error text.
    [[nodiscard]] PictureResult decode(QByteArrayView bytes, QSize viewSize, const QString &name) const;

    // The picture as a load with these arguments would give it from the cache, without reading the
    // file's pixels; nothing when it is not cached (or the file changed since).
    [[nodiscard]] std::optional<PictureResult> cached(const QString &path, QSize viewSize);
    void clearCache() { m_cache.clear(); }
    [[nodiscard]] qint64 cachedBytes() const { return m_cache.bytes(); }

private:
    pictures::PictureCache m_cache;
    const qint64 m_maxPixels;
};

} // namespace lynvar
