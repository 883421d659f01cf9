// SPDX-License-Identifier: GPL-3.0-or-later
// The fish catalogue: sorting either grid by a title click, and the taxonomy filter with its value list.
#include "controls/DBGrid.h"
#include "data/DataModule2.h"
#include "reference/FishPage.h"
#include "tests/reference/HandbookTestSupport.h"

#include <QComboBox>
#include <QPushButton>
#include <QtTest>

using namespace lynvar;
using namespace lynvar::test;
using namespace Qt::StringLiterals;

namespace {

using Click = std::pair<QString, int>; // grid, column

// A handbook of four fish whose Ukrainian families are "A", "B", "A" and none.
void fourFish(const ProgramFolder &folder)
{
    changeHandbook(folder, u"DELETE FROM Fish WHERE ID > 4"_s);
    const QVariantList families = {u"A"_s, u"B"_s, u"A"_s, QVariant()};
    for (int id = 1; id <= 4; ++id)
        changeHandbook(folder, u"UPDATE Fish SET FamiliaUA = ? WHERE ID = ?"_s, {families[id - 1], id});
}

void pick(QComboBox *list, const QString &entry)
{
    const int index = list->findText(entry);
    QVERIFY2(index >= 0, qPrintable(entry));
    list->setCurrentIndex(index);
    Q_EMIT list->activated(index);
}

QStringList items(const QComboBox *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

} // namespace

class TestFishCatalogue : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<StartedApplication> m_run;

    FishPage &page() { return *m_run->form().page<FishPage>(); }
    DataSet &fish() { return m_run->data().FishTable; }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<ProgramFolder>();
        fourFish(*m_folder);
        m_run = std::make_unique<StartedApplication>(*m_folder);
    }
    void cleanup()
    {
        QVERIFY2(m_run->dialogs.errors.isEmpty(), qPrintable(m_run->dialogs.errors.join(u'\n')));
        m_run.reset();
        m_folder.reset();
    }

    void titleClicksSortAndToggle_data()
    {
        QTest::addColumn<QList<Click>>("clicks");
        QTest::addColumn<QStringList>("sorts"); // the sort text after each click
        const QString list = u"DBGridFish"_s, table = u"DBGridFishAll"_s;
        QTest::newRow("three clicks on the name")
            << QList<Click>{{list, 0}, {list, 0}, {list, 0}}
            << QStringList{u"NameUA ASC"_s, u"NameUA DESC"_s, u"NameUA ASC"_s};
        QTest::newRow("another column starts ascending")
            << QList<Click>{{list, 0}, {list, 0}, {table, 7}, {list, 0}}
            << QStringList{u"NameUA ASC"_s, u"NameUA DESC"_s, u"Genus ASC"_s, u"NameUA ASC"_s};
        QTest::newRow("the toggle looks at the table, not the grid")
            << QList<Click>{{table, 0}, {list, 0}, {table, 0}}
            << QStringList{u"NameUA ASC"_s, u"NameUA DESC"_s, u"NameUA ASC"_s};
        QTest::newRow("a title without a caption sorts by its field")
            << QList<Click>{{table, 17}, {table, 17}} << QStringList{u"Masa ASC"_s, u"Masa DESC"_s};
    }
    void titleClicksSortAndToggle()
    {
        QFETCH(QList<Click>, clicks);
        QFETCH(QStringList, sorts);
        QStringList seen;
        for (const auto &[gridName, column] : clicks) {
            auto *grid = page().TabFish->findChild<DBGrid *>(gridName);
            QVERIFY(grid);
            Q_EMIT grid->titleClick(column);
            seen << fish().sort();
        }
        QCOMPARE(seen, sorts);
    }

    void aFilterKindOffersEachValueOnce_data()
    {
        QTest::addColumn<int>("startRow");
        QTest::newRow("from the first fish") << 0;
        QTest::newRow("from the last fish") << 3;
    }
    void aFilterKindOffersEachValueOnce()
    {
        QFETCH(int, startRow);
        fish().moveTo(startRow);
        pick(page().ComboBoxFiltr, u"Родина (Укр)"_s);
        QCOMPARE(items(page().ComboBoxFish), (QStringList{u"A"_s, u"B"_s}));
        QCOMPARE(page().ComboBoxFish->currentIndex(), -1);
        QCOMPARE(fish().currentRow(), 0);
        QVERIFY(!fish().filtered());
    }

    void filterOnClearAndAnotherKind()
    {
        pick(page().ComboBoxFiltr, u"Родина (Укр)"_s);
        pick(page().ComboBoxFish, u"A"_s);
        QVERIFY(fish().filtered());
        QCOMPARE(fish().filter(), u"FamiliaUA = 'A'"_s);
        QCOMPARE(fish().recordCount(), 2);
        QCOMPARE(fish().field(u"FamiliaUA").asString(), u"A"_s);

        page().Button1->click();
        QVERIFY(!fish().filtered());
        QCOMPARE(fish().recordCount(), 4);
        QCOMPARE(page().ComboBoxFish->currentText(), u"A"_s); // the lists keep their choice
        page().Button1->click();                              // "X" again changes nothing
        QCOMPARE(fish().recordCount(), 4);

        pick(page().ComboBoxFish, u"B"_s);
        QCOMPARE(fish().recordCount(), 1);
        fish().last();
        pick(page().ComboBoxFiltr, u"Рід (Лат)"_s);
        QVERIFY(!fish().filtered());
        QCOMPARE(fish().recordCount(), 4);
        QCOMPARE(fish().currentRow(), 0);
    }

    void aValueWithAnApostropheFilters_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("one apostrophe") << u"В'юнові"_s;
        QTest::newRow("two in a row") << u"a''b"_s;
        QTest::newRow("at the end") << u"Риб'"_s;
    }
    void aValueWithAnApostropheFilters()
    {
        QFETCH(QString, value);
        fish().moveTo(1);
        fish().edit();
        fish().field(u"FamiliaUA").setString(value);
        fish().post();
        pick(page().ComboBoxFiltr, u"Родина (Укр)"_s);
        pick(page().ComboBoxFish, value);
        QVERIFY(fish().filtered());
        QCOMPARE(fish().recordCount(), 1);
        QCOMPARE(fish().field(u"FamiliaUA").asString(), value);
    }

    void doubleClickInTheListChangesNothing()
    {
        fish().moveTo(2);
        Q_EMIT page().DBGridFish->dblClick();
        QCOMPARE(fish().currentRow(), 2);
        QCOMPARE(fish().state(), DataSet::State::Browse);
    }
};

QTEST_MAIN(TestFishCatalogue)
#include "tst_fishcatalogue.moc"
