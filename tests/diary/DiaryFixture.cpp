// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/diary/DiaryFixture.h"

#include "diary/PhotoLoader.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSignalSpy>
#include <QTimer>

namespace lynvar::test {

DiaryRun::DiaryRun(const ProgramFolder &folder, bool allPages) : StartedApplication(folder, allPages)
{
    page().setModalRunner([this](QDialog &dialog) {
        dialogsShown << &dialog;
        dialog.show();
        if (onDialog)
            onDialog(dialog);
        if (dialog.isVisible())
            dialog.reject();
    });
}

qint64 DiaryRun::addEntry(const QHash<QString, QVariant> &fields)
{
    const auto keep = onDialog;
    onDialog = nullptr;
    DataSet &entries = diary();
    entries.insert();
    for (auto it = fields.begin(); it != fields.end(); ++it)
        entries.field(it.key()).setValue(it.value());
    entries.post();
    dialogsShown.clear();
    onDialog = keep;
    return entries.field(u"ID").asInteger();
}

bool DiaryRun::waitForPhoto()
{
    PhotoLoader &loader = page().photoLoader();
    if (loader.isIdle())
        return true;
    QSignalSpy idle(&loader, &PhotoLoader::idle);
    return idle.wait(10000);
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QStringList strings(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *text : texts)
        list << QString::fromUtf8(text);
    return list;
}

namespace {

void put16(QByteArray &out, quint16 v, bool big)
{
    const char b[2] = {char(big ? v >> 8 : v & 0xFF), char(big ? v & 0xFF : v >> 8)};
    out.append(b, 2);
}

void put32(QByteArray &out, quint32 v, bool big)
{
    put16(out, quint16(big ? v >> 16 : v & 0xFFFF), big);
    put16(out, quint16(big ? v & 0xFFFF : v >> 16), big);
}

void putEntry(QByteArray &out, quint16 tag, quint16 type, quint32 count, quint32 value, bool big)
{
    put16(out, tag, big);
    put16(out, type, big);
    put32(out, count, big);
    put32(out, value, big);
}

} // namespace

QByteArray withExifTime(const QByteArray &jpeg, const QDateTime &taken, bool bigEndian, bool originalTag)
{
    const QByteArray time = taken.toString(QStringLiteral("yyyy:MM:dd HH:mm:ss")).toLatin1() + '\0';
    QByteArray tiff = bigEndian ? QByteArray("MM") : QByteArray("II");
    put16(tiff, 42, bigEndian);
    put32(tiff, 8, bigEndian);
    // IFD0 at 8 with one entry (18 bytes); the EXIF directory, when used, right after it (18 bytes).
    if (originalTag) {
        put16(tiff, 1, bigEndian);
        putEntry(tiff, 0x8769, 4, 1, 26, bigEndian);
        put32(tiff, 0, bigEndian);
        put16(tiff, 1, bigEndian);
        putEntry(tiff, 0x9003, 2, quint32(time.size()), 44, bigEndian);
        put32(tiff, 0, bigEndian);
    } else {
        put16(tiff, 1, bigEndian);
        putEntry(tiff, 0x0132, 2, quint32(time.size()), 26, bigEndian);
        put32(tiff, 0, bigEndian);
    }
    tiff += time;
    QByteArray segment("\xFF\xE1", 2);
    put16(segment, quint16(2 + 6 + tiff.size()), true);
    segment += QByteArray("Exif\0\0", 6) + tiff;
    return jpeg.left(2) + segment + jpeg.mid(2);
}

QByteArray withOrientation(const QByteArray &jpeg, int orientation)
{
    QByteArray tiff("II");
    put16(tiff, 42, false);
    put32(tiff, 8, false);
    put16(tiff, 1, false);
    // A SHORT value sits in the first two bytes of the value field.
    putEntry(tiff, 0x0112, 3, 1, quint32(orientation), false);
    put32(tiff, 0, false);
    QByteArray segment("\xFF\xE1", 2);
    put16(segment, quint16(2 + 6 + tiff.size()), true);
    segment += QByteArray("Exif\0\0", 6) + tiff;
    return jpeg.left(2) + segment + jpeg.mid(2);
}

QByteArray twoColourJpeg(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width() / 2; ++x)
            image.setPixelColor(x, y, Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 95);
    return bytes;
}

void writeJpeg(const QString &path, QSize size, QColor color, const QDateTime &taken)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    writeBytes(path, taken.isValid() ? withExifTime(bytes, taken) : bytes);
}

} // namespace lynvar::test
