// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/pictures/PictureResult.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

namespace lynvar {

// What loading a picture gave: the picture, upright and no larger than needed, or why not.
using DiaryPicture = PictureResult;

/*
 * Every picture the diary shows (catch photos, the placeholder, weather and moon pictures) is read
 * through the program's shared picture loader.
 *
 * A picture is decoded just large enough to fill a view of `viewSize` (device pixels) with its
 * proportions kept, never larger than it is; an empty viewSize decodes it whole. It is turned upright
 * by its EXIF orientation. A failure is an error text, never an exception.
 *
 * Decoded pictures are kept in a small cache (by path, modification time, file size and view size),
 * so a photo shown a moment ago shows again at once. Every function may be called from any thread.
 */
namespace diarypictures {

DiaryPicture load(const QString &path, QSize viewSize);
// The cached picture, without reading the file's pixels; nothing when it is not cached.
std::optional<DiaryPicture> cached(const QString &path, QSize viewSize);
void clearCache();

// The fit rule of the picture views: stretch only when the picture is at least as wide and at least
// as tall as the view, so a larger picture is shrunk to fit and a smaller one keeps its size.
bool stretchFor(QSize fullSize, QSize viewSize);

} // namespace diarypictures
} // namespace lynvar
