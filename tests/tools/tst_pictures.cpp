// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Error.h"
#include "tools/pictures/Pictures.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;
namespace pictures = lynvar::pictures;

namespace {

const QPoint MoonCentre(32, 32);
constexpr int MoonRadius = 26;

void writeSeed(const QString &path, const QStringList &keys)
{
    QJsonArray rows;
    int id = 1;
    for (const QString &key : keys) {
        rows.append(
            QJsonObject{{u"ID"_s, id++}, {u"NameLat"_s, key}, {u"NameUkr"_s, key}, {u"NameRus"_s, key}});
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QJsonDocument(rows).toJson());
}

void writeText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QImage readJpeg(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (reader.format() != "jpeg") {
        return {};
    }
    return reader.read();
}

// Mean brightness of the pixels inside the disk.
double meanDiskBrightness(const QImage &image, int fromX = 0, int toX = 64)
{
    double sum = 0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = fromX; x < toX; ++x) {
            const QPointF d = QPointF(x + 0.5, y + 0.5) - QPointF(MoonCentre);
            if (std::hypot(d.x(), d.y()) <= MoonRadius) {
                sum += qGray(image.pixel(x, y));
                ++count;
            }
        }
    }
    return sum / count;
}

bool isArrowBlue(QRgb pixel)
{
    return qBlue(pixel) - qRed(pixel) > 60;
}

int largestDifference(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

int countPixels(const QImage &image, bool (*match)(QRgb))
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += match(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void everyPictureIsAJpegOfItsSize_data();
    void everyPictureIsAJpegOfItsSize();
    void writesNothingElse();

    void moonGrowsUntilFullThenShrinks();
    void moonIsLitOnTheSunwardSide_data();
    void moonIsLitOnTheSunwardSide();
    void moonLitAreaFollowsThePhase_data();
    void moonLitAreaFollowsThePhase();

    void windArrowPointsDownwind_data();
    void windArrowPointsDownwind();
    void calmIsACircle();

    void precipitationShowsItsWords_data();
    void precipitationShowsItsWords();
    void precipitationSymbolsDiffer();

    void readsKeysInFileOrder();
    void brokenSeedFileThrows_data();
    void brokenSeedFileThrows();
    void seedKeysDecideTheKeyedPictures();
    void missingSeedFilesGiveTheUsualKeys();
    void shippedSeedKeysAreAllUnderstood();

private:
    QTemporaryDir m_dir;
    QString m_out;
    QStringList m_written;
};

void TestPictures::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString seed = m_dir.filePath(u"seed"_s);
    QVERIFY(QDir().mkpath(seed));
    writeSeed(seed + u"/Viter.json"_s, pictures::defaultWindKeys());
    writeSeed(seed + u"/Opady.json"_s, pictures::defaultPrecipitationKeys());
    m_out = m_dir.filePath(u"shipped"_s);
    m_written = pictures::writeAll(m_out, seed);
}

void TestPictures::everyPictureIsAJpegOfItsSize_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    for (int age = 0; age < pictures::MoonAges; ++age) {
        const QString path = u"pogoda/moon/m%1.jpg"_s.arg(age);
        QTest::newRow(qPrintable(path)) << path << pictures::MoonSize;
    }
    for (const QString &key : pictures::defaultWindKeys()) {
        const QString path = u"pogoda/viter/"_s + key + u".jpg"_s;
        QTest::newRow(qPrintable(path)) << path << pictures::WindSize;
    }
    for (const QString &key : pictures::defaultPrecipitationKeys()) {
        const QString path = u"pogoda/opady/"_s + key + u".jpg"_s;
        QTest::newRow(qPrintable(path)) << path << pictures::PrecipitationSize;
    }
    QTest::newRow("fish/no_photo.jpg") << u"fish/no_photo.jpg"_s << pictures::FishPlaceholderSize;
    QTest::newRow("kuhnya/no-photo.jpg") << u"kuhnya/no-photo.jpg"_s << pictures::RecipePlaceholderSize;
    for (int number = 1; number <= pictures::JokeCount; ++number) {
        const QString path = u"prikol/%1.jpg"_s.arg(number);
        QTest::newRow(qPrintable(path)) << path << pictures::JokeSize;
    }
}

void TestPictures::everyPictureIsAJpegOfItsSize()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFile file(m_out + u'/' + path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    QVERIFY(file.read(3) == QByteArray("\xFF\xD8\xFF", 3));
    file.close();
    const QImage image = readJpeg(file.fileName());
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), size);
}

