// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the remembered page, the stored language, the knot panel's shape and shutdown.
#include "app/ErrorBox.h"
#include "app/LynvarApplication.h"
#include "app/TDovidnykForm.h"
#include "app/TFormOptions.h"
#include "common/Error.h"
#include "controls/DBEdit.h"
#include "controls/DBGrid.h"
#include "data/DataModule2.h"
#include "diary/SchodennykPage.h"
#include "places/FishMapPage.h"
#include "reference/FishPage.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/StartedApplication.h"

#include <QAction>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using namespace lynvar;
using namespace lynvar::test;

namespace {

QByteArray settings(const char *activePage, const char *language)
{
    QByteArray ini = "[Install]\r\nNamberVersion=10000\r\nNewInstall=false\r\n";
    if (activePage)
        ini += QByteArray("[ActivePage]\r\nActivePageIndex=") + activePage + "\r\n";
    if (language)
        ini += QByteArray("[Languages]\r\nLanguagesID=") + language + "\r\n";
    return ini;
}

using Started = StartedApplication;

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstStartOpensOnTheFishPageWithoutLanguageOrErrors()
    {
        ProgramFolder folder(ProgramFolder::Shipped);
        Started run(folder);
        TDovidnykForm &form = run.form();
        QCOMPARE(form.windowTitle(), QStringLiteral("LynvarBook"));
        QVERIFY(form.isVisible());
        QCOMPARE(form.PageControlGeneral->currentWidget(), form.TabFish);
        QVERIFY(!form.MenuUkranian->isChecked());
        QVERIFY(!form.MenuRussian->isChecked());
        QVERIFY(!form.ToolButtonUA->isChecked());
        QVERIFY(run.dialogs.errors.isEmpty());
        QVERIFY(run.dialogs.messages.isEmpty());
        QCOMPARE(form.ProgramFolder, folder.path());
        QCOMPARE(form.page<FishPage>()->FotoFishIndex, 1);
        QCOMPARE(folder.readFile(QStringLiteral("options.ini")),
                 QByteArray("[Install]\r\nNewInstall=false\r\n"));
    }

    // Start-up makes the fish page without its classification table; the table's tab makes it when
    // first shown, bound to the fish, and announces it once with the tab that holds it.
    void theClassificationTableIsMadeWhenItsTabIsFirstShown()
    {
        ProgramFolder folder;
        Started run(folder, false);
        QCoreApplication::processEvents();
        FishPage &fish = *run.form().page<FishPage>();
        QVERIFY(fish.isBuilt());
        QVERIFY(fish.DBGridFishAll == nullptr);
        QSignalSpy made(&fish, &Page::partBuilt);
        fish.PageControlFish->setCurrentWidget(fish.TabClassFish);
        QCOMPARE(made.count(), 1);
        QCOMPARE(made.at(0).at(0).value<QWidget *>(), fish.TabClassFish);
        QVERIFY(fish.DBGridFishAll);
        QCOMPARE(fish.DBGridFishAll->objectName(), QStringLiteral("DBGridFishAll"));
        QVERIFY(fish.DBGridFishAll->isVisible());
        QCOMPARE(fish.DBGridFishAll->dataSource(), &run.data().FishDS);
        QCOMPARE(fish.DBGridFishAll->model()->rowCount(), run.data().FishTable.recordCount());
        QVERIFY(!fish.DBGridFishAll->accessibleName().isEmpty());
        fish.PageControlFish->setCurrentWidget(fish.TabSpysokFish);
        fish.PageControlFish->setCurrentWidget(fish.TabClassFish);
        QCOMPARE(made.count(), 1);
    }

    // Whatever must reach every control makes the parts left for later as well.
    void buildingEveryPageMakesTheLateParts()
    {
        ProgramFolder folder;
        Started run(folder, false);
        FishPage &fish = *run.form().page<FishPage>();
        QSignalSpy made(&fish, &Page::partBuilt);
        run.form().pages().buildAll();
        QCOMPARE(made.count(), 1);
        QVERIFY(fish.DBGridFishAll);
        QVERIFY(!fish.DBGridFishAll->isVisible());
        QCOMPARE(fish.DBGridFishAll->dataSource(), &run.data().FishDS);
    }

    void pagesStandInTheirOrderWithTheirCaptions()
    {
        ProgramFolder folder;
        Started run(folder);
        const QStringList names = {
            QStringLiteral("TabFishMap"), QStringLiteral("TabSchodennyk"), QStringLiteral("TabFish"),
            QStringLiteral("TabVuzly"),   QStringLiteral("TabRive"),       QStringLiteral("TabSlovnyk"),
            QStringLiteral("TabKuhnya"),  QStringLiteral("TabAnecdot"),    QStringLiteral("TabSposoby")};
        QTabWidget *pages = run.form().PageControlGeneral;
        QCOMPARE(pages->count(), 9);
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(pages->widget(i)->objectName(), names[i]);
        QCOMPARE(pages->tabText(1), QStringLiteral("Щоденник рибалки"));
        QCOMPARE(pages->tabText(8), QStringLiteral("Способи лову"));
    }

