// SPDX-License-Identifier: GPL-3.0-or-later
// The methods dialog: the stored lists and their format, the round trip of editing a method, the
// marks cleared on opening, what it needs, and the jumps from the diary's lists to the tackle page.
#include "diary/TFormFish.h"
#include "diary/TFormSposobyLovu.h"
#include "tests/diary/DiaryFixture.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace lynvar;
using namespace lynvar::test;

namespace {

QString nameAt(DataSet &table, int row)
{
    return table.valueAt(row, table.fieldIndex(u"NameUkr")).toString();
}

void mark(DataSet &table, int row)
{
    table.moveTo(row);
    toggleMark(table);
}

struct Choice
{
    QString tackle;      // a tackle type to make current; empty: leave it
    QList<int> rigs;     // rows of the rig list to mark
    QList<int> baits;    // rows of the bait list to mark
    QString otherTackle; // the three "Інше" texts
    QString otherRigs;
    QString otherBaits;
};

// Plays the user's part in the methods dialog and stores the method.
std::function<void(QDialog &)> choose(TDataModule2 &data, const Choice &choice)
{
    return [&data, choice](QDialog &dialog) {
        auto &methods = static_cast<TFormSposobyLovu &>(dialog);
        if (!choice.tackle.isEmpty())
            QVERIFY(data.SnastTable.locate(QStringLiteral("NameUkr"), choice.tackle));
        for (int row : choice.rigs)
            mark(data.OsnastkaTable, row);
        for (int row : choice.baits)
            mark(data.NazhyvkaTable, row);
        methods.MemoOtherSnast->setPlainText(choice.otherTackle);
        methods.MemoOtherOsnastka->setPlainText(choice.otherRigs);
        methods.MemoOtherNazhyvka->setPlainText(choice.otherBaits);
        QTest::mouseClick(methods.ButtonSposobyLovuAddSposobyLovu, Qt::LeftButton);
    };
}

QStringList linesOf(const QListWidget *list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

} // namespace

class TestMethods : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void storedMethodHoldsItsListsInTheirFormat_data()
    {
        QTest::addColumn<QString>("otherTackle");
        QTest::addColumn<QString>("otherBaits");
        QTest::addColumn<bool>("rigsMarked");
        QTest::newRow("tackle type and two rigs") << QString() << QString() << true;
        QTest::newRow("only an other bait") << QString() << QStringLiteral("Черв'як з гною") << false;
        QTest::newRow("other tackle") << QStringLiteral("Фідер з човна") << QString() << false;
    }
    void storedMethodHoldsItsListsInTheirFormat()
    {
        QFETCH(QString, otherTackle);
        QFETCH(QString, otherBaits);
        QFETCH(bool, rigsMarked);
        ProgramFolder folder;
        DiaryRun run(folder);
        run.showPage(1);
        run.addEntry({{QStringLiteral("Misce"), QStringLiteral("Десна")}});
        TDataModule2 &data = run.data();
        Choice choice{QStringLiteral("Фідер"),
                      rigsMarked ? QList<int>{0, 2} : QList<int>{},
                      {},
                      otherTackle,
                      QString(),
                      otherBaits};
        run.onDialog = choose(data, choice);
        run.page().ButtonAddSposobyLovuClick();

        DataSet &method = data.SposobyLovuTable;
        QCOMPARE(method.recordCount(), 1);
        QCOMPARE(method.state(), DataSet::State::Browse);
        QCOMPARE(method.field(u"IDSchodennyk").asInteger(), run.diary().field(u"ID").asInteger());
        QCOMPARE(method.field(u"Name").asString(),
                 otherTackle.isEmpty() ? QStringLiteral("Фідер") : otherTackle);
        const QString rigs =
            rigsMarked ? nameAt(data.OsnastkaTable, 0) + u'\n' + nameAt(data.OsnastkaTable, 2) : QString();
        QCOMPARE(method.field(u"Osnastka").asString(), rigs);
        QCOMPARE(method.field(u"Nazyvka").asString(), otherBaits.isEmpty() ? QString() : u'\n' + otherBaits);
        const QStringList baitLines =
            otherBaits.isEmpty() ? QStringList() : QStringList{QString(), otherBaits};
        QCOMPARE(linesOf(run.page().ListBoxNazhyvka), baitLines);
        QCOMPARE(run.page().ListBoxOsnastka->count(), rigsMarked ? 2 : 0);
    }