void TestPictures::writesNothingElse()
{
    const int expected = pictures::MoonAges + int(pictures::defaultWindKeys().size()) +
                         int(pictures::defaultPrecipitationKeys().size()) + 2 + pictures::JokeCount;
    QCOMPARE(m_written.size(), expected);
    QStringList onDisk;
    QDir root(m_out);
    for (const QString &folder :
         {u"pogoda/moon"_s, u"pogoda/viter"_s, u"pogoda/opady"_s, u"fish"_s, u"kuhnya"_s, u"prikol"_s}) {
        for (const QString &name : QDir(root.filePath(folder)).entryList(QDir::Files)) {
            onDisk << folder + u'/' + name;
        }
    }
    onDisk.sort();
    QStringList written = m_written;
    written.sort();
    QCOMPARE(onDisk, written);
}

void TestPictures::moonGrowsUntilFullThenShrinks()
{
    QList<double> brightness;
    for (int age = 0; age < pictures::MoonAges; ++age) {
        const QImage image = readJpeg(m_out + u"/pogoda/moon/m%1.jpg"_s.arg(age));
        QVERIFY(!image.isNull());
        brightness << meanDiskBrightness(image);
    }
    for (int age = 0; age < 14; ++age) {
        QVERIFY2(brightness.at(age + 1) > brightness.at(age), qPrintable(u"age %1"_s.arg(age + 1)));
    }
    for (int age = 15; age < pictures::MoonAges - 1; ++age) {
        QVERIFY2(brightness.at(age + 1) < brightness.at(age), qPrintable(u"age %1"_s.arg(age + 1)));
    }
    const auto brightest = std::max_element(brightness.cbegin(), brightness.cend()) - brightness.cbegin();
    QVERIFY(brightest >= 14 && brightest <= 16);
    QVERIFY(brightness.at(0) < 70);
    QVERIFY(brightness.at(15) > 170);
}

void TestPictures::moonIsLitOnTheSunwardSide_data()
{
    QTest::addColumn<int>("age");
    QTest::addColumn<bool>("rightBrighter");
    QTest::newRow("young crescent") << 3 << true;
    QTest::newRow("waxing crescent") << 4 << true;
    QTest::newRow("first quarter") << 7 << true;
    QTest::newRow("waxing gibbous") << 11 << true;
    QTest::newRow("waning gibbous") << 19 << false;
    QTest::newRow("last quarter") << 22 << false;
    QTest::newRow("old crescent") << 25 << false;
    QTest::newRow("last crescent") << 27 << false;
}

void TestPictures::moonIsLitOnTheSunwardSide()
{
    QFETCH(int, age);
    QFETCH(bool, rightBrighter);
    const QImage image = readJpeg(m_out + u"/pogoda/moon/m%1.jpg"_s.arg(age));
    QVERIFY(!image.isNull());
    const double left = meanDiskBrightness(image, 0, 32);
    const double right = meanDiskBrightness(image, 32, 64);
    if (rightBrighter) {
        QVERIFY2(right > left + 10, qPrintable(u"left %1, right %2"_s.arg(left).arg(right)));
    } else {
        QVERIFY2(left > right + 10, qPrintable(u"left %1, right %2"_s.arg(left).arg(right)));
    }
}

void TestPictures::moonLitAreaFollowsThePhase_data()
{
    QTest::addColumn<int>("age");
    for (const int age : {0, 2, 4, 7, 9, 11, 15, 19, 22, 25, 27, 29}) {
        QTest::newRow(qPrintable(u"m%1"_s.arg(age))) << age;
    }
}

// The terminator is an ellipse, so the lit share of the disk is (1 - cos(phase angle)) / 2.
void TestPictures::moonLitAreaFollowsThePhase()
{
    QFETCH(int, age);
    const QImage image = pictures::moon(age);
    int disk = 0;
    int lit = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QPointF d = QPointF(x + 0.5, y + 0.5) - QPointF(MoonCentre);
            if (std::hypot(d.x(), d.y()) <= MoonRadius) {
                ++disk;
                lit += qGray(image.pixel(x, y)) > 110 ? 1 : 0;
            }
        }
    }
    const double share = double(lit) / disk;
    const double expected = pictures::moonLitFraction(age);
    QVERIFY2(std::abs(share - expected) < 0.04,
             qPrintable(u"lit %1, expected %2"_s.arg(share).arg(expected)));
}

