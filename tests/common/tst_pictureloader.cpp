// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Error.h"
#include "common/pictures/PictureLoader.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <optional>
#include <thread>
#include <vector>

using namespace Qt::StringLiterals;
using lynvar::PictureLoader;

class TestPictureLoader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void scale_data();
    void scale();
    void orientation_data();
    void orientation();
    void colourModels_data();
    void colourModels();
    void errors_data();
    void errors();
    void loadOrThrowThrowsTheError();

    void cacheHitSharesThePixels();
    void changedFileIsDecodedAgain();
    void cacheStaysWithinItsLimit();
    void decodesFromSeveralThreads();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString write(const QString &name, const QByteArray &bytes) const;

    std::optional<QTemporaryDir> m_dir;
};

namespace {

enum class Model
{
    Rgb,
    Progressive,
    Gray,
    Cmyk
};

// Encodes through libjpeg itself, which also writes what Qt's writer cannot (CMYK).
QByteArray encodeJpeg(const QImage &picture, Model model = Model::Rgb)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = model == Model::Gray ? 1 : model == Model::Cmyk ? 4 : 3;
    info.in_color_space = model == Model::Gray ? JCS_GRAYSCALE : model == Model::Cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    if (model == Model::Progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(std::size_t(rgb.width()) * 4);
    for (int y = 0; y < rgb.height(); ++y) {
        const uchar *in = rgb.constScanLine(y);
        for (int x = 0; x < rgb.width(); ++x, in += 3) {
            if (model == Model::Gray)
                row[x] = JSAMPLE(qGray(in[0], in[1], in[2]));
            else if (model == Model::Cmyk) // inverted, as Adobe writes it: white K, the colour in C, M, Y
                std::copy(in, in + 3, &row[x * 4]), row[x * 4 + 3] = 255;
            else
                std::copy(in, in + 3, &row[x * 3]);
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char *>(out), qsizetype(size));
    std::free(out);
    return bytes;
}

// Four quarters in colours that survive JPEG: red, green / blue, yellow.
QImage quarters(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const int w = size.width() / 2, h = size.height() / 2;
    painter.fillRect(0, 0, w, h, Qt::red);
    painter.fillRect(w, 0, size.width() - w, h, Qt::green);
    painter.fillRect(0, h, w, size.height() - h, Qt::blue);
    painter.fillRect(w, h, size.width() - w, size.height() - h, Qt::yellow);
    return image;
}

// The colours near the corners, top left, top right, bottom left, bottom right, as letters; in a grey
// picture, by the grey each colour gives.
QString corners(const QImage &image)
{
    static const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 0)};
    const auto letter = [&](int x, int y) {
        const QRgb c = image.pixel(x, y);
        for (int i = 0; i < 4; ++i) {
            const int g = qGray(colours[i]);
            const QRgb e = image.isGrayscale() ? qRgb(g, g, g) : colours[i];
            const int distance =
                std::abs(qRed(c) - qRed(e)) + std::abs(qGreen(c) - qGreen(e)) + std::abs(qBlue(c) - qBlue(e));
            if (distance < 60)
                return QChar(u"RGBY"[i]);
        }
        return QChar(u'?');
    };
    const int r = image.width() - 4, b = image.height() - 4;
    const QChar letters[] = {letter(3, 3), letter(r, 3), letter(3, b), letter(r, b)};
    return QString(letters, 4);
}

// The payload of an APP1 segment holding one IFD entry for the orientation.
QByteArray exifPayload(int orientation, bool bigEndian, quint16 type = 3, quint32 directory = 8)
{
    QByteArray tiff = bigEndian ? "MM" : "II";
    const auto put = [&](quint32 value, int width) {
        for (int i = 0; i < width; ++i)
            tiff.append(char(value >> (8 * (bigEndian ? width - 1 - i : i))));
    };
    put(42, 2);
    put(directory, 4);
    put(1, 2);           // entries
    put(0x0112, 2);      // orientation
    put(type, 2);        // SHORT
    put(1, 4);           // count
    put(orientation, 2); // value, left-aligned
    put(0, 2);
    put(0, 4); // no next IFD
    return QByteArray("Exif\0\0", 6) + tiff;
}

QByteArray withApp1(const QByteArray &jpeg, const QByteArray &payload)
{
    const qsizetype length = payload.size() + 2;
    const QByteArray segment = QByteArray("\xFF\xE1") + char(length >> 8) + char(length & 0xFF) + payload;
    return jpeg.left(2) + segment + jpeg.mid(2);
}

