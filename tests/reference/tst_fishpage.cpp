// SPDX-License-Identifier: GPL-3.0-or-later
// The fish page: its filter bar, list, card and classification table, and the views following the
// current fish.
#include "data/DataModule2.h"
#include "reference/FishPage.h"
#include "tests/support/HandbookPageTest.h"

#include <QtTest>

using namespace lynvar;
using namespace lynvar::test;
using namespace Qt::StringLiterals;

class TestFishPage : public HandbookPageTest
{
    Q_OBJECT

public:
    TestFishPage() : HandbookPageTest(2, "TabFish") {}

private:
    QList<Control> controls() override
    {
        FishPage &fish = page<FishPage>();
        QList<Control> rows = {
            {"GroupBoxFiltr", fish.GroupBoxFiltr, "QGroupBox", u"Фільтр"_s},
            {"LabelVybirFiltr", fish.LabelVybirFiltr, "QLabel", u"Виберіть фільтр"_s},
            {"ComboBoxFiltr", fish.ComboBoxFiltr, "QComboBox"},
            {"LabelParamFiltr", fish.LabelParamFiltr, "QLabel", u"Виберіть параметр фільтру"_s},
            {"ComboBoxFish", fish.ComboBoxFish, "QComboBox"},
            {"Button1", fish.Button1, "QPushButton", u"X"_s},
            {"lapky", fish.lapky, "QLineEdit", u"\""_s, true},
            {"Splitter2", fish.Splitter2, "QSplitter"},
            {"PageControlFish", fish.PageControlFish, "QTabWidget"},
            {"TabSpysokFish", fish.TabSpysokFish, "QWidget", u"Список риб"_s},
            {"TabClassFish", fish.TabClassFish, "QWidget", u"Таблиця біологічної класифікації"_s},
            {"GroupBoxFishNameUkr", fish.GroupBoxFishNameUkr, "QGroupBox"},
            {"DBGridFish", fish.DBGridFish, "lynvar::DBGrid"},
            {"ImageFotoSmallFish", fish.ImageFotoSmallFish, "lynvar::PictureView"},
            {"PageControlOpysFish", fish.PageControlOpysFish, "QTabWidget"},
            {"TabSheetOpys", fish.TabSheetOpys, "QWidget", u"Опис"_s},
            {"TabSheetFoto", fish.TabSheetFoto, "QWidget", u"Фото"_s},
            {"PanelClass", fish.PanelClass, "QFrame"},
            {"Cl", fish.Cl, "QLabel", u" Клас: "_s},
            {"Or", fish.Or, "QLabel", u" Ряд: "_s},
            {"Fa", fish.Fa, "QLabel", u" Родина: "_s},
            {"Ge", fish.Ge, "QLabel", u" Рід: "_s},
            {"Sp", fish.Sp, "QLabel", u" Вид: "_s},
            {"Ma", fish.Ma, "QLabel", {}, true},
            {"Dl", fish.Dl, "QLabel", {}, true},
            {"DBRichEditFishOpys", fish.DBRichEditFishOpys, "lynvar::DBRichEdit"},
            {"ImageFotoFish", fish.ImageFotoFish, "lynvar::PictureView"},
            {"DBGridFishAll", fish.DBGridFishAll, "lynvar::DBGrid"},
        };
        // Each rank's line: its names in both languages, the Latin one in brackets.
        const auto rank = [&rows](const QByteArray &r, QLabel *open, QLabel *close, DBText *ukr,
                                  DBText *lat) {
            rows.append({r + '1', open, "QLabel", u" ("_s});
            rows.append({r + '2', close, "QLabel", u" ) "_s});
            rows.append({r + "Ukr", ukr, "lynvar::DBText"});
            rows.append({r + "Lat", lat, "lynvar::DBText"});
        };
        rank("C", fish.C1, fish.C2, fish.CUkr, fish.CLat);
        rank("O", fish.O1, fish.O2, fish.OUkr, fish.OLat);
        rank("F", fish.F1, fish.F2, fish.FUkr, fish.FLat);
        rank("G", fish.G1, fish.G2, fish.GUkr, fish.GLat);
        rank("S", fish.S1, fish.S2, fish.SUkr, fish.SLat);
        return rows;
    }

    QList<Bound> boundViews() const override
    {
        return {{"DBRichEditFishOpys", "FishDS", "OpysUA"},
                {"CUkr", "FishDS", "ClassisUA"},
                {"OUkr", "FishDS", "OrdoUA"},
                {"FUkr", "FishDS", "FamiliaUA"},
                {"GUkr", "FishDS", "GenusUA"},
                {"SUkr", "FishDS", "SpeciesUA"},
                {"CLat", "FishDS", "Classis"},
                {"OLat", "FishDS", "Ordo"},
                {"FLat", "FishDS", "Familia"},
                {"GLat", "FishDS", "Genus"},
                {"SLat", "FishDS", "Species"}};
    }