    void recordedPageIsRestored_data()
    {
        QTest::addColumn<QByteArray>("recorded");
        QTest::addColumn<int>("expected");
        QTest::newRow("diary") << QByteArray("1") << 1;
        QTest::newRow("places") << QByteArray("0") << 0;
        QTest::newRow("last page") << QByteArray("8") << 8;
        QTest::newRow("not a number") << QByteArray("diary") << 2;
        QTest::newRow("empty") << QByteArray("") << 2;
        QTest::newRow("out of range keeps the layout page") << QByteArray("12") << 2;
        QTest::newRow("negative") << QByteArray("-1") << 2;
    }
    void recordedPageIsRestored()
    {
        QFETCH(QByteArray, recorded);
        QFETCH(int, expected);
        ProgramFolder folder;
        folder.writeFile(QStringLiteral("options.ini"), settings(recorded.constData(), nullptr));
        Started run(folder);
        QCOMPARE(run.form().PageControlGeneral->currentIndex(), expected);
        QVERIFY(run.dialogs.errors.isEmpty());
    }

    void onlyThePagesTheUserPicksAreRemembered()
    {
        ProgramFolder folder;
        {
            Started run(folder);
            QTabBar *tabs = run.form().PageControlGeneral->tabBar();
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
            QCOMPARE(run.form().PageControlGeneral->currentIndex(), 1);
            run.form().showPage(2); // the program jumps to the fish page by itself
            run.form().close();
        }
        Started next(folder);
        QCOMPARE(next.form().PageControlGeneral->currentIndex(), 1);
    }