void TestPictures::windArrowPointsDownwind_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QPointF>("downwind");
    const double diagonal = std::sqrt(0.5);
    QTest::newRow("N") << u"N"_s << QPointF(0, 1);
    QTest::newRow("S") << u"S"_s << QPointF(0, -1);
    QTest::newRow("E") << u"E"_s << QPointF(-1, 0);
    QTest::newRow("W") << u"W"_s << QPointF(1, 0);
    QTest::newRow("NE") << u"NE"_s << QPointF(-diagonal, diagonal);
    QTest::newRow("SW") << u"SW"_s << QPointF(diagonal, -diagonal);
    QTest::newRow("lower case nw") << u"nw"_s << QPointF(diagonal, diagonal);
}

// The arrow head is the only part of the arrow much wider than its shaft: it must lie downwind.
void TestPictures::windArrowPointsDownwind()
{
    QFETCH(QString, key);
    QFETCH(QPointF, downwind);
    const QImage image = pictures::wind(key);
    const QPointF centre(image.width() / 2.0, image.height() / 2.0);
    const QPointF across(-downwind.y(), downwind.x());
    int head = 0;
    int headUpwind = 0;
    double along = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!isArrowBlue(image.pixel(x, y))) {
                continue;
            }
            const QPointF d = QPointF(x + 0.5, y + 0.5) - centre;
            if (std::abs(QPointF::dotProduct(d, across)) > 2.6) {
                ++head;
                along += QPointF::dotProduct(d, downwind);
                headUpwind += QPointF::dotProduct(d, downwind) < 0 ? 1 : 0;
            }
        }
    }
    QVERIFY(head > 8);
    QCOMPARE(headUpwind, 0);
    QVERIFY2(along / head > 8, qPrintable(u"head at %1 downwind"_s.arg(along / head)));
    if (key == "N"_L1) {
        QVERIFY(along / head + centre.y() > image.height() / 2.0);
    }
}

void TestPictures::calmIsACircle()
{
    const QImage image = pictures::wind(u"calm"_s);
    QVERIFY(countPixels(image, isArrowBlue) > 40);
    QVERIFY(largestDifference(image, image.mirrored(true, false)) < 24);
    QVERIFY(largestDifference(image, image.mirrored(false, true)) < 24);
    QVERIFY(image != pictures::wind(u"breeze"_s));
}

void TestPictures::precipitationShowsItsWords_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("yellow");
    QTest::addColumn<bool>("blue");
    QTest::newRow("clear") << u"clear"_s << true << false;
    QTest::newRow("partly_cloudy") << u"partly_cloudy"_s << true << false;
    QTest::newRow("cloudy") << u"cloudy"_s << false << false;
    QTest::newRow("overcast") << u"overcast"_s << false << false;
    QTest::newRow("rain") << u"rain"_s << false << true;
    QTest::newRow("showers") << u"showers"_s << true << true;
    QTest::newRow("thunderstorm") << u"thunderstorm"_s << true << false;
    QTest::newRow("snow") << u"snow"_s << false << true;
    QTest::newRow("sleet") << u"sleet"_s << false << true;
    QTest::newRow("fog") << u"fog"_s << false << false;
    QTest::newRow("drizzle") << u"drizzle"_s << false << true;
    QTest::newRow("hail") << u"hail"_s << false << true;
    QTest::newRow("thunderstorm with rain") << u"thunderstorm_rain"_s << true << true;
    QTest::newRow("unknown word") << u"volcanic_ash"_s << false << false;
}

void TestPictures::precipitationShowsItsWords()
{
    QFETCH(QString, key);
    QFETCH(bool, yellow);
    QFETCH(bool, blue);
    const QImage image = pictures::precipitation(key);
    QCOMPARE(image.size(), pictures::PrecipitationSize);
    const auto isYellow = [](QRgb p) { return qRed(p) > 200 && qGreen(p) > 140 && qBlue(p) < 110; };
    QCOMPARE(countPixels(image, isYellow) > 10, yellow);
    QCOMPARE(countPixels(image, isArrowBlue) > 10, blue);
}

void TestPictures::precipitationSymbolsDiffer()
{
    QStringList keys = pictures::defaultPrecipitationKeys();
    keys << u"volcanic_ash"_s;
    QList<QImage> images;
    for (const QString &key : keys) {
        images << pictures::precipitation(key);
    }
    for (int i = 0; i < images.size(); ++i) {
        for (int j = i + 1; j < images.size(); ++j) {
            QVERIFY2(images.at(i) != images.at(j), qPrintable(keys.at(i) + u" looks like "_s + keys.at(j)));
        }
    }
}

