// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/pictures/PictureResult.h"

#include <QImage>
#include <QWidget>

namespace lynvar {

// A picture that the page loads from a file (fish photos, knot, recipe and joke pictures).
// It keeps its proportions; a picture larger than the view is always shrunk to fit, a smaller one
// is enlarged to fit only while stretch is on. It is centred, or anchored at the top left corner.
// A file is decoded by the shared picture loader for the view's size, and again at a larger scale when
// the view grows past what the decoded picture covers.
class PictureView final : public QWidget
{
    Q_OBJECT
public:
    explicit PictureView(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }
    void clear() { setPicture(QImage()); }

    // For a refresh after a record change: a file that cannot be shown leaves the view empty and gives
    // false, so that the refresh goes on (the page may show its placeholder instead).
    bool showFile(const QString &path);
    // For a picture the user asked for: a file that cannot be shown throws lynvar::Error naming it, and
    // the view keeps what it showed.
    void showFileOrThrow(const QString &path);
    // The file shown; empty when the picture was set directly.
    const QString &file() const { return m_file; }

    void setStretch(bool stretch);
    bool stretch() const { return m_stretch; }
    void setCentered(bool centered);
    bool centered() const { return m_centered; }

    // Where the picture is drawn in the view; empty without a picture.
    QRect pictureRect() const;

Q_SIGNALS:
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QSize viewPixels() const;
    void showLoaded(const QString &path, const PictureResult &loaded);

    QImage m_picture;
    QString m_file;
    QSize m_fullSize; // of the file's picture, which m_picture may show scaled down
    bool m_stretch = false;
    bool m_centered = true;
};

} // namespace lynvar