// A JPEG whose frame header claims another size than its data hold.
QByteArray withClaimedSize(QByteArray jpeg, int width, int height)
{
    const qsizetype frame = jpeg.indexOf("\xFF\xC0");
    jpeg[frame + 5] = char(height >> 8);
    jpeg[frame + 6] = char(height);
    jpeg[frame + 7] = char(width >> 8);
    jpeg[frame + 8] = char(width);
    return jpeg;
}

// A progressive JPEG whose first scan comes again and again, as a hostile file may hold it.
QByteArray withRepeatedScan(const QByteArray &jpeg, int times)
{
    const qsizetype scan = jpeg.indexOf("\xFF\xDA");
    qsizetype end = scan + 2 + (quint8(jpeg[scan + 2]) << 8 | quint8(jpeg[scan + 3]));
    while (!(quint8(jpeg[end]) == 0xFF && jpeg[end + 1] != 0 && (quint8(jpeg[end + 1]) & 0xF8) != 0xD0))
        ++end;
    return jpeg.left(scan) + jpeg.mid(scan, end - scan).repeated(times) + jpeg.mid(scan);
}

QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

void TestPictureLoader::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
}

QString TestPictureLoader::write(const QString &name, const QByteArray &bytes) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test picture");
    return file.fileName();
}

void TestPictureLoader::scale_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QSize>("view");
    QTest::addColumn<QSize>("expected");
    QTest::addColumn<QSize>("full");

    const QByteArray jpeg = encodeJpeg(quarters({800, 600}));
    const QSize wide(800, 600), tall(600, 800);
    const QByteArray turned = withApp1(jpeg, exifPayload(6, false));
    QTest::newRow("no view: full size") << jpeg << QSize() << QSize(800, 600) << wide;
    QTest::newRow("1/8 covers exactly") << jpeg << QSize(100, 75) << QSize(100, 75) << wide;
    QTest::newRow("one side enough: 1/8") << jpeg << QSize(101, 75) << QSize(100, 75) << wide;
    QTest::newRow("one pixel more both ways: 1/4") << jpeg << QSize(101, 76) << QSize(200, 150) << wide;
    QTest::newRow("1/2") << jpeg << QSize(300, 200) << QSize(400, 300) << wide;
    QTest::newRow("a narrow view fits by its width") << jpeg << QSize(10, 450) << QSize(100, 75) << wide;
    QTest::newRow("1/1") << jpeg << QSize(500, 450) << QSize(800, 600) << wide;
    QTest::newRow("view larger than the picture") << jpeg << QSize(1000, 1000) << QSize(800, 600) << wide;
    QTest::newRow("odd size rounds up")
        << encodeJpeg(quarters({801, 601})) << QSize(100, 75) << QSize(101, 76) << QSize(801, 601);
    QTest::newRow("turned: covers when upright") << turned << QSize(75, 100) << QSize(75, 100) << tall;
    QTest::newRow("turned: wide view") << turned << QSize(100, 75) << QSize(75, 100) << tall;
    QTest::newRow("turned: needs 1/4") << turned << QSize(76, 101) << QSize(150, 200) << tall;
    QTest::newRow("PNG at the same scale")
        << png(quarters({800, 600})) << QSize(300, 200) << QSize(400, 300) << wide;
}

void TestPictureLoader::scale()
{
    QFETCH(QByteArray, file);
    QFETCH(QSize, view);
    QFETCH(QSize, expected);
    QFETCH(QSize, full);

    PictureLoader loader;
    const lynvar::PictureResult result = loader.load(write(u"p.jpg"_s, file), view);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(result.image.size(), expected);
    QCOMPARE(result.fullSize, full);
    QCOMPARE(corners(result.image).contains(u'?'), false);
}

