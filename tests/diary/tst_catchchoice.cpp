// SPDX-License-Identifier: GPL-3.0-or-later
// The fish choice dialog: catch mode writes the catch, weights and trophy of the diary entry, place
// mode the place's fish list; the marks are cleared on opening and drawn in their column; the catch
// list jumps to the fish page.
#include "controls/DBEdit.h"
#include "controls/DBGrid.h"
#include "diary/TFormFish.h"
#include "tests/diary/DiaryFixture.h"

#include <QAction>
#include <QGroupBox>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace lynvar;
using namespace lynvar::test;

namespace {

QString fishName(DataSet &fish, int row)
{
    return fish.valueAt(row, fish.fieldIndex(u"NameUA")).toString();
}

void markRow(TFormFish &dialog, DataSet &fish, int row)
{
    fish.moveTo(row);
    dialog.DBGridFishDblClick();
}

} // namespace

class TestCatchChoice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void catchModeWritesTheMarkedFishWeightsAndTrophy()
    {
        ProgramFolder folder;
        DiaryRun run(folder);
        run.showPage(1);
        run.addEntry({{QStringLiteral("Ulov"), QStringLiteral("Старий улов")}});
        DataSet &fish = run.data().FishTable;
        // A mark left from an earlier opening.
        fish.moveTo(5);
        toggleMark(fish);

        bool cleared = false, catchControls = false, stayedOpen = false;
        run.onDialog = [&](QDialog &dialog) {
            auto &choice = static_cast<TFormFish &>(dialog);
            cleared = markedNames(fish).isEmpty();
            catchControls = choice.ButtonAddUlov->isVisible() && choice.GroupBoxUlov->isVisible() &&
                            !choice.ButtonAddFish->isVisible() && choice.MenuAddTrofey->isVisible();
            markRow(choice, fish, 3);
            markRow(choice, fish, 1);
            markRow(choice, fish, 7);
            markRow(choice, fish, 7); // marked twice is unmarked
            QTest::keyClicks(choice.DBEdit1, QStringLiteral("2.5"));
            QTest::keyClicks(choice.DBEdit3, QStringLiteral("1.25"));
            fish.moveTo(3);
            choice.MenuAddTrofeyClick();
            stayedOpen = choice.isVisible();
            QTest::mouseClick(choice.ButtonAddUlov, Qt::LeftButton);
        };
        run.page().ButtonAddUlovClick();

        QVERIFY(cleared);
        QVERIFY(catchControls);
        QVERIFY(stayedOpen);
        DataSet &entry = run.diary();
        QCOMPARE(entry.state(), DataSet::State::Browse);
        QCOMPARE(entry.field(u"Ulov").asString(), fishName(fish, 1) + u'\n' + fishName(fish, 3));
        QCOMPARE(entry.field(u"MasaUlovu").asFloat(), 2.5);
        QCOMPARE(entry.field(u"MasaTrofeyu").asFloat(), 1.25);
        QCOMPARE(entry.field(u"Trofey").asString(), fishName(fish, 3));
        QCOMPARE(run.page().ListBoxUlov->count(), 2);
        QCOMPARE(run.page().ListBoxUlov->item(0)->text(), fishName(fish, 1));
        QVERIFY(!run.dialogsShown.first()->isVisible());
        QVERIFY(run.dialogs.errors.isEmpty());
    }

    void nothingMarkedEmptiesTheCatch()
    {
        ProgramFolder folder;
        DiaryRun run(folder);
        run.showPage(1);
        run.addEntry({{QStringLiteral("Ulov"), QStringLiteral("Щука")}});
        run.onDialog = [](QDialog &dialog) { static_cast<TFormFish &>(dialog).ButtonAddUlovClick(); };
        run.page().ButtonAddUlovClick();
        QCOMPARE(run.diary().field(u"Ulov").asString(), QString());
        QCOMPARE(run.page().ListBoxUlov->count(), 0);
    }

    void placeModeWritesThePlacesFishAndOffersNoTrophy()
    {
        ProgramFolder folder;
        DiaryRun run(folder);
        run.addEntry({{QStringLiteral("Trofey"), QStringLiteral("Сом")}});
        DataSet &places = run.data().FishMapTable;
        places.insert();
        places.field(u"Name").setString(QStringLiteral("Десна"));
        places.post();
        DataSet &fish = run.data().FishTable;

        TFormFish &choice = run.app.FormFish.get();
        choice.setMode(TFormFish::Mode::Place);
        choice.show();
        QVERIFY(choice.ButtonAddFish->isVisible());
        QVERIFY(!choice.ButtonAddUlov->isVisible());
        QVERIFY(!choice.GroupBoxUlov->isVisible());
        QVERIFY(!choice.MenuAddTrofey->isVisible());
        markRow(choice, fish, 2);
        markRow(choice, fish, 0);
        choice.MenuAddTrofeyClick();
        choice.ButtonAddFishClick();

        QCOMPARE(places.field(u"Fish").asString(), fishName(fish, 0) + u'\n' + fishName(fish, 2));
        QCOMPARE(run.diary().field(u"Trofey").asString(), QStringLiteral("Сом"));
        QVERIFY(!choice.isVisible());
    }

    void catchNeedsAStoredEntry()
    {
        ProgramFolder folder;
        DiaryRun run(folder);
        run.showPage(1);
        run.page().ButtonAddUlovClick(); // empty diary
        run.diary().insert();            // a new entry not stored yet
        run.dialogsShown.clear();
        run.page().ButtonAddUlovClick();
        QVERIFY(run.dialogsShown.isEmpty());
    }

    void catchLineFindsItsFishOnTheFishPage_data()
    {
        QTest::addColumn<bool>("lowerCase");
        QTest::addColumn<int>("cut"); // characters left off the end of the name
        QTest::newRow("as written") << false << 0;
        QTest::newRow("other letter case") << true << 0;
        QTest::newRow("beginning of the name") << false << 2;
    }
    void catchLineFindsItsFishOnTheFishPage()
    {
        QFETCH(bool, lowerCase);
        QFETCH(int, cut);
        ProgramFolder folder;
        DiaryRun run(folder);
        run.showPage(1);
        DataSet &fish = run.data().FishTable;
        const int row = 10;
        const QString name = fishName(fish, row);
        QString line = name.left(name.size() - cut);
        if (lowerCase)
            line = line.toLower();
        run.addEntry({{QStringLiteral("Ulov"), line}});
        fish.first();
        run.page().ListBoxUlovDblClick(); // no line selected: nothing happens
        QCOMPARE(run.form().PageControlGeneral->currentIndex(), 1);
        run.page().ListBoxUlov->setCurrentRow(0);
        run.page().ListBoxUlovDblClick();
        QVERIFY(fish.field(u"NameUA").asString().startsWith(line, Qt::CaseInsensitive));
        QCOMPARE(fish.currentRow() <= row, true);
        QCOMPARE(run.form().PageControlGeneral->currentIndex(), 2);
    }

    void markCellIsDrawnWhiteWithItsPictureCentredAtTheTop_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("marked");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("marked") << QStringLiteral("Bool") << true << true;
        QTest::newRow("unmarked") << QStringLiteral("Bool") << false << true;
        QTest::newRow("name column") << QStringLiteral("NameUA") << true << false;
    }
    void markCellIsDrawnWhiteWithItsPictureCentredAtTheTop()
    {
        QFETCH(QString, field);
        QFETCH(bool, marked);
        QFETCH(bool, drawn);
        const QList<QPixmap> pictures = markPictures();
        QImage image(60, 30, QImage::Format_ARGB32);
        image.fill(Qt::black);
        QImage expected = image;
        {
            QPainter painter(&image);
            DBGridCell cell;
            cell.painter = &painter;
            cell.rect = QRect(10, 4, 21, 18);
            cell.fieldName = field;
            cell.value = marked;
            drawMarkCell(cell, pictures);
        }
        if (drawn) {
            QPainter painter(&expected);
            painter.fillRect(QRect(10, 4, 21, 18), Qt::white);
            painter.drawPixmap((10 + 31 - 16) / 2, 4, pictures.at(marked ? 1 : 0));
        }
        QCOMPARE(image, expected);
    }
};

QTEST_MAIN(TestCatchChoice)
#include "tst_catchchoice.moc"
