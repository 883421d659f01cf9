// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/HandbookPictures.h"

#include "common/Error.h"
#include "common/pictures/PictureLoader.h"
#include "controls/PictureView.h"

#include <QEvent>
#include <algorithm>

namespace lynvar {
namespace {

// The size to decode a picture of `full` size at for a view of `view`: never larger than the picture,
// and no larger than the view needs.
QSize decodeSize(QSize full, QSize view)
{
    if (!view.isValid() || view.isEmpty() || (full.width() <= view.width() && full.height() <= view.height()))
        return full;
    QSize fitted = full.scaled(view, Qt::KeepAspectRatio);
    return fitted.expandedTo(QSize(1, 1));
}

} // namespace

HandbookPicture loadPicture(const QString &path, QSize view)
{
    return PictureLoader::shared().load(path, view);
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
