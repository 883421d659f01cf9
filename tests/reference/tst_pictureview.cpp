// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Error.h"
#include "controls/PictureView.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using lynvar::PictureView;

class TestPictureView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void showFileDecodesForTheView_data();
    void showFileDecodesForTheView();
    void unreadableFileInARefreshEmptiesTheView();
    void unreadableFileAskedForThrows();
    void growingViewDecodesLarger();

private:
    QString m_photo;  // 800 × 600
    QString m_broken; // a JPEG cut in half
    QTemporaryDir m_dir;
};

void TestPictureView::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QImage picture(800, 600, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    m_photo = m_dir.filePath(u"1.jpg"_s);
    QVERIFY(picture.save(m_photo, "JPEG"));
    QFile photo(m_photo);
    QVERIFY(photo.open(QIODevice::ReadOnly));
    QFile broken(m_broken = m_dir.filePath(u"2.jpg"_s));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write(photo.readAll().chopped(photo.size() / 2));
}

void TestPictureView::showFileDecodesForTheView_data()
{
    QTest::addColumn<QSize>("view");
    QTest::addColumn<QSize>("expected");

    QTest::newRow("small view: 1/8") << QSize(100, 75) << QSize(100, 75);
    QTest::newRow("1/2") << QSize(300, 290) << QSize(400, 300);
    QTest::newRow("view larger than the picture") << QSize(900, 700) << QSize(800, 600);
}

void TestPictureView::showFileDecodesForTheView()
{
    QFETCH(QSize, view);
    QFETCH(QSize, expected);

    PictureView picture;
    picture.resize(view);
    QVERIFY(picture.showFile(m_photo));
    QCOMPARE(picture.picture().size(), expected);
    QCOMPARE(picture.file(), m_photo);
}

void TestPictureView::unreadableFileInARefreshEmptiesTheView()
{
    PictureView picture;
    picture.resize(200, 150);
    QVERIFY(picture.showFile(m_photo));
    QVERIFY(!picture.showFile(m_broken));
    QVERIFY(picture.picture().isNull());
    QVERIFY(picture.pictureRect().isEmpty());
}

void TestPictureView::unreadableFileAskedForThrows()
{
    PictureView picture;
    picture.resize(200, 150);
    picture.showFileOrThrow(m_photo);
    const QImage shown = picture.picture();
    try {
        picture.showFileOrThrow(m_broken);
        QFAIL("no error");
    } catch (const lynvar::Error &e) {
        QVERIFY2(e.message().contains(m_broken), qPrintable(e.message()));
    }
    QCOMPARE(picture.picture().cacheKey(), shown.cacheKey());
    QCOMPARE(picture.file(), m_photo);
}

void TestPictureView::growingViewDecodesLarger()
{
    PictureView picture;
    picture.resize(100, 75);
    picture.show(); // a hidden widget gets its resize events only when shown
    QVERIFY(picture.showFile(m_photo));
    QCOMPARE(picture.picture().size(), QSize(100, 75));
    picture.resize(90, 60); // still covered: kept
    QCOMPARE(picture.picture().size(), QSize(100, 75));
    picture.resize(300, 200);
    QCOMPARE(picture.picture().size(), QSize(400, 300));
    picture.setPicture(QImage(10, 10, QImage::Format_RGB32)); // set directly: not reloaded
    picture.resize(500, 400);
    QCOMPARE(picture.picture().size(), QSize(10, 10));
}

QTEST_MAIN(TestPictureView)
#include "tst_pictureview.moc"
