// SPDX-License-Identifier: GPL-3.0-or-later
// The maintenance commands in the running program: the options window, the About window and the
// maker's links, save, backup and restore from the menu, and the per-fish marker files.
#include "app/TDovidnykForm.h"
#include "app/TFormOptions.h"
#include "common/Error.h"
#include "controls/DBGrid.h"
#include "controls/DBImage.h"
#include "data/DataModule2.h"
#include "maintenance/DesktopShell.h"
#include "maintenance/MaintenanceCommands.h"
#include "maintenance/MarkerFiles.h"
#include "maintenance/TFormAbout.h"
#include "tests/support/StartedApplication.h"

#include <QBuffer>
#include <QDirIterator>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QtTest>

using namespace lynvar;
using namespace lynvar::test;

namespace {

const QString WidgetFilter = QStringLiteral("Parametr = 'Vidjet'");

struct Started : StartedApplication
{
    explicit Started(const ProgramFolder &folder) : StartedApplication(folder, false)
    {
        folder.writeFile(QStringLiteral("services.ini"),
                         "[Maker]\r\nSite=https://maker.example/\r\nVersionServer=https://maker.example\r\n"
                         "Mail=angler@maker.example\r\n");
    }
    TFormOptions &options() { return app.FormOptions.get(); }
};

QByteArray png()
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QStringList filesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace

class TestMaintenanceWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void optionsFilterRules_data()
    {
        QTest::addColumn<QStringList>("steps"); // "show", "close", or a page to select
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("filtered");
        QTest::addColumn<int>("rows");
        QTest::newRow("showing lists the widgets") << QStringList{QStringLiteral("show")} << 0 << true << 3;
        QTest::newRow("Усі lists every parameter") << QStringLiteral("show 2").split(u' ') << 2 << false << 6;
        QTest::newRow("shown again on Усі: widgets only")
            << QStringLiteral("show 2 close show").split(u' ') << 2 << true << 3;
        QTest::newRow("Погода after Усі changes nothing")
            << QStringLiteral("show 2 1").split(u' ') << 1 << false << 6;
        QTest::newRow("back to Віджети filters again")
            << QStringLiteral("show 2 1 0").split(u' ') << 0 << true << 3;
    }

