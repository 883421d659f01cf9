// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/PictureView.h"

#include "common/Error.h"
#include "common/pictures/PictureLoader.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace lynvar {

PictureView::PictureView(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
}

void PictureView::setPicture(const QImage &picture)
{
    m_picture = picture;
    m_file.clear();
    m_fullSize = picture.size();
    update();
}

bool PictureView::showFile(const QString &path)
{
    const PictureResult loaded = PictureLoader::shared().load(path, viewPixels());
    if (!loaded.ok()) {
        clear();
        return false;
    }
    showLoaded(path, loaded);
    return true;
}

void PictureView::showFileOrThrow(const QString &path)
{
    const PictureResult loaded = PictureLoader::shared().load(path, viewPixels());
    if (!loaded.ok())
        throw Error(loaded.error);
    showLoaded(path, loaded);
}

void PictureView::showLoaded(const QString &path, const PictureResult &loaded)
{
    m_picture = loaded.image;
    m_file = path;
    m_fullSize = loaded.fullSize;
    update();
}

QSize PictureView::viewPixels() const
{
    return size() * devicePixelRatio();
}

void PictureView::setStretch(bool stretch)
{
    m_stretch = stretch;
    update();
}

void PictureView::setCentered(bool centered)
{
    m_centered = centered;
    update();
}

QRect PictureView::pictureRect() const
{
    if (m_picture.isNull() || width() <= 0 || height() <= 0)
        return {};
    double scale = std::min(double(width()) / m_picture.width(), double(height()) / m_picture.height());
    if (!m_stretch)
        scale = std::min(scale, 1.0);
    const QSize size(std::max(1, qRound(m_picture.width() * scale)),
                     std::max(1, qRound(m_picture.height() * scale)));
    if (!m_centered)
        return QRect(QPoint(0, 0), size);
    return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

void PictureView::paintEvent(QPaintEvent *)
{
    const QRect target = pictureRect();
    if (target.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_picture);
}

void PictureView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const QSize view = viewPixels();
    const bool covered = m_picture.width() >= view.width() || m_picture.height() >= view.height();
    if (m_file.isEmpty() || covered || m_picture.size() == m_fullSize)
        return;
    // Quietly: a file that became unreadable since keeps its smaller picture.
    const PictureResult loaded = PictureLoader::shared().load(m_file, view);
    if (loaded.ok())
        showLoaded(m_file, loaded);
}

void PictureView::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void PictureView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked();
}

} // namespace lynvar