    QList<Grid> grids() const override
    {
        return {
            {"DBGridFish", "FishDS", {u"NameUA"_s}, {u"Назва"_s}},
            {"DBGridFishAll",
             "FishDS",
             {u"NameUA"_s, u"NameRU"_s, u"SpeciesUA"_s, u"SpeciesRU"_s, u"Species"_s, u"GenusUA"_s,
              u"GenusRU"_s, u"Genus"_s, u"FamiliaUA"_s, u"FamiliaRU"_s, u"Familia"_s, u"OrdoUA"_s,
              u"OrdoRU"_s, u"Ordo"_s, u"ClassisUA"_s, u"ClassisRU"_s, u"Classis"_s, u"Masa"_s, u"Dlina"_s},
             {u"Назва (Укр)"_s, u"Назва (Рус)"_s, u"Вид (Укр)"_s, u"Вид (Рус)"_s, u"Вид (Лат)"_s,
              u"Рід (Укр)"_s, u"Рід (Рус)"_s, u"Рід (Лат)"_s, u"Родина (Укр)"_s, u"Родина (Рус)"_s,
              u"Родина (Лат)"_s, u"Ряд (Укр)"_s, u"Ряд (Рус)"_s, u"Ряд (Лат)"_s, u"Клас (Укр)"_s,
              u"Клас (Рус)"_s, u"Клас (Лат)"_s, u"Masa"_s, u"Dlina"_s}},
        };
    }

    QList<Font> fonts() const override
    {
        QList<Font> rows = {{"DBGridFish", "Tahoma", 13},
                            {"DBGridFishAll", "Tahoma", 13},
                            {"DBRichEditFishOpys", "Times New Roman", 16},
                            {"LabelVybirFiltr", "Tahoma", 11},
                            {"ComboBoxFiltr", "Tahoma", 11}};
        for (const char *rank : {"Cl", "Or", "Fa", "Ge", "Sp"})
            rows.append({rank, "Tahoma", 15, true});
        for (const char *part : {"CUkr", "CLat", "C1", "C2", "SUkr", "SLat", "S1", "S2"})
            rows.append({part, "Tahoma", 15});
        return rows;
    }

    QList<Size> sizes() const override
    {
        return {{"GroupBoxFiltr", false, 67},
                {"GroupBoxFishNameUkr", true, 204},
                {"ImageFotoSmallFish panel", false, 150}};
    }

    QList<Formatted> formattedViews() const override
    {
        return {{"DBRichEditFishOpys", "FishTable", "Fish", "OpysUA"}};
    }

private Q_SLOTS:
    void pageOpensOnTheListAndTheDescription()
    {
        FishPage &fish = page<FishPage>();
        QCOMPARE(fish.PageControlFish->currentWidget(), fish.TabSpysokFish);
        QCOMPARE(fish.PageControlOpysFish->currentWidget(), fish.TabSheetOpys);
    }

    void filterListsStartWithTheNineKindsAndNoValues()
    {
        FishPage &fish = page<FishPage>();
        const QStringList entries = {u"Рід (Лат)"_s,    u"Рід (Рус)"_s,    u"Рід (Укр)"_s,
                                     u"Родина (Лат)"_s, u"Родина (Рус)"_s, u"Родина (Укр)"_s,
                                     u"Ряд (Лат)"_s,    u"Ряд (Рус)"_s,    u"Ряд (Укр)"_s};
        QStringList shownEntries;
        for (int i = 0; i < fish.ComboBoxFiltr->count(); ++i)
            shownEntries << fish.ComboBoxFiltr->itemText(i);
        QCOMPARE(shownEntries, entries);
        QCOMPARE(fish.ComboBoxFiltr->itemData(5).toString(), u"FamiliaUA"_s);
        QCOMPARE(fish.ComboBoxFiltr->currentIndex(), -1);
        QVERIFY(!fish.ComboBoxFiltr->isEditable());
        QCOMPARE(fish.ComboBoxFish->count(), 0);
        QVERIFY(!fish.ComboBoxFish->isEditable());
        QCOMPARE(fish.Button1->toolTip(), u"Очистити фільтр"_s);
        QVERIFY(fish.lapky->isReadOnly());
    }

    void rankLabelsExplainTheirRank()
    {
        FishPage &fish = page<FishPage>();
        QCOMPARE(fish.Cl->toolTip(), u"Один з основних рангів біологічної класифікації."_s);
        QVERIFY(fish.Or->toolTip().startsWith(u"Систематична категорія (ранг)"));
        QVERIFY(fish.Fa->toolTip().startsWith(u"Таксономічна категорія"));
        QVERIFY(fish.Ge->toolTip().startsWith(u"Основна надвидова категорія"));
        QCOMPARE(fish.Sp->toolTip().count(u". "), 2); // three sentences
    }

