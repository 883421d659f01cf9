// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/DiaryPictures.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMutex>
#include <QMutexLocker>
#include <cmath>
#include <list>
#include <unordered_map>

namespace lynvar::diarypictures {
namespace {

constexpr qint64 CacheBytes = 48LL * 1024 * 1024;

QString errorText(const QString &path, const QString &why)
{
    return QStringLiteral("Не вдалося прочитати картинку %1: %2").arg(path, why);
}

// The size that fills `view` with the picture's proportions, never larger than the picture.
QSize neededSize(QSize upright, QSize view)
{
    if (!view.isValid() || view.isEmpty() || upright.isEmpty())
        return upright;
    const double scale =
        std::min(double(view.width()) / upright.width(), double(view.height()) / upright.height());
    if (scale >= 1.0)
        return upright;
    return QSize(std::max(1, int(std::ceil(upright.width() * scale))),
                 std::max(1, int(std::ceil(upright.height() * scale))));
}

DiaryPicture decode(const QString &path, QSize viewSize)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (!stored.isValid())
        return {{}, {}, errorText(path, reader.errorString())};
    const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    const QSize upright = turned ? stored.transposed() : stored;
    const QSize needed = neededSize(upright, viewSize);
    // The reader scales the picture as stored, before turning it upright.
    if (needed != upright)
        reader.setScaledSize(turned ? needed.transposed() : needed);
    QImage image = reader.read();
    if (image.isNull())
        return {{}, {}, errorText(path, reader.errorString())};
    return {std::move(image), upright, {}};
}

class Cache
{
public:
    std::optional<DiaryPicture> find(const QString &key)
    {
        const QMutexLocker lock(&m_mutex);
        const auto it = m_index.find(key);
        if (it == m_index.end())
            return std::nullopt;
        m_order.splice(m_order.begin(), m_order, it->second);
        return it->second->picture;
    }
    void insert(const QString &key, const DiaryPicture &picture)
    {
        const qint64 bytes = picture.image.sizeInBytes();
        if (bytes > CacheBytes / 4)
            return;
        const QMutexLocker lock(&m_mutex);
        if (m_index.count(key))
            return;
        m_order.push_front({key, picture, bytes});
        m_index.emplace(key, m_order.begin());
        m_bytes += bytes;
        while (m_bytes > CacheBytes && !m_order.empty()) {
            m_bytes -= m_order.back().bytes;
            m_index.erase(m_order.back().key);
            m_order.pop_back();
        }
    }
    void clear()
    {
        const QMutexLocker lock(&m_mutex);
        m_order.clear();
        m_index.clear();
        m_bytes = 0;
    }

private:
    struct Entry
    {
        QString key;
        DiaryPicture picture;
        qint64 bytes;
    };
    QMutex m_mutex;
    std::list<Entry> m_order; // most recently used first
    std::unordered_map<QString, std::list<Entry>::iterator> m_index;
    qint64 m_bytes = 0;
};

Cache &cache()
{
    static Cache instance;
    return instance;
}

// Empty when the file cannot be looked at; a changed file gets another key.
QString keyOf(const QString &path, QSize viewSize)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    return QStringLiteral("%1|%2|%3|%4x%5")
        .arg(info.absoluteFilePath())
        .arg(info.lastModified().toMSecsSinceEpoch())
        .arg(info.size())
        .arg(viewSize.width())
        .arg(viewSize.height());
}

} // namespace

DiaryPicture load(const QString &path, QSize viewSize)
{
    const QString key = keyOf(path, viewSize);
    if (key.isEmpty())
        return {{}, {}, errorText(path, QStringLiteral("файлу немає"))};
    if (auto hit = cache().find(key))
        return *hit;
    DiaryPicture picture = decode(path, viewSize);
    if (picture.ok())
        cache().insert(key, picture);
    return picture;
}

std::optional<DiaryPicture> cached(const QString &path, QSize viewSize)
{
    const QString key = keyOf(path, viewSize);
    if (key.isEmpty())
        return std::nullopt;
    return cache().find(key);
}

void clearCache()
{
    cache().clear();
}

bool stretchFor(QSize fullSize, QSize viewSize)
{
    return fullSize.isValid() && fullSize.width() >= viewSize.width() &&
           fullSize.height() >= viewSize.height();
}

} // namespace lynvar::diarypictures
