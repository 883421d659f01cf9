// SPDX-License-Identifier: GPL-3.0-or-later
// The diary's entry view: what the refresh shows for an entry (photos, catch, weather and moon
// pictures, temperatures, pressure), the methods lists, the list's column sort, the weather hints,
// and that an unreadable photo stops neither a refresh nor the start-up.
#include "common/IniFile.h"
#include "controls/DBGrid.h"
#include "controls/PictureView.h"
#include "diary/DiaryPictures.h"
#include "diary/DiaryRules.h"
#include "diary/FileListBox.h"
#include "diary/PhotoLoader.h"
#include "tests/diary/DiaryFixture.h"

#include <QLabel>
#include <QListWidget>
#include <QToolButton>
#include <QtTest>
#include <memory>

using namespace lynvar;
using namespace lynvar::test;

namespace {

QStringList linesOf(const QListWidget *list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

// Shipped pictures the entries below use: the wind "N" and the moon of age 19, and the placeholder;
// no precipitation picture and no moon picture for age -1.
void writePictures(const ProgramFolder &folder)
{
    writeJpeg(folder.file(QStringLiteral("pogoda/viter/N.jpg")), {48, 48});
    writeJpeg(folder.file(QStringLiteral("pogoda/moon/m19.jpg")), {56, 56});
    writeJpeg(folder.file(QStringLiteral("pogoda/moon/m10.jpg")), {56, 56});
    writeJpeg(folder.file(QStringLiteral("fish/no_photo.jpg")), {30, 20}, Qt::gray);
}

} // namespace

class TestDiaryView : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<DiaryRun> m_run;

    SchodennykPage &page() { return m_run->page(); }

    void showEntry(const QString &place)
    {
        QVERIFY(m_run->diary().locate(QStringLiteral("Misce"), place));
        QVERIFY(m_run->waitForPhoto());
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_folder = std::make_unique<ProgramFolder>();
        writePictures(*m_folder);
        m_run = std::make_unique<DiaryRun>(*m_folder);
        m_run->showPage(1);
        // The first entry by number: the current one when the program starts.
        const qint64 broken =
            m_run->addEntry({{QStringLiteral("Misce"), QStringLiteral("unreadable")},
                             {QStringLiteral("Date1"), QDateTime(QDate(2015, 1, 1), QTime(6, 0))},
                             {QStringLiteral("TemperaturaMax"), 12}});
        writeBytes(m_run->page().photos().folderOf(QDateTime(QDate(2015, 1, 1), QTime()), broken) +
                       QStringLiteral("/broken.jpg"),
                   QByteArray("\xFF\xD8\xFF\xE0 not really a photo", 24));
        const qint64 photos =
            m_run->addEntry({{QStringLiteral("Misce"), QStringLiteral("photos")},
                             {QStringLiteral("Date1"), QDateTime(QDate(2014, 5, 17), QTime(6, 0))},
                             {QStringLiteral("Opady"), QStringLiteral("rain")},
                             {QStringLiteral("NaprymVitru"), QStringLiteral("N")},
                             {QStringLiteral("TemperaturaMin"), 5},
                             {QStringLiteral("TemperaturaMax"), 0},
                             {QStringLiteral("Tysk"), QStringLiteral("755")},
                             {QStringLiteral("Ulov"), QStringLiteral("Щука\r\nОкунь\nКороп\r")}});
        const QString folder =
            m_run->page().photos().folderOf(QDateTime(QDate(2014, 5, 17), QTime()), photos);
        writeJpeg(folder + QStringLiteral("/b.jpg"), {64, 48}, Qt::red);
        writeJpeg(folder + QStringLiteral("/A.jpg"), {40, 30}, Qt::blue);
        m_run->addEntry({{QStringLiteral("Misce"), QStringLiteral("no folder")},
                         {QStringLiteral("Date1"), QDateTime(QDate(2014, 1, 1), QTime(6, 0))},
                         {QStringLiteral("NaprymVitru"), QStringLiteral("SSW-missing")},
                         {QStringLiteral("TemperaturaMin"), -3}});
    }

    void cleanupTestCase()
    {
        m_run.reset();
        m_folder.reset();
    }

