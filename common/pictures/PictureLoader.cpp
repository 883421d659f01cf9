// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/pictures/PictureLoader.h"

#include "common/Error.h"
#include "common/pictures/JpegDecoder.h"
#include "common/pictures/Orientation.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace lynvar {

namespace {

PictureResult failure(const QString &name, const QString &problem)
{
    return {QImage(), QSize(), u"Cannot show the picture '%1': %2"_s.arg(name, problem)};
}

// Formats other than JPEG, through Qt's readers, at the same scale as a JPEG would get.
PictureResult decodeWithQt(QIODevice &device, QSize view, qint64 maxPixels)
{
    QImageReader reader(&device);
    reader.setAutoTransform(true);
    if (!reader.canRead())
        return {QImage(), QSize(), u"it is not a picture this program can read"_s};
    const QSize stored = reader.size();
    if (qint64(stored.width()) * stored.height() > maxPixels) {
        return {QImage(), QSize(),
                u"it has %1 × %2 pixels, and pictures over %3 megapixels are not shown"_s.arg(stored.width())
                    .arg(stored.height())
                    .arg(maxPixels / 1'000'000)};
    }
    QSize upright = stored;
    if (reader.transformation() & QImageIOHandler::TransformationRotate90)
        upright.transpose();
    const int divisor = pictures::scaleDivisor(upright, view);
    if (divisor > 1) // Qt scales before it turns
        reader.setScaledSize(
            QSize(pictures::divideUp(stored.width(), divisor), pictures::divideUp(stored.height(), divisor)));
    QImage image = reader.read();
    if (image.isNull())
        return {QImage(), QSize(), u"the file is damaged (%1)"_s.arg(reader.errorString())};
    return {std::move(image), upright.isValid() ? upright : image.size(), QString()};
}

// Files change in place (a photo edited and saved again), so the key holds what a change alters.
QString cacheKey(const QString &path, const struct stat &file, QSize view)
{
    return u"%1\n%2.%3\n%4\n%5x%6"_s.arg(QFileInfo(path).canonicalFilePath())
        .arg(qint64(file.st_mtim.tv_sec))
        .arg(qint64(file.st_mtim.tv_nsec))
        .arg(qint64(file.st_size))
        .arg(view.width())
        .arg(view.height());
}

} // namespace

PictureLoader::PictureLoader(qint64 cacheBytes, qint64 maxPixels)
    : m_cache(cacheBytes), m_maxPixels(maxPixels)
{
}

PictureLoader &PictureLoader::shared()
{
    static PictureLoader loader;
    return loader;
}

PictureResult PictureLoader::load(const QString &path, QSize viewSize)
{
    if (viewSize.isEmpty())
        viewSize = QSize(); // one cache entry for every empty size
    // Looked at before opening: opening a pipe or a device could block, or never end.
    struct stat status
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return failure(path, u"the file does not exist"_s);
    if (!S_ISREG(status.st_mode))
        return failure(path, u"it is not a file"_s);
    if (status.st_size == 0)
        return failure(path, u"the file is empty"_s);

    const QString key = cacheKey(path, status, viewSize);
    if (std::optional<PictureResult> cached = m_cache.find(key))
        return *std::move(cached);

    // Read in pieces rather than mapped or read whole: the file need not sit in memory beside its pixels.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return failure(path, file.errorString());
    const bool jpeg = pictures::looksLikeJpeg(file.read(2));
    if (!file.seek(0))
        return failure(path, file.errorString());
    PictureResult result =
        jpeg ? pictures::decodeJpeg(file, viewSize, m_maxPixels) : decodeWithQt(file, viewSize, m_maxPixels);
    if (!result.ok())
        return failure(path, result.error);
    m_cache.insert(key, result);
    return result;
}

std::optional<PictureResult> PictureLoader::cached(const QString &path, QSize viewSize)
{
    if (viewSize.isEmpty())
        viewSize = QSize();
    struct stat status
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return m_cache.find(cacheKey(path, status, viewSize));
}

QImage PictureLoader::loadOrThrow(const QString &path, QSize viewSize)
{
    PictureResult result = load(path, viewSize);
    if (!result.ok())
        throw Error(result.error);
    return std::move(result.image);
}

PictureResult PictureLoader::decode(QByteArrayView bytes, QSize viewSize, const QString &name) const
{
    if (bytes.isEmpty())
        return failure(name, u"the file is empty"_s);
    PictureResult result;
    if (pictures::looksLikeJpeg(bytes)) {
        result = pictures::decodeJpeg(bytes, viewSize, m_maxPixels);
    } else {
        QByteArray data = QByteArray::fromRawData(bytes.data(), bytes.size());
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        result = decodeWithQt(buffer, viewSize, m_maxPixels);
    }
    if (!result.ok())
        return failure(name, result.error);
    return result;
}

} // namespace lynvar
