// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/HandbookPictures.h"

#include "common/Error.h"
#include "controls/PictureView.h"

#include <QEvent>
#include <QImageReader>
#include <algorithm>

namespace lynvar {
namespace {

// A picture's header may claim any size; one beyond this is refused before anything is allocated.
constexpr qint64 MaxPixels = 100'000'000;

// The size to decode a picture of `full` size at for a view of `view`: never larger than the picture,
// and no larger than the view needs.
QSize decodeSize(QSize full, QSize view)
{
    if (!view.isValid() || view.isEmpty() || (full.width() <= view.width() && full.height() <= view.height()))
        return full;
    QSize fitted = full.scaled(view, Qt::KeepAspectRatio);
    return fitted.expandedTo(QSize(1, 1));
}

QString cannotShow(const QString &path, const QString &why)
{
    return QStringLiteral("Cannot show the picture %1: %2").arg(path, why);
}

} // namespace

HandbookPicture loadPicture(const QString &path, QSize view)
{
    HandbookPicture result;
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (!stored.isValid()) {
        result.error = cannotShow(path, reader.errorString());
        return result;
    }
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize upright = turned ? stored.transposed() : stored;
    if (qint64(upright.width()) * upright.height() > MaxPixels) {
        result.error = cannotShow(path, QStringLiteral("the picture is too large"));
        return result;
    }
    const QSize target = decodeSize(upright, view);
    if (target != upright)
        reader.setScaledSize(turned ? target.transposed() : target);
    QImage image = reader.read();
    if (image.isNull()) {
        result.error = cannotShow(path, reader.errorString());
        return result;
    }
    result.image = std::move(image);
    result.fullSize = upright;
    return result;
}

bool isPictureName(const QString &name)
{
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\') && !name.contains(u"..") &&
           !name.contains(QChar(u'\0'));
}

PictureSlot::PictureSlot(PictureView *view) : QObject(view), m_view(view)
{
    view->installEventFilter(this);
}

QSize PictureSlot::viewPixels() const
{
    return m_view->size() * m_view->devicePixelRatio();
}

bool PictureSlot::show(const QString &path, Fit fit)
{
    const HandbookPicture picture = loadPicture(path, viewPixels());
    if (!picture.ok()) {
        clear();
        return false;
    }
    showLoaded(path, picture, fit);
    return true;
}

void PictureSlot::showOrThrow(const QString &path, Fit fit)
{
    const HandbookPicture picture = loadPicture(path, viewPixels());
    if (!picture.ok())
        throw Error(picture.error);
    showLoaded(path, picture, fit);
}

void PictureSlot::clear()
{
    m_file.clear();
    m_fullSize = QSize();
    m_fitRule = false;
    m_view->clear();
}

void PictureSlot::showLoaded(const QString &path, const HandbookPicture &picture, Fit fit)
{
    m_file = path;
    m_fullSize = picture.fullSize;
    m_view->setPicture(picture.image);
    // A placeholder leaves the switch as the last photo set it.
    m_fitRule = fit == Fit::ApplyFitRule;
    if (m_fitRule)
        applyFitRule();
}

void PictureSlot::applyFitRule()
{
    m_view->setStretch(m_fullSize.width() >= m_view->width() && m_fullSize.height() >= m_view->height());
}

bool PictureSlot::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::Resize && !m_file.isEmpty()) {
        if (m_fitRule)
            applyFitRule();
        const QSize wanted = decodeSize(m_fullSize, viewPixels());
        if (m_view->picture().width() < wanted.width() || m_view->picture().height() < wanted.height()) {
            const HandbookPicture picture = loadPicture(m_file, viewPixels());
            if (picture.ok())
                m_view->setPicture(picture.image);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lynvar