void TestPictureLoader::orientation_data()
{
    QTest::addColumn<QByteArray>("app1");
    QTest::addColumn<QString>("expected");

    const QString upright = u"RGBY"_s;
    const char *shown[] = {"", "RGBY", "GRYB", "YBGR", "BYRG", "RBGY", "BRYG", "YGBR", "GYRB"};
    for (const bool bigEndian : {false, true}) {
        for (int orientation = 1; orientation <= 8; ++orientation) {
            QTest::addRow("%d %s", orientation, bigEndian ? "MM" : "II")
                << exifPayload(orientation, bigEndian) << QString::fromLatin1(shown[orientation]);
        }
    }
    QTest::newRow("no EXIF") << QByteArray() << upright;
    QTest::newRow("value 0") << exifPayload(0, false) << upright;
    QTest::newRow("value 9") << exifPayload(9, true) << upright;
    QTest::newRow("not SHORT") << exifPayload(6, false, 4) << upright;
    QTest::newRow("directory beyond the block") << exifPayload(6, false, 3, 0xFFFFFFF0) << upright;
    QTest::newRow("entry cut short") << exifPayload(6, true).left(22) << upright;
    QTest::newRow("only the header") << QByteArray("Exif\0\0", 6) << upright;
    QTest::newRow("XMP, not EXIF") << QByteArray("http://ns.adobe.com/xap/1.0/\0<x/>", 33) << upright;
    QTest::newRow("bad byte order") << exifPayload(6, false).replace("II", "IM") << upright;
}

void TestPictureLoader::orientation()
{
    QFETCH(QByteArray, app1);
    QFETCH(QString, expected);

    QByteArray jpeg = encodeJpeg(quarters({64, 32}));
    if (!app1.isEmpty())
        jpeg = withApp1(jpeg, app1);
    PictureLoader loader;
    const lynvar::PictureResult result = loader.load(write(u"p.jpg"_s, jpeg), QSize());
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(corners(result.image), expected);
    const bool turned = QStringList{u"RBGY"_s, u"BRYG"_s, u"YGBR"_s, u"GYRB"_s}.contains(expected);
    QCOMPARE(result.image.size(), turned ? QSize(32, 64) : QSize(64, 32));
}

void TestPictureLoader::colourModels_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected");

    const QImage picture = quarters({64, 48});
    QTest::newRow("baseline") << encodeJpeg(picture) << u"RGBY"_s;
    QTest::newRow("progressive") << encodeJpeg(picture, Model::Progressive) << u"RGBY"_s;
    QTest::newRow("CMYK") << encodeJpeg(picture, Model::Cmyk) << u"RGBY"_s;
    QTest::newRow("PNG named .jpg") << png(picture) << u"RGBY"_s;
    QTest::newRow("grayscale") << encodeJpeg(picture, Model::Gray) << u"RGBY"_s;
}

void TestPictureLoader::colourModels()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, expected);

    PictureLoader loader;
    const lynvar::PictureResult result = loader.load(write(u"p.jpg"_s, file), QSize(16, 12));
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(result.image.size(), QSize(16, 12));
    QCOMPARE(corners(result.image), expected);
    QVERIFY(!result.image.hasAlphaChannel() || result.image.pixelColor(8, 6).alpha() == 255);
}

void TestPictureLoader::errors_data()
{
    QTest::addColumn<QByteArray>("file"); // null: no file at all
    QTest::addColumn<QString>("expected");

    const QByteArray jpeg = encodeJpeg(quarters({320, 240}));
    QTest::newRow("missing") << QByteArray() << u"does not exist"_s;
    QTest::newRow("zero bytes") << QByteArray("") << u"empty"_s;
    QTest::newRow("cut in the picture data") << jpeg.left(jpeg.size() / 2) << u"ends before"_s;
    QTest::newRow("cut in the header") << jpeg.left(100) << u"ends before"_s;
    QTest::newRow("20000 × 20000 by its header")
        << withClaimedSize(jpeg, 20000, 20000) << u"100 megapixels"_s;
    QTest::newRow("JPEG start, then junk") << QByteArray("\xFF\xD8junk junk junk") << u"ends before"_s;
    QTest::newRow("bad marker length")
        << QByteArray("\xFF\xD8\xFF\xC0\x00\x01") + QByteArray(32, 8) << u"damaged"_s;
    QTest::newRow("zero width") << withClaimedSize(jpeg, 0, 240) << u"damaged"_s;
    QTest::newRow("600 scans") << withRepeatedScan(encodeJpeg(quarters({64, 48}), Model::Progressive), 600)
                               << u"scans"_s;
    QTest::newRow("text") << QByteArray("not a picture at all\n") << u"not a picture"_s;
    QTest::newRow("PNG cut short") << png(quarters({320, 240})).left(60) << u"damaged"_s;
}