void TestPictures::readsKeysInFileOrder()
{
    const QString path = m_dir.filePath(u"order.json"_s);
    writeText(path, R"([{"ID": 1, "NameLat": "W"}, {"ID": 2}, {"ID": 3, "NameLat": ""},
                        {"ID": 4, "NameLat": "calm", "NameUkr": "штиль"}, {"ID": 5, "NameLat": "E"}])");
    QCOMPARE(pictures::readKeys(path), (QStringList{u"W"_s, u"calm"_s, u"E"_s}));
}

void TestPictures::brokenSeedFileThrows_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("not JSON") << QByteArray("[{\"NameLat\": \"N\",");
    QTest::newRow("not an array") << QByteArray("{\"NameLat\": \"N\"}");
}

void TestPictures::brokenSeedFileThrows()
{
    QFETCH(QByteArray, text);
    const QString path = m_dir.filePath(u"broken.json"_s);
    writeText(path, text);
    QVERIFY_THROWS_EXCEPTION(lynvar::Error, (void)pictures::readKeys(path));
    QVERIFY_THROWS_EXCEPTION(lynvar::Error, (void)pictures::readKeys(m_dir.filePath(u"absent.json"_s)));
}

void TestPictures::seedKeysDecideTheKeyedPictures()
{
    QTemporaryDir dir;
    const QString seed = dir.filePath(u"seed"_s);
    const QString out = dir.filePath(u"out"_s);
    QVERIFY(QDir().mkpath(seed));
    QVERIFY(QDir().mkpath(out + u"/pogoda/viter"_s));
    writeText(out + u"/pogoda/viter/NNW.jpg"_s, "left over from an older seed");
    writeSeed(seed + u"/Viter.json"_s, {u"N"_s, u"calm"_s, u"../escape"_s});
    writeSeed(seed + u"/Opady.json"_s, {u"rain"_s, u"volcanic_ash"_s});

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"skipping the key"_s));
    const QStringList written = pictures::writeAll(out, seed);
    QVERIFY(written.contains(u"pogoda/viter/N.jpg"_s));
    const QDir::SortFlags byName = QDir::Name | QDir::IgnoreCase;
    QCOMPARE(QDir(out + u"/pogoda/viter"_s).entryList(QDir::Files, byName),
             (QStringList{u"calm.jpg"_s, u"N.jpg"_s}));
    QCOMPARE(QDir(out + u"/pogoda/opady"_s).entryList(QDir::Files, byName),
             (QStringList{u"rain.jpg"_s, u"volcanic_ash.jpg"_s}));
    QVERIFY(!QFile::exists(dir.filePath(u"out/pogoda/escape.jpg"_s)));
}

void TestPictures::missingSeedFilesGiveTheUsualKeys()
{
    QTemporaryDir dir;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"Viter.json.*missing"_s));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"Opady.json.*missing"_s));
    (void)pictures::writeAll(dir.path(), dir.filePath(u"no-seed"_s));
    QCOMPARE(QDir(dir.filePath(u"pogoda/viter"_s)).entryList(QDir::Files).size(),
             pictures::defaultWindKeys().size());
    QCOMPARE(QDir(dir.filePath(u"pogoda/opady"_s)).entryList(QDir::Files).size(),
             pictures::defaultPrecipitationKeys().size());
}

// Every key the handbook ships must get a symbol of its own, not the question mark of an unknown word.
void TestPictures::shippedSeedKeysAreAllUnderstood()
{
    const QString seed = QStringLiteral(LYNVAR_SOURCE_DIR) + u"/seed/reference"_s;
    if (!QFile::exists(seed + u"/Viter.json"_s) || !QFile::exists(seed + u"/Opady.json"_s)) {
        QSKIP("the seed files are not there yet");
    }
    const QImage unknownWind = pictures::wind(u"?"_s);
    for (const QString &key : pictures::readKeys(seed + u"/Viter.json"_s)) {
        QVERIFY2(pictures::wind(key) != unknownWind, qPrintable(u"wind key "_s + key));
    }
    const QImage unknownWeather = pictures::precipitation(u"?"_s);
    const QStringList keys = pictures::readKeys(seed + u"/Opady.json"_s);
    QList<QImage> symbols;
    for (const QString &key : keys) {
        symbols << pictures::precipitation(key);
        QVERIFY2(symbols.last() != unknownWeather, qPrintable(u"precipitation key "_s + key));
    }
    for (int i = 0; i < symbols.size(); ++i) {
        for (int j = i + 1; j < symbols.size(); ++j) {
            QVERIFY2(symbols.at(i) != symbols.at(j), qPrintable(keys.at(i) + u" looks like "_s + keys.at(j)));
        }
    }
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
