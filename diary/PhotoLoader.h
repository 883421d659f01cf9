// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diary/DiaryPictures.h"

#include <QObject>
#include <QThreadPool>
#include <optional>

namespace lynvar {

/*
 * Decodes catch photos off the user-interface thread, so that moving through the diary never waits
 * for a large photo.
 *
 * The newest request wins: at most one decode runs at a time, and while it runs only the latest
 * request waits behind it; every older one is dropped, and a result that is no longer the latest
 * request is never delivered. A photo still in the picture cache is answered at once, inside
 * request(). Results arrive on the thread the loader lives on. The destructor waits for a running
 * decode, so no result can reach a loader that is gone.
 */
class PhotoLoader final : public QObject
{
    Q_OBJECT
public:
    explicit PhotoLoader(QObject *parent = nullptr);
    ~PhotoLoader() override;

    // `userAsked` travels with the answer (the user clicked the photo, rather than moving to an entry).
    void request(const QString &path, QSize viewSize, bool userAsked = false);
    // Drops whatever was asked and not yet answered.
    void cancel();
    // Nothing is being decoded or waiting.
    bool isIdle() const { return !m_running && !m_waiting; }

Q_SIGNALS:
    void loaded(const QString &path, const lynvar::DiaryPicture &picture, bool userAsked);
    // Every request was answered or dropped.
    void idle();

private:
    struct Request
    {
        QString path;
        QSize viewSize;
        bool userAsked = false;
        quint64 number = 0;
    };
    void start(const Request &request);
    void finished(const Request &request, const DiaryPicture &picture);

    QThreadPool m_pool;
    quint64 m_latest = 0;
    bool m_running = false;
    std::optional<Request> m_waiting;
};

} // namespace lynvar

Q_DECLARE_METATYPE(lynvar::DiaryPicture)