    void storedLanguageIsAppliedOnlyWhenExactlyUaOrRu_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("ukrainian");
        QTest::addColumn<bool>("russian");
        QTest::newRow("ua") << QByteArray("ua") << true << false;
        QTest::newRow("ru") << QByteArray("ru") << false << true;
        QTest::newRow("UA is not ua") << QByteArray("UA") << false << false;
        QTest::newRow("Def") << QByteArray("Def") << false << false;
    }
    void storedLanguageIsAppliedOnlyWhenExactlyUaOrRu()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, ukrainian);
        QFETCH(bool, russian);
        ProgramFolder folder;
        folder.writeFile(QStringLiteral("options.ini"), settings(nullptr, stored.constData()));
        Started run(folder);
        QCOMPARE(run.form().MenuUkranian->isChecked(), ukrainian);
        QCOMPARE(run.form().MenuRussian->isChecked(), russian);
        QCOMPARE(run.form().ToolButtonUA->isChecked(), ukrainian);
        QCOMPARE(run.form().ToolButtonRU->isChecked(), russian);
    }

    void languageSectionIsFoundWhateverItsCase()
    {
        ProgramFolder folder;
        folder.writeFile(QStringLiteral("options.ini"), "[LANGUAGES]\r\nlanguagesid=ru\r\n");
        Started run(folder);
        QVERIFY(run.form().MenuRussian->isChecked());
    }

    void knotPanelKeepsThirteenToSeventeen_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("width");
        QTest::newRow("340") << 340 << 260;
        QTest::newRow("100 truncates") << 100 << 76;
        QTest::newRow("17") << 17 << 13;
        QTest::newRow("0") << 0 << 0;
    }
    void knotPanelKeepsThirteenToSeventeen()
    {
        QFETCH(int, height);
        QFETCH(int, width);
        QCOMPARE(TDovidnykForm::knotPanelWidth(height), width);
    }

    void knotPanelFollowsTheWindowSize()
    {
        ProgramFolder folder;
        folder.writeFile(QStringLiteral("options.ini"), settings("3", nullptr));
        Started run(folder);
        TDovidnykForm &form = run.form();
        form.showNormal();
        form.resize(900, 600);
        QCoreApplication::processEvents();
        QVERIFY(form.Panel3->height() > 0);
        QCOMPARE(form.Panel3->width(), form.Panel3->height() * 13 / 17);
    }

    void brokenDatabaseIsShownOnceAndTheWindowStillOpens()
    {
        ProgramFolder folder;
        folder.writeFile(QStringLiteral("data/lynvarbook.db"), "not a database at all");
        Started run(folder);
        QCOMPARE(run.dialogs.errors.size(), 1);
        QVERIFY(run.dialogs.errors[0].contains(folder.file(QStringLiteral("data/lynvarbook.db"))));
        QVERIFY(run.form().isVisible());
        QVERIFY(!run.app.DataModule2->FishTable.isActive());
        QVERIFY(run.app.FormOptions.made() == nullptr); // dialogs wait until they are needed
        QVERIFY(run.app.FormOptions.get().parent() == &run.form());
    }

    void closingKeepsAnEditNotYetStored()
    {
        ProgramFolder folder;
        {
            Started run(folder);
            DataSet &places = run.app.DataModule2->FishMapTable;
            places.insert();
            places.field(u"Name").setString(QStringLiteral("Збережене"));
            places.post();
            places.edit();
            places.field(u"Name").setString(QStringLiteral("Змінене"));
            run.form().MenuExitClick();
            QVERIFY(!run.form().isVisible());
        }
        Started next(folder);
        QCOMPARE(next.app.DataModule2->FishMapTable.field(u"Name").asString(), QStringLiteral("Змінене"));
    }

    void popupMenusOpenOnTheirGrids()
    {
        ProgramFolder folder;
        Started run(folder);
        TDovidnykForm &form = run.form();
        const struct
        {
            QWidget *control;
            QMenu *menu;
        } pairs[] = {{form.page<FishMapPage>()->DBGridMap, form.page<FishMapPage>()->PopupMenuGridMap},
                     {form.page<SchodennykPage>()->DBGridSchodennyk,
                      form.page<SchodennykPage>()->PopupMenuSchodennyk}};
        for (const auto &p : pairs) {
            QVERIFY(!p.menu->isVisible());
            Q_EMIT p.control->customContextMenuRequested(QPoint(5, 5));
            QVERIFY2(p.menu->isVisible(), qPrintable(p.menu->objectName()));
            p.menu->hide();
        }
    }

    void newEditSaveKeysActOnTheFocusedControlsTable()
    {
        ProgramFolder folder;
        Started run(folder);
        TDovidnykForm &form = run.form();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        run.showPage(0);
        DBEdit *water = form.page<FishMapPage>()->DBEdit2; // "Назва водойми"
        water->setFocus();
        QCoreApplication::processEvents();
        DataSet &places = run.data().FishMapTable;
        QVERIFY(places.isEmpty());

        QTest::keyClick(water, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(places.state(), DataSet::State::Insert);
        QTest::keyClicks(water, QStringLiteral("Desna"));
        QTest::keyClick(water, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(places.state(), DataSet::State::Browse);
        QCOMPARE(places.recordCount(), 1);
        QCOMPARE(places.field(u"NameVodoymy").asString(), QStringLiteral("Desna"));

        QTest::keyClick(water, Qt::Key_F2);
        QCOMPARE(places.state(), DataSet::State::Edit);
        water->selectAll();
        QTest::keyClicks(water, QStringLiteral("Ros"));
        QTest::keyClick(water, Qt::Key_S, Qt::ControlModifier);
        // Stored in the file, not only in memory: a fresh start reads it back.
        run.app.DataModule2->ADOConnectionZapys.close();
        StartedApplication again(folder);
        QCOMPARE(again.data().FishMapTable.field(u"NameVodoymy").asString(), QStringLiteral("Ros"));
    }

    void errorBoxAppendsAFullStopByTheCharacterRule_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << QStringLiteral("Disk full") << QStringLiteral("Disk full.");
        QTest::newRow("cyrillic") << QStringLiteral("Помилка") << QStringLiteral("Помилка.");
        QTest::newRow("full stop") << QStringLiteral("Done.") << QStringLiteral("Done.");
        QTest::newRow("comma") << QStringLiteral("a,") << QStringLiteral("a,");
        QTest::newRow("blank") << QStringLiteral("a ") << QStringLiteral("a ");
        QTest::newRow("bang") << QStringLiteral("a!") << QStringLiteral("a!");
        QTest::newRow("parenthesis") << QStringLiteral("(a)") << QStringLiteral("(a)");
        QTest::newRow("quote") << QStringLiteral("file 'x'") << QStringLiteral("file 'x'");
        QTest::newRow("slash is above the full stop") << QStringLiteral("a/") << QStringLiteral("a/.");
        QTest::newRow("digit") << QStringLiteral("code 5") << QStringLiteral("code 5.");
        QTest::newRow("empty") << QString() << QString();
    }
    void errorBoxAppendsAFullStopByTheCharacterRule()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(errorBoxText(message), shown);
    }

    void guardedHandlersShowFailuresButNotSilentAborts()
    {
        FakeDialogs dialogs;
        QVERIFY(
            !runGuarded(dialogs, [] { throw Error(QStringLiteral("Unable to write to /x/options.ini")); }));
        QVERIFY(!runGuarded(dialogs, [] { throw SilentAbort(); }));
        QVERIFY(runGuarded(dialogs, [] {}));
        QCOMPARE(dialogs.errors, QStringList{QStringLiteral("Unable to write to /x/options.ini.")});
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
