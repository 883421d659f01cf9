// SPDX-License-Identifier: GPL-3.0-or-later
// The fishing places page: every control by its name with its kind, caption and binding, the
// page's proportions, and the views following the current place.
#include "app/LynvarApplication.h"
#include "app/TDovidnykForm.h"
#include "controls/DBCheckBox.h"
#include "controls/DBComboBox.h"
#include "controls/DBEdit.h"
#include "controls/DBGrid.h"
#include "controls/DBMemo.h"
#include "controls/DBRichEdit.h"
#include "controls/DBText.h"
#include "data/DataModule2.h"
#include "places/FishMapPage.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/PageHarness.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/StartedApplication.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <memory>

using namespace lynvar;
using namespace lynvar::test;

namespace {

struct Started : StartedApplication
{
    using StartedApplication::StartedApplication;
    FishMapPage &page() { return *form().page<FishMapPage>(); }
    void showPlaces() { showPage(0); }
};

struct Place
{
    QString name, lng, lat, water, road, rp5, fee;
    bool paid;
};

const QList<Place> &places()
{
    static const QList<Place> list = {
        {QStringLiteral("Десна біля мосту"), QStringLiteral("30.52"), QStringLiteral("50.45"),
         QStringLiteral("Річка"), QStringLiteral("Трасою на північ"), QStringLiteral("4944"),
         QStringLiteral("50 грн"), true},
        {QStringLiteral("Ставок у селі"), QStringLiteral("26.58"), QStringLiteral("48.68"),
         QStringLiteral("Став"), QStringLiteral("Польовою дорогою"), QStringLiteral("5012"), QString(),
         false},
        {QStringLiteral("Світязь"), QStringLiteral("23.85"), QStringLiteral("51.49"), QStringLiteral("Озеро"),
         QStringLiteral("Через Шацьк"), QStringLiteral("6001"), QStringLiteral("100 грн на добу"), true},
    };
    return list;
}

void addPlaces(DataSet &table)
{
    for (const Place &p : places()) {
        table.insert();
        table.field(u"Name").setString(p.name);
        table.field(u"Lng").setString(p.lng);
        table.field(u"Lat").setString(p.lat);
        table.field(u"TypVodoymy").setString(p.water);
        table.field(u"Doroga").setString(p.road);
        table.field(u"MistoRp5").setString(p.rp5);
        table.field(u"OpysOplaty").setString(p.fee);
        table.field(u"Oplata").setBoolean(p.paid);
        table.post();
    }
}

const Place &placeNamed(const QString &name)
{
    for (const Place &p : places())
        if (p.name == name)
            return p;
    qFatal("no such place");
}

void clickRow(DBGrid &grid, int row)
{
    const QRect cell = grid.visualRect(grid.model()->index(row, 0));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
}

} // namespace

class TestFishMapPage : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<Started> m_run;

