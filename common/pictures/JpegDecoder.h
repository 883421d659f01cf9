// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/pictures/PictureResult.h"

#include <QByteArrayView>

class QIODevice;

namespace lynvar::pictures {

// Whether the bytes start as a JPEG file does (SOI marker), whatever the file is called.
[[nodiscard]] bool looksLikeJpeg(QByteArrayView bytes);

// Decodes a JPEG held in memory through libjpeg: scaled in the DCT to the smallest of 1/1, 1/2, 1/4 and 1/8
// whose upright result still covers the view (full size for an empty view), then turned upright by its
// EXIF orientation. A picture of more than maxPixels (by its header) is refused before anything is
// allocated for it. Any input is safe: a damaged or truncated file gives an error, never a crash, a hang
// or a message on stderr. The error is a phrase without the file's name. Callable from any thread.
[[nodiscard]] PictureResult decodeJpeg(QByteArrayView bytes, QSize view, qint64 maxPixels);

// The same from a device open for reading, read in small pieces, so a large file never sits whole in
// memory.
[[nodiscard]] PictureResult decodeJpeg(QIODevice &device, QSize view, qint64 maxPixels);

} // namespace lynvar::pictures