    void editingOpensWithThePresentMethodAndKeepsIt_data()
    {
        QTest::addColumn<QString>("tackle");
        QTest::addColumn<QString>("otherTackle");
        QTest::newRow("tackle type of the handbook") << QStringLiteral("Фідер") << QString();
        QTest::newRow("own tackle") << QStringLiteral("Фідер") << QStringLiteral("Фідер з човна");
    }
    void editingOpensWithThePresentMethodAndKeepsIt()
    {
        QFETCH(QString, tackle);
        QFETCH(QString, otherTackle);
        ProgramFolder folder;
        DiaryRun run(folder);
        run.showPage(1);
        run.addEntry({{QStringLiteral("Misce"), QStringLiteral("Десна")}});
        TDataModule2 &data = run.data();
        run.onDialog = choose(
            data, {tackle, {0, 2}, {1}, otherTackle, QStringLiteral("Свій монтаж\nЩе один"), QString()});
        run.page().ButtonAddSposobyLovuClick();
        DataSet &method = data.SposobyLovuTable;
        const QStringList stored = {method.field(u"Name").asString(), method.field(u"Osnastka").asString(),
                                    method.field(u"Nazyvka").asString()};

        // Elsewhere meanwhile: another tackle type is current.
        QVERIFY(data.SnastTable.locate(QStringLiteral("NameUkr"), QStringLiteral("Спінінг")));
        QStringList shown;
        run.onDialog = [&](QDialog &dialog) {
            auto &methods = static_cast<TFormSposobyLovu &>(dialog);
            shown << data.SnastTable.field(u"NameUkr").asString() << methods.MemoOtherSnast->toPlainText()
                  << markedNames(data.OsnastkaTable).join(u'|') << methods.MemoOtherOsnastka->toPlainText()
                  << markedNames(data.NazhyvkaTable).join(u'|');
            QTest::mouseClick(methods.ButtonSposobyLovuAddSposobyLovu, Qt::LeftButton);
        };
        run.page().ButtonEditSposobyLovuClick();
        QCOMPARE(shown, (QStringList{tackle, otherTackle,
                                     nameAt(data.OsnastkaTable, 0) + u'|' + nameAt(data.OsnastkaTable, 2),
                                     QStringLiteral("Свій монтаж\nЩе один"), nameAt(data.NazhyvkaTable, 1)}));
        QCOMPARE((QStringList{method.field(u"Name").asString(), method.field(u"Osnastka").asString(),
                              method.field(u"Nazyvka").asString()}),
                 stored);
        QCOMPARE(method.recordCount(), 1);
    }

    void openingClearsTheMarksOfEveryTackleType()
    {
        ProgramFolder folder;
        DiaryRun run(folder);
        run.showPage(1);
        run.addEntry({});
        TDataModule2 &data = run.data();
        QVERIFY(data.SnastTable.locate(QStringLiteral("NameUkr"), QStringLiteral("Донка")));
        mark(data.OsnastkaTable, 1);
        mark(data.NazhyvkaTable, 0);
        run.onDialog = [&](QDialog &) {
            QVERIFY(data.SnastTable.locate(QStringLiteral("NameUkr"), QStringLiteral("Донка")));
            QVERIFY(markedNames(data.OsnastkaTable).isEmpty());
            QVERIFY(markedNames(data.NazhyvkaTable).isEmpty());
        };
        QVERIFY(data.SnastTable.locate(QStringLiteral("NameUkr"), QStringLiteral("Фідер")));
        run.page().ButtonAddSposobyLovuClick();
        QCOMPARE(run.dialogsShown.size(), 1);
    }

    void aMethodNeedsAStoredEntry()
    {
        ProgramFolder folder;
        DiaryRun run(folder);
        run.showPage(1);
        run.page().ButtonAddSposobyLovuClick();
        run.page().ButtonEditSposobyLovuClick();
        run.diary().insert();
        run.dialogsShown.clear();
        run.page().ButtonAddSposobyLovuClick();
        run.page().ButtonEditSposobyLovuClick();
        QVERIFY(run.dialogsShown.isEmpty());
        QCOMPARE(run.data().SposobyLovuTable.state(), DataSet::State::Browse);
    }

    void editingWithoutAMethodStartsOne()
    {
        ProgramFolder folder;
        DiaryRun run(folder);
        run.showPage(1);
        run.addEntry({});
        run.onDialog = choose(run.data(), {QStringLiteral("Спінінг"), {0}, {}, {}, {}, {}});
        run.page().ButtonEditSposobyLovuClick();
        QCOMPARE(run.data().SposobyLovuTable.recordCount(), 1);
        QCOMPARE(run.data().SposobyLovuTable.field(u"Name").asString(), QStringLiteral("Спінінг"));
    }

    void listLinesJumpToTheirTacklePage_data()
    {
        QTest::addColumn<bool>("bait");
        QTest::newRow("rig") << false;
        QTest::newRow("bait") << true;
    }
    void listLinesJumpToTheirTacklePage()
    {
        QFETCH(bool, bait);
        ProgramFolder folder;
        DiaryRun run(folder);
        run.showPage(1);
        run.addEntry({});
        TDataModule2 &data = run.data();
        run.onDialog = choose(data, {QStringLiteral("Донка"), {2}, {1}, {}, {}, {}});
        run.page().ButtonAddSposobyLovuClick();
        DataSet &items = bait ? data.NazhyvkaTable : data.OsnastkaTable;
        const QString item = nameAt(items, bait ? 1 : 2);
        QVERIFY(data.SnastTable.locate(QStringLiteral("NameUkr"), QStringLiteral("Фідер")));

        QListWidget *list = bait ? run.page().ListBoxNazhyvka : run.page().ListBoxOsnastka;
        list->setCurrentRow(0);
        bait ? run.page().ListBoxNazhyvkaDblClick() : run.page().ListBoxOsnastkaDblClick();
        QCOMPARE(data.SnastTable.field(u"NameUkr").asString(), QStringLiteral("Донка"));
        QCOMPARE(items.field(u"NameUkr").asString(), item);
        QCOMPARE(run.form().PageControlGeneral->currentIndex(), 8);
    }
};

QTEST_MAIN(TestMethods)
#include "tst_methods.moc"
