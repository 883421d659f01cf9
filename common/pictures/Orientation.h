// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QSize>

namespace lynvar::pictures {

// EXIF orientation, as cameras record it: 1 is upright, 2-8 the mirrored and turned variants.
// Values 5 to 8 swap the picture's width and height.
constexpr int kUpright = 1;

// The orientation in the payload of an APP1 segment ("Exif\0\0" and a TIFF block, either byte order).
// Anything else, or a malformed block, reads as upright.
[[nodiscard]] int exifOrientation(QByteArrayView app1);

[[nodiscard]] bool swapsAxes(int orientation);

// The stored picture turned and mirrored so that it shows as the camera saw it.
[[nodiscard]] QImage applyOrientation(QImage stored, int orientation);

// The divisor (1, 2, 4 or 8) that shrinks a picture of the given upright size the most while it still
// covers the view in both directions; 1 for an empty view. Covering the view, rather than fitting into it,
// keeps a view's decision whether to enlarge the picture the same as at full size.
[[nodiscard]] int scaleDivisor(QSize upright, QSize view);

[[nodiscard]] int divideUp(int value, int divisor);

} // namespace lynvar::pictures
