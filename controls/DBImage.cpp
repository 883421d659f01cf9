// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DBImage.h"

#include "common/pictures/PictureLoader.h"

#include <QPixmap>
#include <QResizeEvent>

namespace lynvar {

DBImage::DBImage(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setMinimumSize(1, 1); // the picture must not hold the view at its own size
    connect(&m_link, &FieldLink::showRecord, this, &DBImage::showRecord);
}

void DBImage::setStretch(bool stretch)
{
    m_stretch = stretch;
    fit();
}

void DBImage::showRecord()
{
    const QVariant value = m_link.value();
    // Full size: the view scales it itself as it resizes. A field that holds no picture shows nothing.
    m_image = value.isNull()
                  ? QImage()
                  : PictureLoader::shared().decode(value.toByteArray(), QSize(), objectName()).image;
    fit();
}

void DBImage::fit()
{
    if (m_image.isNull()) {
        clear();
        return;
    }
    const QSize room = contentsRect().size();
    const bool larger = m_image.width() > room.width() || m_image.height() > room.height();
    if ((larger || m_stretch) && !room.isEmpty())
        setPixmap(QPixmap::fromImage(m_image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    else
        setPixmap(QPixmap::fromImage(m_image));
}

void DBImage::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fit();
}

void DBImage::storePicture(const QByteArray &encoded)
{
    m_link.write(encoded.isEmpty() ? QVariant() : QVariant(encoded));
    showRecord();
}

} // namespace lynvar
