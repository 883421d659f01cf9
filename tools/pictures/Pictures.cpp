// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/pictures/Pictures.h"

#include "common/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtDebug>

using namespace Qt::StringLiterals;

namespace lynvar::pictures {

namespace {

// The diary builds the picture's path from the key by plain concatenation, so a key that is not a plain
// file name can never be found: skip it rather than write outside the folder.
bool usableAsFileName(const QString &key)
{
    return !key.isEmpty() && key != "."_L1 && key != ".."_L1 && !key.contains(u'/') && !key.contains(u'\\') &&
           !key.contains(QChar(0));
}

class Writer
{
public:
    explicit Writer(QString outputDir) : m_root(std::move(outputDir)) {}

    void save(const QString &relativePath, const QImage &image)
    {
        const QString path = m_root + u'/' + relativePath;
        const QString folder = QFileInfo(path).absolutePath();
        if (!QDir().mkpath(folder)) {
            throw Error(u"Cannot create the folder %1"_s.arg(QDir::toNativeSeparators(folder)));
        }
        if (!image.save(path, "JPG", 90)) {
            throw Error(u"Cannot write the picture %1"_s.arg(QDir::toNativeSeparators(path)));
        }
        m_written << relativePath;
    }

    // Pictures of keys that have left the seed files must not linger in a keyed folder.
    void clearPictures(const QString &relativeFolder) const
    {
        QDir folder(m_root + u'/' + relativeFolder);
        for (const QString &name : folder.entryList({u"*.jpg"_s}, QDir::Files)) {
            folder.remove(name);
        }
    }

    const QStringList &written() const { return m_written; }

private:
    QString m_root;
    QStringList m_written;
};

QStringList keysOrDefault(const QString &jsonPath, const QStringList &fallback)
{
    if (!QFile::exists(jsonPath)) {
        qWarning().noquote() << "lynvar_pictures:" << QDir::toNativeSeparators(jsonPath)
                             << "is missing; drawing the usual keys instead";
        return fallback;
    }
    return readKeys(jsonPath);
}

void writeKeyed(Writer &writer, const QString &folder, const QStringList &keys,
                QImage (*draw)(const QString &))
{
    writer.clearPictures(folder);
    for (const QString &key : keys) {
        if (!usableAsFileName(key)) {
            qWarning().noquote() << "lynvar_pictures: skipping the key" << key << "in" << folder
                                 << "(not a file name)";
            continue;
        }
        writer.save(folder + u'/' + key + ".jpg"_L1, draw(key));
    }
}

} // namespace

QStringList defaultWindKeys()
{
    return {u"N"_s, u"NE"_s, u"E"_s, u"SE"_s, u"S"_s, u"SW"_s, u"W"_s, u"NW"_s, u"calm"_s};
}

QStringList defaultPrecipitationKeys()
{
    return {u"clear"_s,   u"partly_cloudy"_s, u"cloudy"_s, u"overcast"_s, u"drizzle"_s, u"rain"_s,
            u"showers"_s, u"thunderstorm"_s,  u"snow"_s,   u"sleet"_s,    u"hail"_s,    u"fog"_s};
}

QStringList readKeys(const QString &jsonPath)
{
    QFile file(jsonPath);
    if (!file.open(QIODevice::ReadOnly)) {
        throw Error(u"Cannot read %1: %2"_s.arg(QDir::toNativeSeparators(jsonPath), file.errorString()));
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        throw Error(u"%1 is not valid JSON (at byte %2: %3)"_s.arg(QDir::toNativeSeparators(jsonPath))
                        .arg(parseError.offset)
                        .arg(parseError.errorString()));
    }
    if (!document.isArray()) {
        throw Error(u"%1 must hold an array of rows"_s.arg(QDir::toNativeSeparators(jsonPath)));
    }
    QStringList keys;
    for (const QJsonValue &row : document.array()) {
        const QString key = row.toObject().value("NameLat"_L1).toString();
        if (!key.isEmpty()) {
            keys << key;
        }
    }
    return keys;
}

QStringList writeAll(const QString &outputDir, const QString &seedDir)
{
    // Read both seed files first, so a broken one stops the run before anything is written.
    const QStringList windKeys = keysOrDefault(seedDir + "/Viter.json"_L1, defaultWindKeys());
    const QStringList precipitationKeys =
        keysOrDefault(seedDir + "/Opady.json"_L1, defaultPrecipitationKeys());

    if (!QImageWriter::supportedImageFormats().contains("jpeg")) {
        throw Error(u"Qt cannot write JPEG files here: its JPEG image plugin (libqjpeg) is missing"_s);
    }

    Writer writer(outputDir);
    for (int age = 0; age < MoonAges; ++age) {
        writer.save(u"pogoda/moon/m%1.jpg"_s.arg(age), moon(age));
    }
    writeKeyed(writer, u"pogoda/viter"_s, windKeys, wind);
    writeKeyed(writer, u"pogoda/opady"_s, precipitationKeys, precipitation);
    writer.save(u"fish/no_photo.jpg"_s, fishPlaceholder());
    writer.save(u"kuhnya/no-photo.jpg"_s, recipePlaceholder());
    for (int number = 1; number <= JokeCount; ++number) {
        writer.save(u"prikol/%1.jpg"_s.arg(number), joke(number));
    }
    return writer.written();
}

} // namespace lynvar::pictures
