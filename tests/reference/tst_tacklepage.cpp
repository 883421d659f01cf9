// SPDX-License-Identifier: GPL-3.0-or-later
// The fishing methods page: the methods with their rigs and baits, and the texts of each.
#include "data/DataModule2.h"
#include "reference/SposobyPage.h"
#include "tests/support/HandbookPageTest.h"

#include <QJsonObject>
#include <QScrollBar>
#include <QSet>
#include <QtTest>

using namespace lynvar;
using namespace lynvar::test;
using namespace Qt::StringLiterals;

class TestTacklePage : public HandbookPageTest
{
    Q_OBJECT

public:
    TestTacklePage() : HandbookPageTest(8, "TabSposoby") {}

private:
    QList<Control> controls() override
    {
        SposobyPage &tackle = page<SposobyPage>();
        return {{"Splitter5", tackle.Splitter5, "QSplitter"},
                {"Splitter7", tackle.Splitter7, "QSplitter"},
                {"GroupBoxSnast", tackle.GroupBoxSnast, "QGroupBox", u"Спосіб лову"_s},
                {"DBGridSnast", tackle.DBGridSnast, "lynvar::DBGrid"},
                {"DBRichEditSposib", tackle.DBRichEditSposib, "lynvar::DBRichEdit"},
                {"GroupBoxOsnastka", tackle.GroupBoxOsnastka, "QGroupBox", u"Оснастка"_s},
                {"DBGridOsnastka", tackle.DBGridOsnastka, "lynvar::DBGrid"},
                {"DBRichEditOsnastka", tackle.DBRichEditOsnastka, "lynvar::DBRichEdit"},
                {"GroupBoxNazhyvka", tackle.GroupBoxNazhyvka, "QGroupBox", u"Наживка"_s},
                {"DBGridNazhyvka", tackle.DBGridNazhyvka, "lynvar::DBGrid"},
                {"DBRichEditNazhyvka", tackle.DBRichEditNazhyvka, "lynvar::DBRichEdit"}};
    }
    QList<Bound> boundViews() const override
    {
        return {{"DBRichEditSposib", "SnastDS", "OpysUkr"},
                {"DBRichEditOsnastka", "OsnastkaDS", "OpysUkr"},
                {"DBRichEditNazhyvka", "NazyvkaDS", "OpysUkr"}};
    }
    // Without titles of their own, the lists show their field's name.
    QList<Grid> grids() const override
    {
        return {{"DBGridSnast", "SnastDS", {u"NameUkr"_s}, {u"NameUkr"_s}},
                {"DBGridOsnastka", "OsnastkaDS", {u"NameUkr"_s}, {u"NameUkr"_s}},
                {"DBGridNazhyvka", "NazyvkaDS", {u"NameUkr"_s}, {u"NameUkr"_s}}};
    }
    QList<Font> fonts() const override
    {
        QList<Font> rows;
        for (const char *name : {"DBGridSnast", "DBGridOsnastka", "DBGridNazhyvka", "DBRichEditSposib",
                                 "DBRichEditOsnastka", "DBRichEditNazhyvka"})
            rows.append({name, "Tahoma", 13});
        return rows;
    }
    QList<Size> sizes() const override
    {
        return {{"GroupBoxSnast", true, 289},
                {"GroupBoxOsnastka", true, 280},
                {"DBRichEditSposib", false, 247},
                {"DBRichEditOsnastka", false, 247},
                {"DBRichEditNazhyvka", false, 247}};
    }
    QList<Formatted> formattedViews() const override
    {
        return {{"DBRichEditSposib", "SnastTable", "Snast", "OpysUkr"}};
    }

private Q_SLOTS:
    void rigAndBaitListsFollowTheFishingMethod()
    {
        showPage();
        SposobyPage &tackle = page<SposobyPage>();
        const QJsonArray methods = seedRows(u"Snast"_s);
        const QJsonArray rigs = seedRows(u"Osnastka"_s);
        const QJsonArray baits = seedRows(u"Nazhyvka"_s);
        QVERIFY(methods.size() >= 3);

        const auto detailRows = [](const QJsonArray &rows, int master) {
            QJsonArray out;
            for (const QJsonValue &r : rows)
                if (r.toObject().value(u"IDSnast").toInt() == master)
                    out.append(r);
            return out;
        };
        // A list shows these rows' names; its text shows the first row's first paragraph.
        const auto showsRows = [](DBGrid *list, DBRichEdit *text, const QJsonArray &rows) {
            QCOMPARE(list->model()->rowCount(), rows.size());
            for (int i = 0; i < rows.size(); ++i)
                QCOMPARE(list->model()->index(i, 0).data().toString(),
                         rows.at(i).toObject().value(u"NameUkr").toString());
            const QString first =
                stripMarks(rows.at(0).toObject().value(u"OpysUkr").toArray().at(0).toString());
            QVERIFY2(text->toPlainText().startsWith(first.left(40)), qPrintable(first.left(40)));
        };
        QSet<QString> firstRigs;
        for (int m : {2, 0, int(methods.size()) - 1}) {
            clickRow(tackle.DBGridSnast, m);
            const QJsonObject method = methods.at(m).toObject();
            QCOMPARE(tackle.DBGridSnast->model()->index(m, 0).data().toString(),
                     method.value(u"NameUkr").toString());
            const QJsonArray ownRigs = detailRows(rigs, method.value(u"IDOsnastka").toInt());
            const QJsonArray ownBaits = detailRows(baits, method.value(u"IDTyp").toInt());
            QVERIFY(!ownRigs.isEmpty());
            showsRows(tackle.DBGridOsnastka, tackle.DBRichEditOsnastka, ownRigs);
            if (QTest::currentTestFailed())
                return;
            showsRows(tackle.DBGridNazhyvka, tackle.DBRichEditNazhyvka, ownBaits);
            if (QTest::currentTestFailed())
                return;
            firstRigs.insert(tackle.DBRichEditOsnastka->toPlainText());
        }
        QCOMPARE(firstRigs.size(), 3);

        // Choosing another rig of the method changes its text, not the method's lists.
        const int rigsShown = tackle.DBGridOsnastka->model()->rowCount();
        QVERIFY(rigsShown >= 2);
        const QString firstRig = tackle.DBRichEditOsnastka->toPlainText();
        clickRow(tackle.DBGridOsnastka, 1);
        QVERIFY(tackle.DBRichEditOsnastka->toPlainText() != firstRig);
        QCOMPARE(tackle.DBGridOsnastka->model()->rowCount(), rigsShown);
        QCOMPARE(run().data().SnastTable.currentRow(), int(methods.size()) - 1);
    }

    void textViewsShowEachRecordFromItsBeginning()
    {
        showPage();
        SposobyPage &tackle = page<SposobyPage>();
        for (int row : {0, 4, 1}) {
            clickRow(tackle.DBGridSnast, row);
            QCoreApplication::processEvents();
            for (DBRichEdit *view :
                 {tackle.DBRichEditSposib, tackle.DBRichEditOsnastka, tackle.DBRichEditNazhyvka}) {
                QCOMPARE(view->textCursor().position(), 0);
                QCOMPARE(view->verticalScrollBar()->value(), 0);
            }
        }
        // The method texts are longer than their views.
        QVERIFY(tackle.DBRichEditSposib->verticalScrollBar()->maximum() > 0);
    }
};

QTEST_MAIN(TestTacklePage)
#include "tst_tacklepage.moc"