void TestPictureLoader::errors()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, expected);

    const QString picture = file.isNull() ? path(u"missing.jpg"_s) : write(u"broken.jpg"_s, file);
    PictureLoader loader;
    const lynvar::PictureResult result = loader.load(picture, QSize(64, 48));
    QVERIFY(!result.ok());
    QVERIFY(result.image.isNull());
    QVERIFY2(result.error.contains(picture), qPrintable(result.error));
    QVERIFY2(result.error.contains(expected), qPrintable(result.error));
    QCOMPARE(loader.cachedBytes(), 0);
}

void TestPictureLoader::loadOrThrowThrowsTheError()
{
    PictureLoader loader;
    const QString picture = write(u"empty.jpg"_s, QByteArray());
    const QString expected = loader.load(picture, QSize()).error;
    QVERIFY(!expected.isEmpty());
    QVERIFY_THROWS_EXCEPTION(lynvar::Error, loader.loadOrThrow(picture, QSize()));
    try {
        loader.loadOrThrow(picture, QSize());
    } catch (const lynvar::Error &e) {
        QCOMPARE(e.message(), expected);
    }
    QCOMPARE(loader.loadOrThrow(write(u"good.jpg"_s, encodeJpeg(quarters({64, 32}))), QSize()).size(),
             QSize(64, 32));
}

void TestPictureLoader::cacheHitSharesThePixels()
{
    PictureLoader loader;
    const QString picture = write(u"p.jpg"_s, encodeJpeg(quarters({800, 600})));
    const QImage first = loader.load(picture, QSize(100, 75)).image;
    QCOMPARE(loader.cachedBytes(), first.sizeInBytes());
    QCOMPARE(loader.load(picture, QSize(100, 75)).image.cacheKey(), first.cacheKey());
    QVERIFY(loader.load(picture, QSize(400, 300)).image.cacheKey() != first.cacheKey());
    loader.clearCache();
    QCOMPARE(loader.cachedBytes(), 0);
    QVERIFY(loader.load(picture, QSize(100, 75)).image.cacheKey() != first.cacheKey());
}

void TestPictureLoader::changedFileIsDecodedAgain()
{
    PictureLoader loader;
    const QString picture = write(u"p.jpg"_s, encodeJpeg(quarters({64, 32})));
    QCOMPARE(corners(loader.load(picture, QSize()).image), u"RGBY"_s);
    write(u"p.jpg"_s, encodeJpeg(quarters({64, 32}).mirrored(true, false)));
    QFile file(picture);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(10), QFileDevice::FileModificationTime));
    file.close();
    QCOMPARE(corners(loader.load(picture, QSize()).image), u"GRYB"_s);
}

void TestPictureLoader::cacheStaysWithinItsLimit()
{
    const QByteArray jpeg = encodeJpeg(quarters({200, 150})); // 120,000 bytes decoded
    PictureLoader loader(300'000);
    QList<QImage> first;
    for (const QString &name : {u"1.jpg"_s, u"2.jpg"_s, u"3.jpg"_s})
        first.append(loader.load(write(name, jpeg), QSize()).image);
    QCOMPARE(loader.cachedBytes(), 240'000);
    QVERIFY(loader.load(path(u"1.jpg"_s), QSize()).image.cacheKey() != first[0].cacheKey());
    QCOMPARE(loader.load(path(u"3.jpg"_s), QSize()).image.cacheKey(), first[2].cacheKey());

    PictureLoader tiny(100'000);
    QVERIFY(tiny.load(path(u"1.jpg"_s), QSize()).ok());
    QCOMPARE(tiny.cachedBytes(), 0);
}

void TestPictureLoader::decodesFromSeveralThreads()
{
    PictureLoader loader(200'000);
    const QStringList pictures = {write(u"a.jpg"_s, encodeJpeg(quarters({320, 240}))),
                                  write(u"b.jpg"_s, encodeJpeg(quarters({240, 320}), Model::Progressive))};
    std::atomic<int> wrong = 0;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 40; ++i) {
                const lynvar::PictureResult r = loader.load(pictures[(t + i) % 2], QSize(40 * (i % 4), 30));
                if (!r.ok() || corners(r.image) != u"RGBY"_s)
                    ++wrong;
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    QCOMPARE(wrong.load(), 0);
}

QTEST_GUILESS_MAIN(TestPictureLoader)
#include "tst_pictureloader.moc"
