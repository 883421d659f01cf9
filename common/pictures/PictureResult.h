// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace lynvar {

// What a picture load gives: the picture, upright and possibly scaled down for the view, or why not.
struct PictureResult
{
    QImage image;   // null when the load failed
    QSize fullSize; // the upright picture's size at full scale; invalid when the load failed
    QString error;  // for the user, naming the file; empty on success

    bool ok() const { return error.isEmpty(); }
};

} // namespace lynvar