    void moonAgeFollowsTheRule_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("age");
        QTest::newRow("17 May 2014") << QDate(2014, 5, 17) << 19;
        QTest::newRow("31 December 2013") << QDate(2013, 12, 31) << 28;
        QTest::newRow("1 January 2015") << QDate(2015, 1, 1) << 10;
        QTest::newRow("15 June 2012") << QDate(2012, 6, 15) << 25;
        QTest::newRow("1 January 2014") << QDate(2014, 1, 1) << -1;
        QTest::newRow("no start date") << QDate(1899, 12, 30) << 27;
    }
    void moonAgeFollowsTheRule()
    {
        QFETCH(QDate, date);
        QFETCH(int, age);
        QCOMPARE(diaryrules::moonAge(date), age);
    }

    void itemListsSplitAtAnyLineBreak_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << QString() << QStringList();
        QTest::newRow("CR LF, LF, CR") << QStringLiteral("a\r\nb\nc\rd") << strings({"a", "b", "c", "d"});
        QTest::newRow("break at the end") << QStringLiteral("a\n") << strings({"a"});
        QTest::newRow("only the other text") << QStringLiteral("\nown bait") << strings({"", "own bait"});
    }
    void itemListsSplitAtAnyLineBreak()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(diaryrules::itemLines(text), lines);
    }

    void refreshShowsTheEntry_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QStringList>("photos");
        QTest::addColumn<QString>("photoShown"); // relative to the list's folder, or the placeholder
        QTest::addColumn<QStringList>("catchLines");
        QTest::addColumn<bool>("opady");
        QTest::addColumn<bool>("viter");
        QTest::addColumn<bool>("moon");
        QTest::addColumn<QString>("moonHint");
        QTest::addColumn<QString>("tc1");
        QTest::addColumn<QString>("tc2");
        QTest::addColumn<bool>("pressureUnit");
        QTest::newRow("folder with b.jpg and A.jpg")
            << QStringLiteral("photos") << strings({"A.jpg", "b.jpg"}) << QStringLiteral("A.jpg")
            << QStringList{QStringLiteral("Щука"), QStringLiteral("Окунь"), QStringLiteral("Короп")} << false
            << true << true << QStringLiteral("Місяцю 19 днів") << QStringLiteral("+5C°")
            << QStringLiteral("0C°") << true;
        QTest::newRow("no folder, no pictures")
            << QStringLiteral("no folder") << QStringList() << QStringLiteral("fish/no_photo.jpg")
            << QStringList() << false << false << false << QStringLiteral("Місяцю -1 днів")
            << QStringLiteral("-3C°") << QString() << false;
        QTest::newRow("unreadable photo")
            << QStringLiteral("unreadable") << strings({"broken.jpg"}) << QStringLiteral("broken.jpg")
            << QStringList() << false << false << true << QStringLiteral("Місяцю 10 днів") << QString()
            << QStringLiteral("+12C°") << false;
    }
    void refreshShowsTheEntry()
    {
        QFETCH(QString, place);
        QFETCH(QStringList, photos);
        QFETCH(QString, photoShown);
        QFETCH(QStringList, catchLines);
        QFETCH(bool, opady);
        QFETCH(bool, viter);
        QFETCH(bool, moon);
        QFETCH(QString, moonHint);
        QFETCH(QString, tc1);
        QFETCH(QString, tc2);
        QFETCH(bool, pressureUnit);
        // From an entry that shows every picture, so that nothing is left over from it.
        showEntry(QStringLiteral("photos"));
        showEntry(place);

        SchodennykPage &p = page();
        QCOMPARE(linesOf(p.FileListSchodennyk), photos);
        if (photos.isEmpty()) {
            QCOMPARE(p.FileListSchodennyk->directory(), p.photos().root());
            QCOMPARE(p.photoShown(), m_folder->file(photoShown));
        } else {
            QCOMPARE(p.photoShown(), p.currentEntryFolder() + u'/' + photoShown);
        }
        const bool readable = photoShown != u"broken.jpg";
        QCOMPARE(!p.ImageUlov->picture().isNull(), readable);
        QCOMPARE(linesOf(p.ListBoxUlov), catchLines);
        QCOMPARE(!p.ImageOpady->picture().isNull(), opady);
        QCOMPARE(!p.ImageViter->picture().isNull(), viter);
        QCOMPARE(!p.ImageMoon->picture().isNull(), moon);
        QCOMPARE(p.ImageMoon->toolTip(), moonHint);
        QCOMPARE(p.LabelTC1->text(), tc1);
        QCOMPARE(p.LabelTC2->text(), tc2);
        QCOMPARE(p.LabelTusk->isVisibleTo(p.TabSchodennyk), pressureUnit);
        QVERIFY(m_run->dialogs.errors.isEmpty());
    }

    void photosAreDecodedUprightAndNoLargerThanTheView_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSize>("view");
        QTest::addColumn<QSize>("full");
        QTest::addColumn<QSize>("decoded");
        QTest::addColumn<bool>("redOnTop"); // else red on the left
        QTest::newRow("as stored, whole") << 1 << QSize() << QSize(80, 40) << QSize(80, 40) << false;
        QTest::newRow("as stored, for a small view")
            << 1 << QSize(20, 20) << QSize(80, 40) << QSize(20, 10) << false;
        QTest::newRow("turned, whole") << 6 << QSize() << QSize(40, 80) << QSize(40, 80) << true;
        QTest::newRow("turned, for a small view")
            << 6 << QSize(20, 20) << QSize(40, 80) << QSize(10, 20) << true;
        QTest::newRow("larger view: never enlarged")
            << 6 << QSize(400, 400) << QSize(40, 80) << QSize(40, 80) << true;
    }
    void photosAreDecodedUprightAndNoLargerThanTheView()
    {
        QFETCH(int, orientation);
        QFETCH(QSize, view);
        QFETCH(QSize, full);
        QFETCH(QSize, decoded);
        QFETCH(bool, redOnTop);
        const QString path =
            m_folder->file(QStringLiteral("turned/%1_%2.jpg").arg(orientation).arg(view.width()));
        writeBytes(path, withOrientation(twoColourJpeg({80, 40}), orientation));
        const DiaryPicture picture = diarypictures::load(path, view);
        QVERIFY(picture.ok());
        QCOMPARE(picture.fullSize, full);
        QCOMPARE(picture.image.size(), decoded);
        const QImage &image = picture.image;
        const QColor corner = image.pixelColor(1, 1);
        const QColor other =
            redOnTop ? image.pixelColor(1, image.height() - 2) : image.pixelColor(image.width() - 2, 1);
        QVERIFY2(corner.red() > 150 && corner.blue() < 100, qPrintable(corner.name()));
        QVERIFY2(other.blue() > 150 && other.red() < 100, qPrintable(other.name()));
    }

    void temperaturesAreColouredBySign_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("color");
        QTest::newRow("5") << QVariant(5) << QStringLiteral("+5C°") << QColor(255, 0, 0);
        QTest::newRow("0") << QVariant(0) << QStringLiteral("0C°") << QColor(0, 0, 255);
        QTest::newRow("-3") << QVariant(-3) << QStringLiteral("-3C°") << QColor(0, 0, 255);
        QTest::newRow("empty") << QVariant() << QString() << QColor(0, 0, 255);
    }
    void temperaturesAreColouredBySign()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, text);
        QFETCH(QColor, color);
        DataSet &diary = m_run->diary();
        QVERIFY(diary.locate(QStringLiteral("Misce"), QStringLiteral("no folder")));
        diary.edit();
        diary.field(u"TemperaturaMin").setValue(value);
        diary.post();
        QCOMPARE(page().LabelTC1->text(), text);
        QCOMPARE(page().LabelTC1->palette().color(QPalette::WindowText), color);
    }

    void clickingAPhotoShowsItAndAnUnreadableOneSaysSo()
    {
        showEntry(QStringLiteral("photos"));
        SchodennykPage &p = page();
        p.FileListSchodennyk->setCurrentRow(1);
        QVERIFY(m_run->waitForPhoto());
        QCOMPARE(p.ImageUlov->picture().size(), QSize(64, 48));
        QCOMPARE(p.ImageUlov->picture().pixelColor(5, 5).red() > 200, true);
        // A photo smaller than the view is not enlarged.
        QVERIFY(!p.ImageUlov->stretch());

        writeBytes(p.currentEntryFolder() + QStringLiteral("/c.jpg"), "not a picture");
        p.ButtonAddFotoUlovuClick(); // cancelled: only reads the folder again
        p.FileListSchodennyk->setCurrentRow(2);
        QVERIFY(m_run->waitForPhoto());
        QCOMPARE(m_run->dialogs.errors.size(), 1);
        QVERIFY(m_run->dialogs.errors.first().contains(QStringLiteral("c.jpg")));
        QCOMPARE(p.ImageUlov->picture().size(), QSize(64, 48)); // the previous photo stays
        m_run->dialogs.errors.clear();
        QFile::remove(p.currentEntryFolder() + QStringLiteral("/c.jpg"));
    }

    void titleClickTogglesTheSortOfItsColumn()
    {
        DataSet &diary = m_run->diary();
        const QString before = diary.sort();
        for (const char *expected : {"MasaUlovu ASC", "MasaUlovu DESC", "MasaUlovu ASC"}) {
            page().DBGridSchodennyk->titleClick(3);
            QCOMPARE(diary.sort(), QString::fromLatin1(expected));
        }
        page().DBGridSchodennykTitleClick(0);
        QCOMPARE(diary.sort(), QStringLiteral("Date1 ASC"));
        diary.setSort(before);
    }

    void weatherHintsNameTheEntrysValue_data()
    {
        QTest::addColumn<QString>("wind");
        QTest::addColumn<QString>("language"); // the button down, none before any switch
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("rainHint"); // the same entry's precipitation
        QTest::newRow("Ukrainian") << QStringLiteral("N") << QStringLiteral("ua")
                                   << QStringLiteral("Північний") << QStringLiteral("Дощ");
        QTest::newRow("Russian") << QStringLiteral("N") << QStringLiteral("ru") << QStringLiteral("Северный")
                                 << QStringLiteral("Дождь");
        QTest::newRow("before any switch: the Ukrainian the views show")
            << QStringLiteral("N") << QString() << QStringLiteral("Північний") << QStringLiteral("Дощ");
        QTest::newRow("no such key, no value")
            << QStringLiteral("SSW-missing") << QStringLiteral("ua") << QString() << QString();
    }
    void weatherHintsNameTheEntrysValue()
    {
        QFETCH(QString, wind);
        QFETCH(QString, language);
        QFETCH(QString, hint);
        QFETCH(QString, rainHint);
        DataSet &diary = m_run->diary();
        QVERIFY(diary.locate(QStringLiteral("NaprymVitru"), wind));
        // The wind table stands elsewhere: the hint does not depend on its current row.
        QVERIFY(m_run->data().ViterTable.locate(QStringLiteral("NameLat"), QStringLiteral("S")));
        m_run->form().ToolButtonUA->setChecked(language == u"ua");
        m_run->form().ToolButtonRU->setChecked(language == u"ru");
        page().ImageViterMouseMove();
        QCOMPARE(page().ImageViter->toolTip(), hint);
        QCOMPARE(m_run->data().ViterTable.field(u"NameLat").asString(), QStringLiteral("S"));
        page().ImageOpadyMouseMove();
        QCOMPARE(page().ImageOpady->toolTip(), rainHint);
    }

    void methodListsFollowTheCurrentMethod()
    {
        DataSet &methods = m_run->data().SposobyLovuTable;
        showEntry(QStringLiteral("no folder"));
        QCOMPARE(page().ListBoxOsnastka->count(), 0);
        for (const auto &[rigs, baits] : {std::pair{"Поплавок\nГрузило", ""}, std::pair{"", "\nХліб"}}) {
            methods.insert();
            methods.field(u"Osnastka").setString(QString::fromUtf8(rigs));
            methods.field(u"Nazyvka").setString(QString::fromUtf8(baits));
            methods.post();
        }
        QVERIFY(methods.locate(QStringLiteral("Osnastka"), QStringLiteral("Поплавок"), {false, true}));
        QCOMPARE(linesOf(page().ListBoxOsnastka),
                 (QStringList{QStringLiteral("Поплавок"), QStringLiteral("Грузило")}));
        QCOMPARE(page().ListBoxNazhyvka->count(), 0);
        QVERIFY(methods.locate(QStringLiteral("Nazyvka"), QStringLiteral("\nХліб")));
        QCOMPARE(page().ListBoxOsnastka->count(), 0);
        QCOMPARE(linesOf(page().ListBoxNazhyvka), (QStringList{QString(), QStringLiteral("Хліб")}));
        showEntry(QStringLiteral("photos"));
        QCOMPARE(page().ListBoxNazhyvka->count(), 0);
    }

    void anUnreadablePhotoStopsNeitherTheStartUpNorItsPage()
    {
        // The entry with the broken photo is current when the program starts on the diary page.
        IniFile(m_folder->file(QStringLiteral("options.ini")))
            .writeString(QStringLiteral("ActivePage"), QStringLiteral("ActivePageIndex"),
                         QStringLiteral("1"));
        m_run.reset();
        DiaryRun again(*m_folder, false);
        QVERIFY(again.page().isBuilt());
        QVERIFY(again.waitForPhoto());
        QCOMPARE(again.diary().field(u"Misce").asString(), QStringLiteral("unreadable"));
        QCOMPARE(again.page().FileListSchodennyk->count(), 1);
        QCOMPARE(again.page().LabelTC2->text(), QStringLiteral("+12C°"));
        QVERIFY(again.dialogs.errors.isEmpty());
    }
};

QTEST_MAIN(TestDiaryView)
#include "tst_diaryview.moc"
