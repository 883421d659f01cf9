// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/pictures/PictureResult.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

namespace lynvar {

class PictureView;

// What loading a handbook picture gives: the picture, possibly scaled down for its view, or why not.
using HandbookPicture = PictureResult;

// The handbook pages decode a picture file through the shared picture loader: `view` is the size (device
// pixels) the picture will be shown at, so a large photo is decoded no larger than needed (empty: full size).
// Never throws.
[[nodiscard]] HandbookPicture loadPicture(const QString &path, QSize view);

// Whether a name taken from a record may stand in a picture's file name: a name that is empty or could
// leave the picture folder (a separator, "..", NUL) names no picture.
[[nodiscard]] bool isPictureName(const QString &name);

/*
 * The picture file one view shows.
 *
 * Each load decodes the file for the view's present size and remembers it; when the view later
 * grows past what was decoded, the file is decoded again (quietly: a file gone since keeps the
 * smaller picture). A load "with the fit rule" sets the view's stretch switch from the picture's full
 * size: on only when the picture is at least as wide and as tall as the view. The rule is applied
 * again whenever the view is resized, since a view on a page not yet shown has no settled size.
 */
class PictureSlot final : public QObject
{
    Q_OBJECT
public:
    enum class Fit
    {
        KeepStretch,
        ApplyFitRule
    };

    explicit PictureSlot(PictureView *view);

    PictureView *view() const { return m_view; }
    // The file shown; empty when the view shows nothing.
    const QString &file() const { return m_file; }

    // For a refresh after a record change: false when the file cannot be shown; the view is then empty.
    bool show(const QString &path, Fit fit);
    // For a picture the user asked for: a failure throws lynvar::Error and the view keeps what it showed.
    void showOrThrow(const QString &path, Fit fit);
    void clear();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QSize viewPixels() const;
    void showLoaded(const QString &path, const HandbookPicture &picture, Fit fit);
    void applyFitRule();

    PictureView *m_view; // owns the slot
    QString m_file;
    QSize m_fullSize;
    bool m_fitRule = false;
};

} // namespace lynvar
