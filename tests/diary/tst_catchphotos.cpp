// SPDX-License-Identifier: GPL-3.0-or-later
// Catch photo folders: their names, which files are photos, copying without overwriting, renaming
// without replacing, the photo times of EXIF headers, and the page's "Добавити фото", drop and open.
#include "diary/CatchPhotos.h"
#include "diary/ExifTime.h"
#include "diary/FileListBox.h"
#include "tests/diary/DiaryFixture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

using namespace lynvar;
using namespace lynvar::test;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray plainJpeg()
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

} // namespace

class TestCatchPhotos : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void folderNameIsStartDateThenNumber_data()
    {
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<qint64>("id");
        QTest::addColumn<QString>("name");
        QTest::newRow("17 May 2014, entry 12") << QDateTime(QDate(2014, 5, 17), QTime(13, 7, 35))
                                               << qint64(12) << QStringLiteral("2014_05_17_12");
        // Minutes (59) would stand where the month (01) belongs with the wrong letters.
        QTest::newRow("month, not minutes")
            << QDateTime(QDate(2014, 1, 5), QTime(23, 59)) << qint64(7) << QStringLiteral("2014_01_05_7");
        QTest::newRow("new entry") << QDateTime(QDate(1899, 12, 30), QTime(0, 0)) << qint64(0)
                                   << QStringLiteral("1899_12_30_0");
    }
    void folderNameIsStartDateThenNumber()
    {
        QFETCH(QDateTime, start);
        QFETCH(qint64, id);
        QFETCH(QString, name);
        QCOMPARE(CatchPhotos::folderName(start, id), name);
        QCOMPARE(CatchPhotos(QStringLiteral("/p")).folderOf(start, id),
                 QStringLiteral("/p/fotoulov/") + name);
    }

    void photosAreJpegFilesInAnyLetterCaseSortedWithoutCase()
    {
        QTemporaryDir dir;
        for (const char *name : {"b.jpg", "A.jpg", "IMG_0001.JPG", "c.txt", "e.jpeg", "d.Jpg"})
            writeBytes(dir.filePath(QString::fromLatin1(name)), "x");
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.jpg")));
        const QString workingFolder = QDir::currentPath();
        QCOMPARE(CatchPhotos::photosIn(dir.path()),
                 (QStringList{QStringLiteral("A.jpg"), QStringLiteral("b.jpg"), QStringLiteral("d.Jpg"),
                              QStringLiteral("IMG_0001.JPG")}));
        QCOMPARE(CatchPhotos::photosIn(dir.filePath(QStringLiteral("missing"))), QStringList());
        QCOMPARE(QDir::currentPath(), workingFolder);
    }

    void addingCopiesUnderTheOwnNameAndNeverOverwrites_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("clash");
        QTest::addColumn<bool>("rootMissing");
        QTest::addColumn<QString>("copiedAs");
        QTest::newRow("plain") << QStringLiteral("Carp.jpg") << false << false << QStringLiteral("Carp.jpg");
        QTest::newRow("upper-case extension")
            << QStringLiteral("IMG_0001.JPG") << false << false << QStringLiteral("IMG_0001.JPG");
        // On this system a backslash is part of the name, not a folder separator.
        QTest::newRow("backslash in the name")
            << QStringLiteral("Pics\\Carp.jpg") << false << false << QStringLiteral("Pics\\Carp.jpg");
        QTest::newRow("clash") << QStringLiteral("Carp.jpg") << true << false << QString();
        QTest::newRow("photos root missing")
            << QStringLiteral("Carp.jpg") << false << true << QStringLiteral("Carp.jpg");
    }
    void addingCopiesUnderTheOwnNameAndNeverOverwrites()
    {
        QFETCH(QString, source);
        QFETCH(bool, clash);
        QFETCH(bool, rootMissing);
        QFETCH(QString, copiedAs);
        QTemporaryDir program;
        QTemporaryDir pictures;
        const CatchPhotos photos(program.path());
        if (!rootMissing)
            QVERIFY(QDir().mkpath(photos.root()));
        const QString folder = photos.folderOf(QDateTime(QDate(2014, 5, 17), QTime()), 12);
        const QString picked = pictures.filePath(source);
        writeBytes(picked, "new photo");
        if (clash)
            writeBytes(folder + QStringLiteral("/Carp.jpg"), "first photo");

        const CatchPhotos::AddResult result = photos.addPhotos(folder, {picked});
        if (clash) {
            QCOMPARE(result.skipped, QStringList{QStringLiteral("Carp.jpg")});
            QCOMPARE(readAll(folder + QStringLiteral("/Carp.jpg")), QByteArray("first photo"));
        } else {
            QCOMPARE(result.copied, QStringList{copiedAs});
            QCOMPARE(readAll(folder + u'/' + copiedAs), QByteArray("new photo"));
        }
        QVERIFY(result.failed.isEmpty());
        QCOMPARE(readAll(picked), QByteArray("new photo"));
    }

    void renamingNeverReplacesAnExistingFolder_data()
    {
        QTest::addColumn<QString>("target"); // what stands at the new name beforehand
        QTest::addColumn<int>("result");
        QTest::newRow("free name") << QString() << int(CatchPhotos::RenameResult::Renamed);
        QTest::newRow("empty folder")
            << QStringLiteral("folder") << int(CatchPhotos::RenameResult::TargetExists);
        QTest::newRow("folder with photos")
            << QStringLiteral("photos") << int(CatchPhotos::RenameResult::TargetExists);
        QTest::newRow("file") << QStringLiteral("file") << int(CatchPhotos::RenameResult::TargetExists);
    }
    void renamingNeverReplacesAnExistingFolder()
    {
        QFETCH(QString, target);
        QFETCH(int, result);
        QTemporaryDir dir;
        const QString from = dir.filePath(QStringLiteral("2014_05_17_12"));
        const QString to = dir.filePath(QStringLiteral("2014_05_20_12"));
        writeBytes(from + QStringLiteral("/a.jpg"), "a");
        if (target == u"folder")
            QVERIFY(QDir().mkpath(to));
        else if (target == u"photos")
            writeBytes(to + QStringLiteral("/b.jpg"), "b");
        else if (target == u"file")
            writeBytes(to, "not a folder");

        QCOMPARE(int(CatchPhotos::renameFolder(from, to)), result);
        if (target.isEmpty()) {
            QCOMPARE(readAll(to + QStringLiteral("/a.jpg")), QByteArray("a"));
            QVERIFY(!QFileInfo::exists(from));
        } else {
            QCOMPARE(readAll(from + QStringLiteral("/a.jpg")), QByteArray("a"));
            QVERIFY(QFileInfo::exists(to));
            QVERIFY(!QFileInfo::exists(to + QStringLiteral("/a.jpg")));
        }
    }

    void renamingSkipsWhatThereIsNothingToDoFor()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("2014_05_17_12"));
        QCOMPARE(CatchPhotos::renameFolder(folder, dir.filePath(QStringLiteral("x"))),
                 CatchPhotos::RenameResult::NothingToMove);
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(CatchPhotos::renameFolder(folder, folder), CatchPhotos::RenameResult::SameName);
        QVERIFY(QFileInfo(folder).isDir());
    }

    void exifTimeIsTakenFromTheHeader_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QDateTime>("taken");
        const QDateTime time(QDate(2014, 5, 17), QTime(6, 12, 40));
        const QByteArray jpeg = plainJpeg();
        QTest::newRow("original, little-endian") << withExifTime(jpeg, time) << time;
        QTest::newRow("original, big-endian") << withExifTime(jpeg, time, true) << time;
        QTest::newRow("picture's time only") << withExifTime(jpeg, time, false, false) << time;
        QTest::newRow("no EXIF") << jpeg << QDateTime();
        QTest::newRow("camera without a clock")
            << withExifTime(jpeg, QDateTime(QDate(1, 1, 1), QTime(0, 0))) << QDateTime();
        QTest::newRow("cut inside the header") << withExifTime(jpeg, time).left(40) << QDateTime();
        QTest::newRow("not a JPEG") << QByteArray("GIF89a....") << QDateTime();
    }
    void exifTimeIsTakenFromTheHeader()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QDateTime, taken);
        QCOMPARE(exiftime::takenAt(bytes).value_or(QDateTime()), taken);
    }

    void addPhotoCopiesThePickedFilesAndNamesASkippedOne()
    {
        ProgramFolder folder;
        DiaryRun run(folder);
        run.showPage(1);
        run.addEntry({{QStringLiteral("Date1"), QDateTime(QDate(2014, 5, 17), QTime(6, 0))}});
        const QString entryFolder = run.page().currentEntryFolder();
        QTemporaryDir pictures;
        for (const char *name : {"Carp.jpg", "Pike.JPG", "Other/Carp.jpg", "map.bmp"})
            writeBytes(pictures.filePath(QString::fromLatin1(name)), name);

        run.dialogs.filesAnswers << QStringList{pictures.filePath(QStringLiteral("Carp.jpg")),
                                                pictures.filePath(QStringLiteral("Pike.JPG")),
                                                pictures.filePath(QStringLiteral("map.bmp"))};
        run.page().ButtonAddFotoUlovuClick();
        QCOMPARE(run.page().FileListSchodennyk->directory(), entryFolder);
        QCOMPARE(run.page().FileListSchodennyk->count(), 2); // the picture that is no JPEG is not listed
        QVERIFY(QFileInfo::exists(entryFolder + QStringLiteral("/map.bmp")));
        QVERIFY(run.dialogs.messages.isEmpty());

        run.dialogs.filesAnswers << QStringList{pictures.filePath(QStringLiteral("Other/Carp.jpg"))};
        run.page().ButtonAddFotoUlovuClick();
        QCOMPARE(readAll(entryFolder + QStringLiteral("/Carp.jpg")), QByteArray("Carp.jpg"));
        QCOMPARE(run.dialogs.messages.size(), 1);
        QVERIFY(run.dialogs.messages.first().contains(QStringLiteral("Carp.jpg")));

        // Cancelled on an entry without a folder: nothing is made, the list shows the photos root.
        run.addEntry({{QStringLiteral("Date1"), QDateTime(QDate(2015, 1, 1), QTime(6, 0))}});
        run.page().ButtonAddFotoUlovuClick();
        QVERIFY(!QFileInfo::exists(run.page().currentEntryFolder()));
        QCOMPARE(run.page().FileListSchodennyk->directory(), run.page().photos().root());
        QVERIFY(run.dialogs.errors.isEmpty());
    }

    void photosDroppedOnTheListAreCopiedAllAtOnce()
    {
        ProgramFolder folder;
        DiaryRun run(folder);
        run.showPage(1);
        run.addEntry({{QStringLiteral("Date1"), QDateTime(QDate(2014, 5, 17), QTime(6, 0))}});
        QTemporaryDir pictures;
        QList<QUrl> urls;
        for (const char *name : {"1.jpg", "2.JPG", "3.jpg"}) {
            writeJpeg(pictures.filePath(QString::fromLatin1(name)));
            urls << QUrl::fromLocalFile(pictures.filePath(QString::fromLatin1(name)));
        }
        QMimeData data;
        data.setUrls(urls);
        QWidget *target = run.page().FileListSchodennyk->viewport();
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QCOMPARE(CatchPhotos::photosIn(run.page().currentEntryFolder()).size(), 3);
        QCOMPARE(run.page().FileListSchodennyk->count(), 3);
    }

    void doubleClickOpensThePhotoWithTheUsersProgram()
    {
        ProgramFolder folder;
        DiaryRun run(folder);
        run.showPage(1);
        run.addEntry({{QStringLiteral("Date1"), QDateTime(QDate(2014, 5, 17), QTime(6, 0))}});
        const QString photo = run.page().currentEntryFolder() + QStringLiteral("/a.jpg");
        writeJpeg(photo);
        run.page().SchodennykTableAfterScroll();
        run.page().FileListSchodennykDblClick(); // nothing selected: nothing opens
        QVERIFY(run.shell.opened.isEmpty());
        run.page().FileListSchodennyk->setCurrentRow(0);
        run.page().FileListSchodennykDblClick();
        QCOMPARE(run.shell.opened, QStringList{photo});
    }
};

QTEST_MAIN(TestCatchPhotos)
#include "tst_catchphotos.moc"