private Q_SLOTS:
    void initTestCase()
    {
        m_folder = std::make_unique<ProgramFolder>();
        m_run = std::make_unique<Started>(*m_folder);
        QVERIFY(m_run->dialogs.errors.isEmpty());
    }

    void cleanupTestCase()
    {
        m_run.reset();
        m_folder.reset();
    }

    void everyControlStandsWithItsKindCaptionAndBinding_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("visible");
        const auto row = [](const char *name, const char *kind, const char *caption = "",
                            const char *source = "", const char *field = "", bool visible = true) {
            QTest::newRow(name) << QString::fromLatin1(kind) << QString::fromUtf8(caption)
                                << QString::fromLatin1(source) << QString::fromLatin1(field) << visible;
        };
        const char *place = "FishMapDS";
        row("GroupBoxSpysok", "QGroupBox");
        row("DBGridMap", "lynvar::DBGrid", "", place);
        row("GroupBoxKoordynaty", "QGroupBox", "Координати місця лову");
        row("PanelKoordynaty", "QWidget");
        row("LabelLat", "QLabel", "Широта");
        row("DBEdit4", "lynvar::DBEdit", "", place, "Lat");
        row("LabelLng", "QLabel", "Довгота");
        row("DBEdit3", "lynvar::DBEdit", "", place, "Lng");
        row("LabelDoroga", "QLabel", "Дорога");
        row("DBMemo1", "lynvar::DBMemo", "", place, "Doroga");
        row("ButtonViewMap", "QPushButton", "Показати на карті");
        row("GroupBoxMap", "QGroupBox", "Карта");
        row("WebBrowser1Host", "QWidget");
        row("MemoHTML", "QPlainTextEdit", "", "", "", false);
        row("PanelFishMapOther", "QWidget");
        row("GroupBoxMapOptions", "QGroupBox");
        row("LabelTypVodoymy", "QLabel", "Тип водойми");
        row("DBComboBox1", "lynvar::DBComboBox", "", place, "TypVodoymy");
        row("LabelNameVodoymy", "QLabel", "Назва водойми");
        row("DBEdit2", "lynvar::DBEdit", "", place, "NameVodoymy");
        row("LabelMapSelo", "QLabel", "Найблищий населений пункт");
        row("DBEdit8", "lynvar::DBEdit", "", place, "Misto");
        row("DBCheckBoxOplata", "lynvar::DBCheckBox", "Плата за рибалку", place, "Oplata");
        row("DBMemoOplata", "lynvar::DBMemo", "", place, "OpysOplaty");
        row("LabelOplataKontakt", "QLabel", "Контакти орендатора");
        row("DBMemo3", "lynvar::DBMemo", "", place, "KontaktOplata");
        row("LabelDateMap", "QLabel", "Дата заповненн даних");
        row("DBEdit1", "lynvar::DBEdit", "", place, "Date");
        row("GroupBoxFishMapPogoda", "QGroupBox", "Дані сайтів прогнозу погоди");
        row("LabelRp5ID", "QLabel", "Rp5 (ID Місто)");
        row("DBEditRp5IDMisto", "lynvar::DBEdit", "", place, "MistoRp5");
        row("ButtonShowRp5", "QPushButton", "Показати");
        row("LabelRp5Stanciya", "QLabel", "Rp5 (ID Станція)");
        row("DBEditRp5IDStanciya", "lynvar::DBEdit", "", place, "StanciyaRp5");
        row("LabelSinoptik", "QLabel", "Населений пункт (Синоптик)");
        row("DBEditSinoptik", "lynvar::DBEdit", "", place, "MistoSinoptikUA");
        row("ButtonShowSinoptik", "QPushButton", "Показати");
        row("ButtonGetSinoptik", "QPushButton", "URL");
        row("LabelMeteo", "QLabel", "Населений пункт (Метео)");
        row("DBEditMeteo", "lynvar::DBEdit", "", place, "MistoMeteo");
        row("ButtonShowMeteo", "QPushButton", "Показати");
        row("ButtonGetMeteo", "QPushButton", "URL");
        row("GroupBoxFishMapFish", "QGroupBox", "Види риб");
        row("ListBoxFish", "QListWidget");
        row("DBMemoFish", "lynvar::DBMemo", "", place, "Fish", false);
        row("ButtonFishMapAddFish", "QPushButton", "Добавити види риб");
        row("GroupBoxMapOpys", "QGroupBox", "Опис");
        row("DBRichOpys", "lynvar::DBRichEdit", "", place, "Opys");
    }
    void everyControlStandsWithItsKindCaptionAndBinding()
    {
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        QFETCH(QString, source);
        QFETCH(QString, field);
        QFETCH(bool, visible);
        QWidget *page = m_run->form().TabFishMap;
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        const QList<QWidget *> found = page->findChildren<QWidget *>(name);
        QCOMPARE(found.size(), 1);
        QWidget *control = found.first();
        QVERIFY2(control->inherits(kind.toLatin1().constData()), control->metaObject()->className());
        if (hasOwnCaption(control))
            QCOMPARE(captionOf(control), caption);
        const Binding binding = bindingOf(control);
        QCOMPARE(binding.source, source);
        QCOMPARE(binding.field, field);
        QCOMPARE(control->isVisibleTo(page), visible);
    }

    void membersAreTheNamedControls()
    {
        FishMapPage &page = m_run->page();
        QCOMPARE(page.TabFishMap, m_run->form().TabFishMap);
        QWidget *tab = page.TabFishMap;
        const QList<std::pair<QWidget *, const char *>> members = {
            {page.DBGridMap, "DBGridMap"},     {page.GroupBoxKoordynaty, "GroupBoxKoordynaty"},
            {page.DBEdit3, "DBEdit3"},         {page.DBEdit4, "DBEdit4"},
            {page.LabelLng, "LabelLng"},       {page.LabelLat, "LabelLat"},
            {page.MemoHTML, "MemoHTML"},       {page.WebBrowser1Host, "WebBrowser1Host"},
            {page.ListBoxFish, "ListBoxFish"}, {page.DBMemoFish, "DBMemoFish"},
            {page.DBRichOpys, "DBRichOpys"},   {page.PanelFishMapOther, "PanelFishMapOther"},
        };
        for (const auto &[member, name] : members)
            QCOMPARE(member, tab->findChild<QWidget *>(QString::fromLatin1(name)));
    }

    void placesListHasItsThreeColumns()
    {
        DBGrid &grid = *m_run->page().DBGridMap;
        QCOMPARE(grid.columnCount(), 3);
        const QStringList fields = {QStringLiteral("Name"), QStringLiteral("Status"),
                                    QStringLiteral("Ocinka")};
        const QStringList titles = {QStringLiteral("Назва"), QStringLiteral("+/-"), QStringLiteral("Оцінка")};
        const QList<int> widths = {128, 25, 56};
        for (int c = 0; c < 3; ++c) {
            QCOMPARE(grid.columnFieldName(c), fields[c]);
            QCOMPARE(grid.columnTitle(c), titles[c]);
            QCOMPARE(grid.columnWidth(c), widths[c]);
        }
        QVERIFY(grid.columnPickList(0).isEmpty());
        QCOMPARE(grid.columnPickList(1), (QStringList{QStringLiteral("True"), QStringLiteral("False")}));
        QCOMPARE(grid.columnPickList(2),
                 (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                              QStringLiteral("4"), QStringLiteral("5")}));
        QVERIFY(!grid.isReadOnly());
        QCOMPARE(grid.font().pixelSize(), 13);
        QCOMPARE(grid.font().family(), QStringLiteral("Tahoma"));
    }

    void kindsOfWaterArePickedFromTheList()
    {
        DBComboBox &water = *m_run->page().DBComboBox1;
        QCOMPARE(water.items(),
                 (QStringList{QStringLiteral("Річка"), QStringLiteral("Став"), QStringLiteral("Озеро"),
                              QStringLiteral("Море"), QStringLiteral("Океан")}));
    }

    void pageKeepsItsProportionsAtTheDesignSizeAndLarger_data()
    {
        QTest::addColumn<bool>("large");
        QTest::newRow("1024x726") << false;
        QTest::newRow("1920x1050") << true;
    }
    void pageKeepsItsProportionsAtTheDesignSizeAndLarger()
    {
        QFETCH(bool, large);
        TDovidnykForm &form = m_run->form();
        form.showNormal();
        form.resize(large ? QSize(1920, 1050) : QSize(1024, 726));
        m_run->showPlaces();
        FishMapPage &page = m_run->page();
        QCOMPARE(page.GroupBoxSpysok->width(), 250);
        QCOMPARE(page.PanelFishMapOther->height(), 242);
        QCOMPARE(page.GroupBoxMapOptions->width(), 615);
        QCOMPARE(page.GroupBoxKoordynaty->height(), 99);

        const auto inPage = [&](QWidget *w) {
            return QRect(w->mapTo(page.TabFishMap, QPoint(0, 0)), w->size());
        };
        const QRect list = inPage(page.GroupBoxSpysok);
        const QRect map = inPage(page.GroupBoxMap);
        const QRect bottom = inPage(page.PanelFishMapOther);
        QVERIFY(map.left() > list.right());
        QVERIFY(map.bottom() < bottom.top());
        QVERIFY(list.bottom() < bottom.top());
        // The bottom panel runs the page's whole width; the description takes what is left.
        QVERIFY(bottom.width() >= page.TabFishMap->width() - 10);
        QVERIFY(page.GroupBoxMapOpys->width() > 150);
        // The coordinates box and the map button sit under the list, inside its group.
        QVERIFY(inPage(page.GroupBoxKoordynaty).top() > inPage(page.DBGridMap).bottom());
        QVERIFY(inPage(page.ButtonViewMap).top() > inPage(page.DBGridMap).bottom());
        QVERIFY(page.DBGridMap->height() > 100);
        // Every caption of the details fits its control.
        for (QLabel *label : page.PanelFishMapOther->findChildren<QLabel *>())
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));
        for (QPushButton *button : page.TabFishMap->findChildren<QPushButton *>())
            QVERIFY2(button->width() >= button->fontMetrics().horizontalAdvance(button->text()) + 4,
                     qPrintable(button->objectName()));
    }

    void noWebViewIsMadeAtStartUp()
    {
        FishMapPage &page = m_run->page();
        QVERIFY(page.WebBrowser1Host->findChildren<QWidget *>().isEmpty());
        QVERIFY(m_run->form().findChild<QObject *>(QStringLiteral("WebBrowser1")) == nullptr);
        for (QWidget *w : QApplication::allWidgets())
            QVERIFY2(!w->inherits("QWebEngineView"), qPrintable(w->objectName()));
        QVERIFY(page.WebBrowser1Host->isVisibleTo(page.TabFishMap));
    }

    void listAndDetailsFollowTheCurrentPlaceTogether()
    {
        ProgramFolder folder;
        Started run(folder);
        DataSet &table = run.data().FishMapTable;
        addPlaces(table);
        run.showPlaces();
        FishMapPage &page = run.page();
        DBGrid &grid = *page.DBGridMap;
        QCOMPARE(grid.model()->rowCount(), 3);

        // The user picks each place in the list: the data set and every view go along.
        for (int row : {2, 0, 1}) {
            clickRow(grid, row);
            QCOMPARE(table.currentRow(), row);
            const Place &p = placeNamed(grid.model()->index(row, 0).data().toString());
            QCOMPARE(table.field(u"Name").asString(), p.name);
            QCOMPARE(page.DBEdit3->text(), p.lng);
            QCOMPARE(page.DBEdit4->text(), p.lat);
            QCOMPARE(page.DBComboBox1->currentText(), p.water);
            QCOMPARE(page.DBMemo1->toPlainText(), p.road);
            QCOMPARE(page.DBEditRp5IDMisto->text(), p.rp5);
            QCOMPARE(page.DBMemoOplata->toPlainText(), p.fee);
            QCOMPARE(page.DBCheckBoxOplata->isChecked(), p.paid);
        }

        // The program moves the data set: the list's selection and the views follow.
        table.first();
        QCOMPARE(grid.currentIndex().row(), 0);
        QCOMPARE(page.DBEdit3->text(), placeNamed(grid.model()->index(0, 0).data().toString()).lng);
        table.last();
        QCOMPARE(grid.currentIndex().row(), 2);
        QCOMPARE(page.DBEdit4->text(), placeNamed(grid.model()->index(2, 0).data().toString()).lat);
        QVERIFY(run.dialogs.errors.isEmpty());
    }

    void typingIntoADetailWritesTheCurrentPlaceOnly()
    {
        ProgramFolder folder;
        Started run(folder);
        DataSet &table = run.data().FishMapTable;
        addPlaces(table);
        run.showPlaces();
        FishMapPage &page = run.page();
        DBGrid &grid = *page.DBGridMap;

        clickRow(grid, 1);
        const QString edited = grid.model()->index(1, 0).data().toString();
        page.DBEdit2->setFocus();
        QTest::keyClicks(page.DBEdit2, QStringLiteral("Pripyat"));
        QCOMPARE(table.state(), DataSet::State::Edit);
        QCOMPARE(table.field(u"NameVodoymy").asString(), QStringLiteral("Pripyat"));

        // Another place: the edit is stored and the box shows the other place's (empty) water name.
        clickRow(grid, 0);
        QCOMPARE(table.state(), DataSet::State::Browse);
        QCOMPARE(page.DBEdit2->text(), QString());
        QVERIFY(table.locate(QStringLiteral("Name"), edited));
        QCOMPARE(table.field(u"NameVodoymy").asString(), QStringLiteral("Pripyat"));
        QCOMPARE(page.DBEdit2->text(), QStringLiteral("Pripyat"));
        QVERIFY(run.dialogs.errors.isEmpty());
    }

    void hiddenFishMemoStaysHiddenWhileThePlaceChanges()
    {
        ProgramFolder folder;
        Started run(folder);
        DataSet &table = run.data().FishMapTable;
        addPlaces(table);
        run.showPlaces();
        FishMapPage &page = run.page();
        clickRow(*page.DBGridMap, 2);
        table.first();
        QVERIFY(page.DBMemoFish->isHidden());
        QVERIFY(page.MemoHTML->isHidden());
        QVERIFY(page.ListBoxFish->isVisible());
    }
};

QTEST_MAIN(TestFishMapPage)
#include "tst_fishmappage.moc"