    void listCardAndTableFollowTheCurrentFish()
    {
        showPage();
        FishPage &fish = page<FishPage>();
        DataSet &table = run().data().FishTable;
        QVERIFY(table.recordCount() > 10);

        QString lastSpecies;
        for (int row : {5, 0, 9}) {
            clickRow(fish.DBGridFish, row);
            QCOMPARE(table.currentRow(), row);
            QCOMPARE(fish.DBGridFish->currentIndex().row(), row);
            QCOMPARE(fish.DBGridFishAll->currentIndex().row(), row);
            // The description is the fish's own: it names the fish.
            QVERIFY2(fish.DBRichEditFishOpys->toPlainText().contains(table.field(u"NameUA").asString()),
                     qPrintable(table.field(u"NameUA").asString()));
            const QList<std::pair<DBText *, const char16_t *>> card = {
                {fish.CUkr, u"ClassisUA"}, {fish.OUkr, u"OrdoUA"},    {fish.FUkr, u"FamiliaUA"},
                {fish.GUkr, u"GenusUA"},   {fish.SUkr, u"SpeciesUA"}, {fish.CLat, u"Classis"},
                {fish.OLat, u"Ordo"},      {fish.FLat, u"Familia"},   {fish.GLat, u"Genus"},
                {fish.SLat, u"Species"}};
            for (const auto &[view, field] : card)
                QCOMPARE(view->text(), table.field(QStringView(field)).asString());
            QVERIFY(fish.SLat->text() != lastSpecies);
            lastSpecies = fish.SLat->text();
        }

        // A move made in the classification table shows on the list and the card too.
        fish.PageControlFish->setCurrentWidget(fish.TabClassFish);
        QCoreApplication::processEvents();
        clickRow(fish.DBGridFishAll, 3);
        QCOMPARE(table.currentRow(), 3);
        QCOMPARE(fish.DBGridFish->currentIndex().row(), 3);
        QCOMPARE(fish.SUkr->text(), table.field(u"SpeciesUA").asString());
        fish.PageControlFish->setCurrentWidget(fish.TabSpysokFish);
    }

    void classificationLinesArePacked()
    {
        showPage();
        FishPage &fish = page<FishPage>();
        clickRow(fish.DBGridFish, 1);
        QCoreApplication::processEvents();
        const QList<QList<QWidget *>> lines = {{fish.Cl, fish.CUkr, fish.C1, fish.CLat, fish.C2},
                                               {fish.Or, fish.OUkr, fish.O1, fish.OLat, fish.O2},
                                               {fish.Fa, fish.FUkr, fish.F1, fish.FLat, fish.F2},
                                               {fish.Ge, fish.GUkr, fish.G1, fish.GLat, fish.G2},
                                               {fish.Sp, fish.SUkr, fish.S1, fish.SLat, fish.S2}};
        int right = 0;
        for (int i = 0; i < lines.size(); ++i) {
            const QList<QWidget *> &line = lines[i];
            QCOMPARE(line[0]->pos(), QPoint(10, 5 + 25 * i));
            for (int k = 1; k < line.size(); ++k) {
                QCOMPARE(line[k]->y(), line[0]->y());
                QCOMPARE(line[k]->x(), line[k - 1]->geometry().right() + 1);
            }
            right = std::max(right, line.last()->geometry().right());
        }
        // The panel is as wide as its longest line and no wider; the description starts beyond it.
        QVERIFY(fish.PanelClass->width() > right);
        QVERIFY(fish.PanelClass->width() <= right + 12);
        QVERIFY(fish.DBRichEditFishOpys->x() > fish.PanelClass->geometry().right());
    }

    void readOnlyViewsRefuseInput()
    {
        showPage();
        FishPage &fish = page<FishPage>();
        clickRow(fish.DBGridFish, 2);
        const QString before = fish.DBRichEditFishOpys->toPlainText();
        fish.DBRichEditFishOpys->setFocus();
        QTest::keyClicks(fish.DBRichEditFishOpys, u"xyz"_s);
        QTest::keyClick(fish.DBRichEditFishOpys, Qt::Key_Delete);
        QCOMPARE(fish.DBRichEditFishOpys->toPlainText(), before);
        fish.DBGridFish->setFocus();
        QTest::keyClicks(fish.DBGridFish, u"abc"_s);
        QTest::keyClick(fish.DBGridFish, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(run().data().FishTable.state(), DataSet::State::Browse);
        QVERIFY(run().dialogs.questions.isEmpty());
        QCOMPARE(fish.DBGridFish->currentIndex().row(), 2);
    }
};

QTEST_MAIN(TestFishPage)
#include "tst_fishpage.moc"
