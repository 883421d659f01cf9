// SPDX-License-Identifier: GPL-3.0-or-later
// The diary entry editor: a new entry from Ctrl+N, "Ok" storing place and dates, the photo folder
// following a changed start date, the place commands, the weather button and the photo times offer.
#include "common/IniFile.h"
#include "controls/DBGrid.h"
#include "diary/DatePicker.h"
#include "diary/FileListBox.h"
#include "diary/TEditSchodennykForm.h"
#include "tests/diary/DiaryFixture.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using namespace lynvar;
using namespace lynvar::test;

namespace {

const QString Seconds = QStringLiteral("yyyy-MM-dd HH:mm:ss");

qint64 addPlace(DataSet &places, const QString &name, const QString &ua = {}, const QString &ru = {})
{
    places.insert();
    places.field(u"Name").setString(name);
    places.field(u"MistoSinoptikUA").setString(ua);
    places.field(u"MistoSinoptikRU").setString(ru);
    places.post();
    return places.field(u"ID").asInteger();
}

TEditSchodennykForm &editorOf(QDialog &dialog)
{
    auto *editor = qobject_cast<TEditSchodennykForm *>(&dialog);
    if (!editor)
        qFatal("another dialog than the entry editor");
    return *editor;
}

// Clicks the row of the grid that shows `text` in its first column.
bool clickRowOf(DBGrid &grid, const QString &text)
{
    for (int row = 0; row < grid.model()->rowCount(); ++row) {
        const QModelIndex cell = grid.model()->index(row, 0);
        if (cell.data().toString() == text) {
            QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(cell).center());
            return true;
        }
    }
    return false;
}

} // namespace

class TestEntryEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ctrlNOnTheDiaryListOpensTheEditorAndOkStoresPlaceAndDates()
    {
        ProgramFolder folder;
        DiaryRun run(folder);
        run.showPage(1);
        addPlace(run.data().FishMapTable, QStringLiteral("Десна"));
        const qint64 ros = addPlace(run.data().FishMapTable, QStringLiteral("Рось"));
        run.form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&run.form()));
        run.page().DBGridSchodennyk->setFocus();
        QCoreApplication::processEvents();

        QDateTime shownStart, shownFinish;
        run.onDialog = [&](QDialog &dialog) {
            TEditSchodennykForm &editor = editorOf(dialog);
            shownStart = editor.DateTimePickerStart->value();
            shownFinish = editor.DateTimePickerFinish->value();
            editor.DateTimePickerStart->setDate(QDate(2024, 5, 3)); // the user's pick
            QVERIFY(run.data().FishMapTable.locate(QStringLiteral("Name"), QStringLiteral("Десна")));
            QVERIFY(clickRowOf(*editor.DBGridMisceLovu, QStringLiteral("Рось")));
            QTest::mouseClick(editor.Button1, Qt::LeftButton);
        };
        run.form().MenuInsert->trigger();

        QCOMPARE(run.dialogsShown.size(), 1);
        const QDateTime today(run.clock.time.date(), TEditSchodennykForm::layoutTimeOfDay());
        QCOMPARE(shownStart, today);
        QCOMPARE(shownFinish, today);
        DataSet &diary = run.diary();
        QCOMPARE(diary.recordCount(), 1);
        QCOMPARE(diary.state(), DataSet::State::Browse);
        QCOMPARE(diary.field(u"Date1").asDateTime().toString(Seconds), QStringLiteral("2024-05-03 13:07:35"));
        QCOMPARE(diary.field(u"Date2").asDateTime().toString(Seconds), QStringLiteral("2024-05-03 13:07:35"));
        QCOMPARE(diary.field(u"IDMisce").asInteger(), ros);
        QCOMPARE(diary.field(u"Misce").asString(), QStringLiteral("Рось"));
        QVERIFY(run.dialogs.errors.isEmpty());
    }

    void startPickerMovesTheFinishOnlyWhenTheUserPicks()
    {
        ProgramFolder folder;
        DiaryRun run(folder);
        TEditSchodennykForm &editor = run.app.EditSchodennykForm.get();
        editor.DateTimePickerFinish->setDateOnly(QDate(2020, 1, 9));
        editor.DateTimePickerStart->setDateOnly(QDate(2020, 1, 2));
        QCOMPARE(editor.DateTimePickerFinish->date(), QDate(2020, 1, 9));
        editor.DateTimePickerStart->setDate(QDate(2020, 1, 5));
        QCOMPARE(editor.DateTimePickerFinish->value(),
                 QDateTime(QDate(2020, 1, 5), TEditSchodennykForm::layoutTimeOfDay()));
    }

    void storingKeepsThePhotosWithTheirEntry_data()
    {
        QTest::addColumn<bool>("nameTaken");
        QTest::newRow("free name") << false;
        QTest::newRow("name taken by an empty folder") << true;
    }
    void storingKeepsThePhotosWithTheirEntry()
    {
        QFETCH(bool, nameTaken);
        ProgramFolder folder;
        DiaryRun run(folder);
        run.showPage(1);
        const qint64 id =
            run.addEntry({{QStringLiteral("Date1"), QDateTime(QDate(2014, 5, 17), QTime(6, 0))}});
        const QString before = run.page().photos().folderOf(QDateTime(QDate(2014, 5, 17), QTime()), id);
        const QString after = run.page().photos().folderOf(QDateTime(QDate(2014, 5, 20), QTime()), id);
        QCOMPARE(QFileInfo(before).fileName(), QStringLiteral("2014_05_17_%1").arg(id));
        writeJpeg(before + QStringLiteral("/a.jpg"));
        if (nameTaken)
            QVERIFY(QDir().mkpath(after));

        run.onDialog = [&](QDialog &dialog) {
            TEditSchodennykForm &editor = editorOf(dialog);
            QCOMPARE(editor.width(), editor.narrowWidth());
            QCOMPARE(editor.DateTimePickerStart->date(), QDate(2014, 5, 17));
            editor.DateTimePickerStart->setDate(QDate(2014, 5, 20));
            editor.Button1Click();
        };
        run.page().ButtonEditMisceClick();
        QCOMPARE(run.dialogsShown.size(), 1);
        QCOMPARE(run.diary().field(u"Date1").asDateTime().date(), QDate(2014, 5, 20));
        if (nameTaken) {
            // Nothing is lost: the photos stay where they were, the other folder is untouched.
            QVERIFY(QFileInfo::exists(before + QStringLiteral("/a.jpg")));
            QVERIFY(QDir(after).isEmpty());
        } else {
            QVERIFY(!QFileInfo::exists(before));
            QCOMPARE(run.page().FileListSchodennyk->directory(), after);
            QCOMPARE(run.page().FileListSchodennyk->count(), 1);
        }
        QVERIFY(run.dialogs.errors.isEmpty());
    }

    void photosOfANewEntryGoWithItAndOfferTheirTimes()
    {
        ProgramFolder folder;
        DiaryRun run(folder);
        run.showPage(1);
        run.addEntry({{QStringLiteral("Date1"), QDateTime(QDate(2014, 5, 17), QTime(6, 0))}});
        // A new entry whose editor the user closed at once, then photos added to it.
        run.diary().insert();
        QCOMPARE(run.dialogsShown.size(), 1);
        QCOMPARE(QFileInfo(run.page().currentEntryFolder()).fileName(), QStringLiteral("1899_12_30_0"));
        QTemporaryDir pictures;
        const QDateTime first(QDate(2024, 5, 10), QTime(6, 5)), last(QDate(2024, 5, 10), QTime(11, 30));
        writeJpeg(pictures.filePath(QStringLiteral("1.jpg")), {40, 30}, Qt::blue, last);
        writeJpeg(pictures.filePath(QStringLiteral("2.jpg")), {40, 30}, Qt::blue, first);
        writeJpeg(pictures.filePath(QStringLiteral("3.jpg")));
        run.page().FileListSchodennykDragDrop({pictures.filePath(QStringLiteral("1.jpg")),
                                               pictures.filePath(QStringLiteral("2.jpg")),
                                               pictures.filePath(QStringLiteral("3.jpg"))});

        bool offered = false;
        run.onDialog = [&](QDialog &dialog) {
            TEditSchodennykForm &editor = editorOf(dialog);
            offered = editor.PanelFotoTime->isVisible();
            // Nothing changes until the user takes the offer.
            QCOMPARE(editor.DateTimePickerStart->date(), QDate(1899, 12, 30));
            QTest::mouseClick(editor.ButtonFotoTime, Qt::LeftButton);
            editor.Button1Click();
        };
        run.page().ButtonEditMisceClick();
        QVERIFY(offered);
        DataSet &diary = run.diary();
        QCOMPARE(diary.field(u"Date1").asDateTime(), first);
        QCOMPARE(diary.field(u"Date2").asDateTime(), last);
        const QString entryFolder = run.page().currentEntryFolder();
        QCOMPARE(QFileInfo(entryFolder).fileName(),
                 QStringLiteral("2024_05_10_%1").arg(diary.field(u"ID").asInteger()));
        QCOMPARE(CatchPhotos::photosIn(entryFolder).size(), 3);
        QVERIFY(!QFileInfo::exists(run.page().photos().folderOf(QDateTime(QDate(1899, 12, 30), QTime()), 0)));
    }

    void editingThePlaceOfAnEmptyDiaryDoesNothing()
    {
        ProgramFolder folder;
        DiaryRun run(folder);
        run.showPage(1);
        run.page().ButtonEditMisceClick();
        QVERIFY(run.dialogsShown.isEmpty());
        QVERIFY(run.diary().isEmpty());
        QCOMPARE(run.diary().state(), DataSet::State::Browse);
    }

    void placeCommandsFindTheEntrysPlace_data()
    {
        QTest::addColumn<bool>("editCommand");
        QTest::addColumn<bool>("placeKnown");
        QTest::newRow("edit, place known") << true << true;
        QTest::newRow("edit, place deleted") << true << false;
        QTest::newRow("go to, place known") << false << true;
        QTest::newRow("go to, place deleted") << false << false;
    }
    void placeCommandsFindTheEntrysPlace()
    {
        QFETCH(bool, editCommand);
        QFETCH(bool, placeKnown);
        ProgramFolder folder;
        DiaryRun run(folder);
        run.showPage(1);
        DataSet &places = run.data().FishMapTable;
        addPlace(places, QStringLiteral("Десна"));
        const qint64 ros = addPlace(places, QStringLiteral("Рось"));
        run.addEntry({{QStringLiteral("IDMisce"), placeKnown ? ros : ros + 100}});
        places.first();
        const QString first = places.field(u"Name").asString();
        places.last();

        if (editCommand)
            run.page().ButtonEditMisceClick();
        else
            run.page().MenuAddMisceLovuClick();
        QCOMPARE(places.field(u"Name").asString(), placeKnown ? QStringLiteral("Рось") : first);
        const QString message = editCommand ? QStringLiteral("За даним записом місце незакріплене.")
                                            : QStringLiteral("За даним записом місце лову незакріплене.");
        QCOMPARE(run.dialogs.messages, placeKnown ? QStringList() : QStringList{message});
        // The editor opens either way; going to the place shows the places page.
        QCOMPARE(run.dialogsShown.size(), editCommand ? 1 : 0);
        if (!editCommand)
            QCOMPARE(run.form().PageControlGeneral->currentIndex(), 0);
    }

    void weatherButtonShowsTheDaysForecastInTheEditor_data()
    {
        QTest::addColumn<bool>("configured");
        QTest::addColumn<bool>("ukrainian");
        QTest::addColumn<QString>("address");
        QTest::newRow("Ukrainian") << true << true
                                   << QStringLiteral("https://ua.example/погода-київ/2014-05-17");
        QTest::newRow("Russian") << true << false
                                 << QStringLiteral("https://ru.example/погода-киев/2014-05-17");
        QTest::newRow("no forecast site") << false << true << QString();
    }
    void weatherButtonShowsTheDaysForecastInTheEditor()
    {
        QFETCH(bool, configured);
        QFETCH(bool, ukrainian);
        QFETCH(QString, address);
        ProgramFolder folder;
        if (configured) {
            IniFile services(folder.file(QStringLiteral("services.ini")));
            services.writeString(QStringLiteral("Weather"), QStringLiteral("SinoptikUA"),
                                 QStringLiteral("https://ua.example/"));
            services.writeString(QStringLiteral("Weather"), QStringLiteral("SinoptikRU"),
                                 QStringLiteral("https://ru.example/"));
        } else {
            QFile::remove(folder.file(QStringLiteral("services.ini")));
        }
        DiaryRun run(folder);
        addPlace(run.data().FishMapTable, QStringLiteral("Київ"), QStringLiteral("київ"),
                 QStringLiteral("киев"));
        run.form().ToolButtonUA->setChecked(ukrainian);
        run.form().ToolButtonRU->setChecked(!ukrainian);
        TEditSchodennykForm &editor = run.app.EditSchodennykForm.get();
        QVERIFY(!editor.WebBrowser1);
        editor.show();
        editor.DateTimePickerStart->setDateOnly(QDate(2014, 5, 17));
        editor.ButtonShowPogodaClick();
        if (configured) {
            QCOMPARE(run.webViews.made.size(), 1);
            QCOMPARE(run.webViews.made.first()->shown, QStringList{address});
            QVERIFY(editor.WebBrowser1 == run.webViews.made.first());
            QVERIFY(editor.PanelBrowser->isAncestorOf(editor.WebBrowser1->widget()));
            QVERIFY(editor.windowState() & Qt::WindowMaximized);
            editor.reject();
            QVERIFY(!(editor.windowState() & Qt::WindowMaximized));
        } else {
            QVERIFY(run.webViews.made.isEmpty());
            QCOMPARE(run.dialogs.messages.size(), 1);
            editor.reject();
        }
    }

    void forecastGoesToTheUsersBrowserWhenNoEngineStarts()
    {
        ProgramFolder folder;
        IniFile services(folder.file(QStringLiteral("services.ini")));
        services.writeString(QStringLiteral("Weather"), QStringLiteral("SinoptikUA"),
                             QStringLiteral("https://ua.example/"));
        DiaryRun run(folder);
        run.webViews.fails = true;
        run.form().ToolButtonUA->setChecked(true);
        addPlace(run.data().FishMapTable, QStringLiteral("Київ"), QStringLiteral("київ"),
                 QStringLiteral("киев"));
        TEditSchodennykForm &editor = run.app.EditSchodennykForm.get();
        editor.DateTimePickerStart->setDateOnly(QDate(2014, 5, 17));
        editor.ButtonShowPogodaClick();
        QCOMPARE(run.shell.opened, QStringList{QStringLiteral("https://ua.example/погода-київ/2014-05-17")});
        QVERIFY(!editor.WebBrowser1);
        QVERIFY(!(editor.windowState() & Qt::WindowMaximized));
    }
};

QTEST_MAIN(TestEntryEditor)
#include "tst_entryeditor.moc"
