// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/PhotoLoader.h"

#include <QMetaObject>

namespace lynvar {

PhotoLoader::PhotoLoader(QObject *parent) : QObject(parent)
{
    m_pool.setMaxThreadCount(1);
    m_pool.setExpiryTimeout(5000);
}

PhotoLoader::~PhotoLoader()
{
    m_waiting.reset();
    m_pool.waitForDone();
}

void PhotoLoader::request(const QString &path, QSize viewSize, bool userAsked)
{
    const Request asked{path, viewSize, userAsked, ++m_latest};
    m_waiting.reset();
    if (const auto hit = diarypictures::cached(path, viewSize)) {
        Q_EMIT loaded(path, *hit, userAsked);
        if (isIdle())
            Q_EMIT idle();
        return;
    }
    if (m_running) {
        m_waiting = asked;
        return;
    }
    start(asked);
}

void PhotoLoader::cancel()
{
    ++m_latest;
    m_waiting.reset();
}

void PhotoLoader::start(const Request &request)
{
    m_running = true;
    m_pool.start([this, request] {
        const DiaryPicture picture = diarypictures::load(request.path, request.viewSize);
        // Queued to this object's thread; the destructor waits for this task, so `this` is alive.
        QMetaObject::invokeMethod(
            this, [this, request, picture] { finished(request, picture); }, Qt::QueuedConnection);
    });
}

void PhotoLoader::finished(const Request &request, const DiaryPicture &picture)
{
    m_running = false;
    if (request.number == m_latest)
        Q_EMIT loaded(request.path, picture, request.userAsked);
    if (m_waiting) {
        const Request next = *m_waiting;
        m_waiting.reset();
        start(next);
        return;
    }
    Q_EMIT idle();
}

} // namespace lynvar
