// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

namespace lynvar::exiftime {

// When a camera took the photo: EXIF DateTimeOriginal, else the picture's DateTime, as local time.
// Nothing for a file that is not a JPEG or carries no valid time. Reads at most the file's first
// 128 KB; every offset is checked, so a damaged header gives nothing, never a crash.
std::optional<QDateTime> takenAt(const QString &jpegPath);
// The same for the first bytes of a JPEG file.
std::optional<QDateTime> takenAt(const QByteArray &jpegStart);

} // namespace lynvar::exiftime