    void optionsFilterRules()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, page);
        QFETCH(bool, filtered);
        QFETCH(int, rows);
        ProgramFolder folder;
        Started run(folder);
        TFormOptions &options = run.options();
        for (const QString &step : steps) {
            if (step == u"show")
                options.show();
            else if (step == u"close")
                QVERIFY(options.close());
            else
                options.PageControlOptions->setCurrentIndex(step.toInt());
        }
        DataSet &system = run.data().SystemTable;
        QCOMPARE(options.PageControlOptions->currentIndex(), page);
        QCOMPARE(system.filtered(), filtered);
        QCOMPARE(system.filter(), WidgetFilter);
        QCOMPARE(system.recordCount(), rows);
        QCOMPARE(options.DBGrid4->dataSource(), &run.data().SystemDS);
        QCOMPARE(options.DBImage2->dataField(), QStringLiteral("Foto"));
    }

    void optionsClosingStoresTheLastEdit_data()
    {
        QTest::addColumn<int>("length"); // of the wind name typed
        QTest::addColumn<bool>("letGo"); // the answer when it cannot be stored
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QString>("stored"); // what the table holds afterwards
        QTest::newRow("stored on closing") << 10 << false << true << QString(10, u'в');
        QTest::newRow("refused: stays open") << 300 << false << false << QStringLiteral("Північний");
        QTest::newRow("refused: let go") << 300 << true << true << QStringLiteral("Північний");
    }

    void optionsClosingStoresTheLastEdit()
    {
        QFETCH(bool, letGo);
        QFETCH(bool, closed);
        QFETCH(QString, stored);
        QFETCH(int, length);
        ProgramFolder folder;
        Started run(folder);
        TFormOptions &options = run.options();
        options.show();
        DataSet &wind = run.data().ViterTable;
        wind.first();
        wind.edit();
        wind.field(u"NameUkr").setString(QString(length, u'в'));
        run.dialogs.nextAnswer = letGo;
        options.close();

        QCOMPARE(!options.isVisible(), closed);
        QCOMPARE(run.dialogs.questions.size(), length > 255 ? 1 : 0);
        if (wind.isEditing())
            wind.cancel();
        wind.refresh();
        wind.first();
        QCOMPARE(wind.field(u"NameUkr").asString(), stored);
    }

    void optionsPictures_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("clear");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<int>("messages");
        QTest::newRow("a picture") << png() << false << true << 0;
        QTest::newRow("too large") << QByteArray(TFormOptions::MaxPictureBytes + 1, '\xFF') << false << false
                                   << 1;
        QTest::newRow("not a picture") << QByteArray("plain text") << false << false << 1;
        QTest::newRow("cleared") << QByteArray() << true << false << 0;
    }

    void optionsPictures()
    {
        QFETCH(bool, clear);
        QFETCH(int, messages);
        QFETCH(bool, stored);
        QFETCH(QByteArray, file);
        ProgramFolder folder;
        Started run(folder);
        TFormOptions &options = run.options();
        options.show();
        DataSet &rain = run.data().OpadyTable;
        rain.first();
        const QByteArray before = png() + "old";
        rain.edit();
        rain.field(u"Foto").setValue(before);
        rain.post();

        folder.writeFile(QStringLiteral("picture"), file);
        run.dialogs.fileAnswers << folder.file(QStringLiteral("picture"));
        QAction *item = options.DBImage3->actions().value(clear ? 1 : 0);
        QVERIFY(item);
        item->trigger();
        options.close();

        QCOMPARE(run.dialogs.messages.size(), messages);
        rain.refresh();
        rain.first();
        const QVariant now = rain.field(u"Foto").value();
        if (stored)
            QCOMPARE(now.toByteArray(), file);
        else if (QTest::currentDataTag() == QByteArray("cleared"))
            QVERIFY(now.isNull());
        else
            QCOMPARE(now.toByteArray(), before);
    }

    void aboutWindowAndLinks()
    {
        ProgramFolder folder;
        Started run(folder);
        TFormAbout &about = run.app.FormAbout.get();
        about.show();
        QCOMPARE(run.data().SystemTable.filter(), QStringLiteral("Parametr = 'About'"));
        QVERIFY(run.data().SystemTable.filtered());
        QVERIFY(!about.GroupBoxAbout->isVisible());
        QVERIFY(about.LabelAbout7->text().startsWith(QStringLiteral("Версія ")));
        QCOMPARE(about.Label8->text(), QStringLiteral("maker.example"));
        about.Label8Click();
        about.Label5Click();
        run.form().MenuDownload->trigger();
        run.form().MenuLynvarNet->trigger();
        QCOMPARE(run.shell.opened,
                 QStringList({QStringLiteral("https://maker.example/?lynvarbook=100"),
                              QStringLiteral("mailto:angler@maker.example?subject=LynvarBook"),
                              QStringLiteral("https://maker.example/lynvarbook/?lynvarbook"),
                              QStringLiteral("https://maker.example/?lynvarbook")}));
        about.Button1Click();
        QVERIFY(!about.isVisible());

        // Without the maker's addresses a link says what is missing.
        QFile::remove(folder.file(QStringLiteral("services.ini")));
        QVERIFY_THROWS_EXCEPTION(Error, about.Label8Click());
    }

    void saveKeepsWhatIsBeingTyped_data()
    {
        QTest::addColumn<bool>("insert");
        QTest::newRow("an edit") << false;
        QTest::newRow("an insertion") << true;
    }

    void saveKeepsWhatIsBeingTyped()
    {
        QFETCH(bool, insert);
        ProgramFolder folder;
        Started run(folder);
        DataSet &places = run.data().FishMapTable;
        if (insert)
            places.insert();
        else
            places.edit();
        places.field(u"Name").setString(QStringLiteral("Затока за мостом"));
        run.form().MenuSaveBDClick();

        QVERIFY(places.locate(QStringLiteral("Name"), QStringLiteral("Затока за мостом")));
        for (DataSet *ds : run.data().openingOrder()) {
            QVERIFY(ds->isActive());
            QCOMPARE(ds->currentRow(), ds->isEmpty() ? -1 : 0);
        }
        QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("data/lynvarzapys.db-wal"))) ||
                QFileInfo(folder.file(QStringLiteral("data/lynvarzapys.db-wal"))).size() == 0);
    }

    void backupAndRestoreFromTheMenu()
    {
        ProgramFolder folder;
        Started run(folder);
        DesktopShell shell;
        run.app.services().shell = &shell;
        const MaintenanceTexts texts;
        run.form().MenuBackupBDClick();
        QCOMPARE(run.dialogs.messages, QStringList({texts.MessageCopyBD, texts.MessageCopyBDOk}));
        QVERIFY(run.dialogs.errors.isEmpty());

        DataSet &places = run.data().FishMapTable;
        places.insert();
        places.field(u"Name").setString(QStringLiteral("після копії"));
        places.post();
        run.dialogs.itemAnswers << 0;
        run.dialogs.nextAnswer = true;
        run.form().MenuRestoreBDClick();
        QVERIFY2(run.dialogs.errors.isEmpty(), qPrintable(run.dialogs.errors.join(u'\n')));
        QCOMPARE(run.dialogs.lists.size(), 1);
        QVERIFY(run.dialogs.lists[0].value(0).startsWith(QStringLiteral("17.05.2024 13_07_35.zip — ")));
        QVERIFY(places.isActive());
        QVERIFY(!places.locate(QStringLiteral("Name"), QStringLiteral("після копії")));
    }

    void markerFiles_data()
    {
        QTest::addColumn<QString>("secondName"); // the second fish's name, or "-" for its folder missing
        QTest::addColumn<bool>("refused");
        QTest::newRow("plain names") << QString() << false;
        QTest::newRow("a slash") << QStringLiteral("../../options.ini") << true;
        QTest::newRow("a backslash") << QStringLiteral("a\\b") << true;
        QTest::newRow("two dots") << QStringLiteral("..") << true;
        QTest::newRow("NUL") << QStringLiteral("x") + QChar(0) + QStringLiteral("y") << true;
        QTest::newRow("no folder") << QStringLiteral("-") << true;
    }

    void markerFiles()
    {
        QFETCH(bool, refused);
        QFETCH(QString, secondName);
        ProgramFolder folder;
        Started run(folder);
        DataSet &fish = run.data().FishTable;
        for (fish.first(); !fish.eof(); fish.next())
            QDir().mkpath(folder.file(QStringLiteral("fish/%1").arg(fish.field(u"ID").asInteger())));
        fish.first();
        const QString firstFile =
            QStringLiteral("%1/%2").arg(fish.field(u"ID").asInteger()).arg(fish.field(u"NameUA").asString());
        fish.next();
        const QString second = QString::number(fish.field(u"ID").asInteger());
        if (secondName == u"-") {
            QDir(folder.file(QStringLiteral("fish/") + second)).removeRecursively();
        } else if (!secondName.isEmpty()) {
            fish.edit();
            fish.field(u"NameUA").setString(secondName);
            fish.post();
        }
        const QStringList topBefore = QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        MarkerFiles markers(run.data(), folder.path());
        if (refused) {
            QVERIFY_THROWS_EXCEPTION(Error, markers.MenuCreateFileClick());
            QCOMPARE(filesUnder(folder.file(QStringLiteral("fish"))), QStringList{firstFile});
        } else {
            markers.MenuCreateFileClick();
            markers.MenuCreateFileClick(); // a second run replaces each file with the same
            QCOMPARE(filesUnder(folder.file(QStringLiteral("fish"))).size(), fish.recordCount());
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), topBefore);
        QFile marker(folder.file(QStringLiteral("fish/") + firstFile));
        QVERIFY(marker.open(QIODevice::ReadOnly));
        const QByteArray rtf = marker.readAll();
        QVERIFY(rtf.startsWith("{\\rtf1") && rtf.contains("RichEdit1"));
    }
};

QTEST_MAIN(TestMaintenanceWindows)
#include "tst_maintenancewindows.moc"
