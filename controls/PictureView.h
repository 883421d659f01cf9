// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

namespace lynvar {

// A picture that the page loads from a file (fish photos, knot, recipe and joke pictures).
// It keeps its proportions; a picture larger than the view is always shrunk to fit, a smaller one
// is enlarged to fit only while stretch is on. It is centred, or anchored at the top left corner.
class PictureView final : public QWidget
{
    Q_OBJECT
public:
    explicit PictureView(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }
    void clear() { setPicture(QImage()); }

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
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QImage m_picture;
    bool m_stretch = false;
    bool m_centered = true;
};

} // namespace lynvar
