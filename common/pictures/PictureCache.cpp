// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/pictures/PictureCache.h"

namespace lynvar::pictures {

std::optional<PictureResult> PictureCache::find(const QString &key)
{
    const QMutexLocker lock(&m_mutex);
    const auto found = m_index.constFind(key);
    if (found == m_index.cend())
        return std::nullopt;
    m_entries.splice(m_entries.begin(), m_entries, found.value());
    return found.value()->picture;
}

void PictureCache::insert(const QString &key, const PictureResult &picture)
{
    const qint64 bytes = picture.image.sizeInBytes();
    const QMutexLocker lock(&m_mutex);
    if (const auto old = m_index.constFind(key); old != m_index.cend())
        drop(old.value());
    if (bytes > m_limit)
        return;
    while (m_bytes + bytes > m_limit)
        drop(std::prev(m_entries.end()));
    m_entries.push_front({key, picture, bytes});
    m_index.insert(key, m_entries.begin());
    m_bytes += bytes;
}

void PictureCache::clear()
{
    const QMutexLocker lock(&m_mutex);
    m_index.clear();
    m_entries.clear();
    m_bytes = 0;
}

qint64 PictureCache::bytes() const
{
    const QMutexLocker lock(&m_mutex);
    return m_bytes;
}

void PictureCache::drop(Entries::iterator entry)
{
    m_bytes -= entry->bytes;
    m_index.remove(entry->key);
    m_entries.erase(entry);
}

} // namespace lynvar::pictures
