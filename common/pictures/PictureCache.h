// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/pictures/PictureResult.h"

#include <QHash>
#include <QMutex>
#include <list>
#include <optional>

namespace lynvar::pictures {

// Decoded pictures by key, the least recently used dropped first once their pixels pass the byte limit.
// A picture larger than the whole limit is not kept. Safe to use from several threads.
class PictureCache final
{
public:
    explicit PictureCache(qint64 limitBytes) : m_limit(limitBytes) {}

    [[nodiscard]] std::optional<PictureResult> find(const QString &key);
    void insert(const QString &key, const PictureResult &picture);
    void clear();
    [[nodiscard]] qint64 bytes() const;

private:
    struct Entry
    {
        QString key;
        PictureResult picture;
        qint64 bytes;
    };
    using Entries = std::list<Entry>;

    void drop(Entries::iterator entry);

    mutable QMutex m_mutex;
    Entries m_entries; // most recently used first
    QHash<QString, Entries::iterator> m_index;
    qint64 m_bytes = 0;
    const qint64 m_limit;
};

} // namespace lynvar::pictures
