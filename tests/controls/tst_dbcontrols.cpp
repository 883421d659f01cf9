// SPDX-License-Identifier: GPL-3.0-or-later
// The single-field data-aware controls: following the record, automatic edit, post on move,
// read-only, no record, refused input, rich text that is only shown, rebinding.
#include "common/Error.h"
#include "common/rtf/Rtf.h"
#include "controls/DBCheckBox.h"
#include "controls/DBComboBox.h"
#include "controls/DBEdit.h"
#include "controls/DBGrid.h"
#include "controls/DBImage.h"
#include "controls/DBLookupComboBox.h"
#include "controls/DBMemo.h"
#include "controls/DBRadioGroup.h"
#include "controls/DBRichEdit.h"
#include "controls/DBText.h"
#include "tests/controls/ControlsTestSupport.h"

#include <QBuffer>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTextCursor>
#include <QVBoxLayout>
#include <QtTest>

using namespace lynvar;
using namespace lynvar::test;

namespace {

QString fixture(const char *name)
{
    QFile file(QStringLiteral(LYNVAR_FIXTURES_DIR "/rtf/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", name);
    return QString::fromLatin1(file.readAll());
}

// An RTF document as our own writer makes it.
QString ownRtf(const QString &plain)
{
    QTextDocument document;
    document.setPlainText(plain);
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::NextWord, QTextCursor::KeepAnchor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.mergeCharFormat(bold);
    return rtf::write(document);
}

const QStringList WaterKinds = {QStringLiteral("Річка"), QStringLiteral("Став"), QStringLiteral("Озеро"),
                                QStringLiteral("Море"), QStringLiteral("Океан")};
const QStringList Ratings = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                             QStringLiteral("4"), QStringLiteral("5")};

// Every kind of control on the places table, in one shown and active window.
struct PlacePage
{
    explicit PlacePage(DataSource &source)
    {
        auto *layout = new QVBoxLayout(&window);
        for (QWidget *w : std::initializer_list<QWidget *>{name, road, opys, paid, kind, town, rating, list})
            layout->addWidget(w);
        name->bind(&source, QStringLiteral("Name"));
        road->bind(&source, QStringLiteral("Doroga"));
        opys->bind(&source, QStringLiteral("Opys"));
        paid->bind(&source, QStringLiteral("Oplata"));
        kind->setItems(WaterKinds);
        kind->bind(&source, QStringLiteral("TypVodoymy"));
        town->bind(&source, QStringLiteral("Misto"));
        rating->setItems(Ratings);
        rating->bind(&source, QStringLiteral("Ocinka"));
        list->setDataSource(&source);
        list->addColumn(QStringLiteral("Name"), QStringLiteral("Назва"), 150);
        list->setReadOnly(true);
        list->setRowSelect(true);
        window.resize(500, 700);
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the window did not become active");
    }

    QWidget window;
    DBEdit *name = new DBEdit;
    DBMemo *road = new DBMemo;
    DBRichEdit *opys = new DBRichEdit;
    DBCheckBox *paid = new DBCheckBox(QStringLiteral("Плата за рибалку"));
    DBComboBox *kind = new DBComboBox;
    DBText *town = new DBText;
    DBRadioGroup *rating = new DBRadioGroup(QStringLiteral("Оцінка"));
    DBGrid *list = new DBGrid;
};

// A click on the box or circle of a check box or radio button (a stretched button's middle may lie
// beyond its text, where a click does nothing).
void clickButton(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void clickRow(DBGrid &grid, int row)
{
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                      grid.visualRect(grid.model()->index(row, 0)).center());
}

// Counts the times the data set left browsing.
struct EditWatch
{
    explicit EditWatch(DataSet &ds)
    {
        QObject::connect(&ds, &DataSet::stateChanged, &context, [this, &ds] {
            if (ds.isEditing())
                ++edits;
        });
    }
    QObject context;
    int edits = 0;
};

} // namespace

class TestDBControls : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<BoundTable> m_places;
    QString m_rtf;

    DataSet &places() { return *m_places->dataSet; }
    QString stored(const char *field, int id) const
    {
        return m_db->text(
            QStringLiteral("SELECT %1 FROM FishMap WHERE ID=%2").arg(QString::fromLatin1(field)).arg(id));
    }

    void checkPostedOnMove(const std::function<void(PlacePage &)> &userChange, const char *field,
                           const QString &expected)
    {
        PlacePage page(m_places->source);
        const QString before = stored(field, 1);
        userChange(page);
        QCOMPARE(places().state(), DataSet::State::Edit);
        QCOMPARE(stored(field, 1), before); // nothing written before the move
        clickRow(*page.list, 1);
        QCOMPARE(places().currentRow(), 1);
        QCOMPARE(stored(field, 1), expected);
        QCOMPARE(m_db->changesByProgram(), 1);
    }

private Q_SLOTS:
    void init()
    {
        m_db = std::make_unique<TestDatabase>();
        m_rtf = fixture("richedit-cp1251.rtf");
        const QString insert = QStringLiteral(
            "INSERT INTO FishMap(Name, Doroga, Opys, Oplata, TypVodoymy, Misto, Ocinka, MistoSinoptikUA, "
            "MistoSinoptikRU) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)");
        m_db->exec(insert, {QStringLiteral("Десна"), QStringLiteral("від мосту\r\nліворуч"), m_rtf, 1,
                            QStringLiteral("Річка"), QStringLiteral("Чернігів"), 4,
                            QStringLiteral("Чернігів"), QStringLiteral("Чернигов")});
        m_db->exec(insert, {QStringLiteral("Став"), QVariant(), QStringLiteral("просто текст"), 0,
                            QStringLiteral("Став"), QVariant(), QVariant(), QVariant(), QVariant()});
        m_db->exec(insert, {QStringLiteral("Озеро"), QStringLiteral("раз\rдва"), QVariant(), QVariant(),
                            QStringLiteral("Лиман"), QStringLiteral("Вилкове"), 2, QVariant(), QVariant()});
        m_places = std::make_unique<BoundTable>(*m_db, "FishMap");
    }

    void cleanup()
    {
        m_places.reset();
        m_db.reset();
        QCOMPARE(RecordingApplication::takeFailures(), QStringList());
    }

    void everyControlFollowsTheCurrentRecord()
    {
        PlacePage page(m_places->source);
        auto check = [&](const QString &name, const QString &road, const QString &opys, bool paid,
                         const QString &kind, const QString &town, int rating) {
            QCOMPARE(page.name->text(), name);
            QCOMPARE(page.road->toPlainText(), road);
            QCOMPARE(page.opys->toPlainText(), opys);
            QCOMPARE(page.paid->isChecked(), paid);
            QCOMPARE(page.kind->currentText(), kind);
            QCOMPARE(page.town->text(), town);
            QCOMPARE(page.rating->itemIndex(), rating);
        };
        check(QStringLiteral("Десна"), QStringLiteral("від мосту\nліворуч"),
              rtf::plainText(m_rtf).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), true,
              QStringLiteral("Річка"), QStringLiteral("Чернігів"), 3);
        places().next();
        check(QStringLiteral("Став"), QString(), QStringLiteral("просто текст"), false,
              QStringLiteral("Став"), QString(), -1);
        clickRow(*page.list, 2);
        check(QStringLiteral("Озеро"), QStringLiteral("раз\nдва"), QString(), false, QStringLiteral("Лиман"),
              QStringLiteral("Вилкове"), 1);
        m_db->exec(QStringLiteral("UPDATE FishMap SET Name='Озеро Світязь', Ocinka=5 WHERE ID=3"));
        places().refresh();
        QCOMPARE(page.name->text(), QStringLiteral("Озеро Світязь"));
        QCOMPARE(page.rating->itemIndex(), 4);
        places().first();
        QCOMPARE(page.name->text(), QStringLiteral("Десна"));
        QCOMPARE(m_db->changesByProgram(), 0);
    }

    void typingInAnEditStartsAnEditAndAMovePostsIt()
    {
        checkPostedOnMove(
            [](PlacePage &page) {
                page.name->setFocus();
                page.name->end(false);
                typeText(page.name, QStringLiteral("-2"));
                QCOMPARE(page.name->text(), QStringLiteral("Десна-2"));
            },
            "Name", QStringLiteral("Десна-2"));
    }

    void memoShowsLinesAndWritesThemWithLineFeeds()
    {
        checkPostedOnMove(
            [](PlacePage &page) {
                page.road->setFocus();
                page.road->moveCursor(QTextCursor::End);
                QTest::keyClick(page.road, Qt::Key_Return);
                typeText(page.road, QStringLiteral("брід"));
            },
            "Doroga", QStringLiteral("від мосту\nліворуч\nбрід"));
    }

    void richTextChangedByTheUserIsStoredAsRtf()
    {
        PlacePage page(m_places->source);
        places().next(); // a plain text
        page.opys->setFocus();
        page.opys->moveCursor(QTextCursor::End);
        typeText(page.opys, QStringLiteral(" і риба"));
        QCOMPARE(places().state(), DataSet::State::Edit);
        places().next();
        const QString text = stored("Opys", 2);
        QVERIFY(rtf::isRtf(text));
        QCOMPARE(rtf::plainText(text), QStringLiteral("просто текст і риба"));

        // Formatting alone is a change too.
        places().first();
        QTextCursor cursor = page.opys->textCursor();
        cursor.movePosition(QTextCursor::End);
        cursor.movePosition(QTextCursor::PreviousWord, QTextCursor::KeepAnchor);
        page.opys->setTextCursor(cursor);
        QCOMPARE(places().state(), DataSet::State::Browse);
        QTextCharFormat italic;
        italic.setFontItalic(true);
        page.opys->mergeCurrentCharFormat(italic);
        QCOMPARE(places().state(), DataSet::State::Edit);
        places().next();
        QVERIFY(stored("Opys", 1) != m_rtf);
        QCOMPARE(rtf::plainText(stored("Opys", 1)), rtf::plainText(m_rtf));
    }

    void checkBoxClickWritesTheYesNoField()
    {
        checkPostedOnMove([](PlacePage &page) { clickButton(page.paid); }, "Oplata", QStringLiteral("0"));
    }

    void comboBoxPickWritesTheText()
    {
        checkPostedOnMove(
            [](PlacePage &page) {
                page.kind->setFocus();
                QTest::keyClick(page.kind, Qt::Key_Down);
                QCOMPARE(page.kind->currentText(), QStringLiteral("Став"));
            },
            "TypVodoymy", QStringLiteral("Став"));
    }

    void comboBoxTypingWritesTheText()
    {
        checkPostedOnMove(
            [](PlacePage &page) {
                page.kind->lineEdit()->selectAll();
                typeText(page.kind->lineEdit(), QStringLiteral("Затока"));
            },
            "TypVodoymy", QStringLiteral("Затока"));
    }

    void radioGroupClickWritesTheItemValue()
    {
        checkPostedOnMove([](PlacePage &page) { clickButton(page.rating->button(1)); }, "Ocinka",
                          QStringLiteral("2"));
    }

    void leavingAnEditForTheGridPostsWhatWasTyped()
    {
        PlacePage page(m_places->source);
        places().next();
        page.name->setFocus();
        page.name->selectAll();
        typeText(page.name, QStringLiteral("Ставок"));
        clickRow(*page.list, 0);
        QCOMPARE(places().currentRow(), 0);
        QCOMPARE(page.name->text(), QStringLiteral("Десна"));
        QCOMPARE(stored("Name", 2), QStringLiteral("Ставок"));
    }

    void showingAndVisitingControlsWithoutChangesWritesNothing()
    {
        PlacePage page(m_places->source);
        EditWatch watch(places());
        const QString before = m_db->dump(QStringLiteral("FishMap"));
        for (int row = 0; row < 3; ++row) {
            clickRow(*page.list, row);
            for (QWidget *w :
                 std::initializer_list<QWidget *>{page.name, page.road, page.opys, page.paid, page.kind,
                                                  page.rating->button(0), page.list}) {
                w->setFocus();
                QTest::keyClick(w, Qt::Key_End);
                QTest::keyClick(w, Qt::Key_Left, Qt::ShiftModifier);
            }
            page.opys->selectAll();
            page.opys->moveCursor(QTextCursor::Start);
        }
        places().first();
        page.window.resize(700, 500);
        QCOMPARE(watch.edits, 0);
        QCOMPARE(m_db->dump(QStringLiteral("FishMap")), before);
        QCOMPARE(m_db->changesByProgram(), 0);
    }

    void anUnchangedRecordIsLeftUnwrittenEvenWhenAnotherProgramChangedIt()
    {
        PlacePage page(m_places->source);
        page.name->setFocus();
        QTest::keyClick(page.name, Qt::Key_Home);
        m_db->exec(QStringLiteral("UPDATE FishMap SET Name='змінено', Opys='інше' WHERE ID=1"));
        clickRow(*page.list, 1);
        QCOMPARE(stored("Name", 1), QStringLiteral("змінено"));
        QCOMPARE(stored("Opys", 1), QStringLiteral("інше"));
    }

    void readOnlyControlsTakeNoInput()
    {
        PlacePage page(m_places->source);
        page.name->setReadOnly(true);
        page.road->setReadOnly(true);
        page.opys->setReadOnly(true);
        page.paid->setReadOnly(true);
        page.kind->setReadOnly(true);
        page.rating->setReadOnly(true);
        QVERIFY(page.name->isReadOnly());
        QVERIFY(page.opys->isReadOnly());
        typeText(page.name, QStringLiteral("x"));
        typeText(page.road, QStringLiteral("x"));
        typeText(page.opys, QStringLiteral("x"));
        clickButton(page.paid);
        QVERIFY(page.paid->isChecked());
        QTest::keyClick(page.paid, Qt::Key_Space);
        QTest::keyClick(page.kind, Qt::Key_Down);
        typeText(page.kind->lineEdit(), QStringLiteral("x"));
        clickButton(page.rating->button(0));
        QCOMPARE(places().state(), DataSet::State::Browse);
        QCOMPARE(page.name->text(), QStringLiteral("Десна"));
        QVERIFY(page.paid->isChecked());
        QCOMPARE(page.kind->currentText(), QStringLiteral("Річка"));
        QCOMPARE(page.rating->itemIndex(), 3);
        places().next(); // still read-only on the next record
        QVERIFY(page.name->isReadOnly());
        page.name->setReadOnly(false);
        QVERIFY(!page.name->isReadOnly());
    }

    void withoutARecordControlsShowNothingAndTakeNoInput_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::newRow("closed") << QStringLiteral("closed");
        QTest::newRow("empty") << QStringLiteral("empty");
        QTest::newRow("missing field") << QStringLiteral("missing");
        QTest::newRow("no data set") << QStringLiteral("none");
    }

    void withoutARecordControlsShowNothingAndTakeNoInput()
    {
        QFETCH(QString, situation);
        PlacePage page(m_places->source);
        if (situation == u"closed") {
            places().close();
        } else if (situation == u"empty") {
            places().setFilter(QStringLiteral("Name = 'ніде'"));
            places().setFiltered(true);
        } else if (situation == u"none") {
            m_places->source.setDataSet(nullptr);
        } else {
            for (auto *c : std::initializer_list<DBEdit *>{page.name})
                c->setDataField(QStringLiteral("NoSuchField"));
            page.road->setDataField(QStringLiteral("NoSuchField"));
            page.opys->setDataField(QStringLiteral("NoSuchField"));
            page.paid->setDataField(QStringLiteral("NoSuchField"));
            page.kind->setDataField(QStringLiteral("NoSuchField"));
            page.town->setDataField(QStringLiteral("NoSuchField"));
            page.rating->setDataField(QStringLiteral("NoSuchField"));
        }
        QCOMPARE(page.name->text(), QString());
        QCOMPARE(page.road->toPlainText(), QString());
        QCOMPARE(page.opys->toPlainText(), QString());
        QVERIFY(!page.paid->isChecked());
        QCOMPARE(page.kind->currentText(), QString());
        QCOMPARE(page.town->text(), QString());
        QCOMPARE(page.rating->itemIndex(), -1);
        QVERIFY(page.name->isReadOnly());
        QVERIFY(page.road->isReadOnly());
        QVERIFY(page.opys->isReadOnly());

        typeText(page.name, QStringLiteral("x"));
        typeText(page.opys, QStringLiteral("x"));
        clickButton(page.paid);
        clickButton(page.rating->button(2));
        QTest::keyClick(page.kind, Qt::Key_Down);
        QVERIFY(!page.paid->isChecked());
        QCOMPARE(page.rating->itemIndex(), -1);
        if (places().isActive()) {
            QCOMPARE(places().state(), DataSet::State::Browse); // an empty table got no new record
            if (situation == u"empty")
                QCOMPARE(places().recordCount(), 0);
        }
        QCOMPARE(m_db->changesByProgram(), 0);
    }

    void refusedInputReachesTheErrorBoxAndTheRecordKeepsItsValue()
    {
        m_db->exec(QStringLiteral("INSERT INTO Schodennyk(MasaUlovu) VALUES(2.5)"));
        BoundTable diary(*m_db, "Schodennyk");
        QWidget window;
        auto *mass = new DBEdit(&window);
        mass->bind(&diary.source, QStringLiteral("MasaUlovu"));
        window.show();
        QCOMPARE(mass->text(), QStringLiteral("2.5"));

        mass->selectAll();
        typeText(mass, QStringLiteral("abc"));
        QCOMPARE(diary.dataSet->state(), DataSet::State::Edit); // the automatic edit came at once
        QCOMPARE(diary.dataSet->field(u"MasaUlovu").asFloat(), 2.5);
        QCOMPARE(RecordingApplication::takeFailures(), QStringList()); // no box while typing
        QTest::keyClick(mass, Qt::Key_Return);
        const QStringList failures = RecordingApplication::takeFailures();
        QCOMPARE(failures.size(), 1);
        QVERIFY2(failures[0].contains(u"abc") && failures[0].contains(u"MasaUlovu"), qPrintable(failures[0]));
        QCOMPARE(diary.dataSet->field(u"MasaUlovu").asFloat(), 2.5);
        QCOMPARE(mass->text(), QStringLiteral("2.5"));

        // The save command writes what is still waiting, and learns of the refusal itself.
        mass->selectAll();
        typeText(mass, QStringLiteral("1,5кг"));
        QVERIFY_THROWS_EXCEPTION(Error, mass->updateRecord());
        mass->selectAll();
        typeText(mass, QStringLiteral("1,75"));
        QCOMPARE(diary.dataSet->field(u"MasaUlovu").asFloat(), 1.75);
        diary.dataSet->post();
        QCOMPARE(m_db->text(QStringLiteral("SELECT MasaUlovu FROM Schodennyk")), QStringLiteral("1.75"));
    }

    void richTextViewThatOnlyShowsNeverRewritesTheStoredText()
    {
        const QStringList texts = {fixture("richedit-cp1251.rtf"),
                                   fixture("unicode-escapes.rtf"),
                                   fixture("wordprocessor.rtf"),
                                   ownRtf(QStringLiteral("Вузол рибальський")),
                                   QStringLiteral("простий текст\r\nбез розмітки"),
                                   QString()};
        for (int i = 0; i < texts.size(); ++i)
            m_db->exec(QStringLiteral("INSERT INTO Vuzly(NameUA, OpysUA, OpysRU) VALUES(?, ?, ?)"),
                       {QStringLiteral("Вузол %1").arg(i),
                        texts[i].isNull() ? QVariant() : QVariant(texts[i]), texts[(i + 1) % texts.size()]});
        BoundTable knots(*m_db, "Vuzly");
        EditWatch watch(*knots.dataSet);
        QStringList before;
        for (int id = 1; id <= texts.size(); ++id)
            before << QString::fromLatin1(m_db->raw(QStringLiteral("SELECT hex(OpysUA) || '/' || hex(OpysRU) "
                                                                   "FROM Vuzly WHERE ID=%1")
                                                        .arg(id)));
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *list = new DBGrid;
        list->setDataSource(&knots.source);
        list->addColumn(QStringLiteral("NameUA"));
        list->setReadOnly(true);
        auto *shown = new DBRichEdit;
        shown->bind(&knots.source, QStringLiteral("OpysUA"));
        shown->setReadOnly(true);
        auto *editable = new DBRichEdit;
        editable->bind(&knots.source, QStringLiteral("OpysUA"));
        for (QWidget *w : std::initializer_list<QWidget *>{list, shown, editable})
            layout->addWidget(w);
        window.resize(400, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        knots.dataSet->first();
        while (!knots.dataSet->eof()) {
            editable->setFocus();
            editable->selectAll();
            QTest::keyClick(editable, Qt::Key_End, Qt::ControlModifier);
            QTest::keyClick(editable, Qt::Key_Left, Qt::ShiftModifier);
            shown->setFocus();
            shown->selectAll();
            knots.dataSet->next();
        }
        for (int row = int(texts.size()) - 1; row >= 0; --row)
            clickRow(*list, row);
        for (auto *view : {shown, editable}) {
            view->setDataField(QStringLiteral("OpysRU"));
            view->setFont(QFont(QStringLiteral("Times New Roman"), 16));
            view->setDataField(QStringLiteral("OpysUA"));
        }
        knots.dataSet->last();
        QCOMPARE(watch.edits, 0);
        QCOMPARE(m_db->changesByProgram(), 0);
        for (int id = 1; id <= texts.size(); ++id)
            QCOMPARE(QString::fromLatin1(m_db->raw(QStringLiteral("SELECT hex(OpysUA) || '/' || hex(OpysRU) "
                                                                  "FROM Vuzly WHERE ID=%1")
                                                       .arg(id))),
                     before[id - 1]);
    }

    void richTextChangeSignalFollowsTheShownContent()
    {
        for (const char *text : {"перший", "однаковий", "однаковий"})
            m_db->exec(QStringLiteral("INSERT INTO Vuzly(NameUA, OpysUA, OpysRU) VALUES(?, ?, 'рос')"),
                       {QString::fromUtf8(text), QString::fromUtf8(text)});
        BoundTable knots(*m_db, "Vuzly");
        DBRichEdit view;
        view.show();
        QSignalSpy changed(&view, &DBRichEdit::changed);
        view.bind(&knots.source, QStringLiteral("OpysUA"));
        QCOMPARE(changed.size(), 1);
        knots.dataSet->next();
        QCOMPARE(changed.size(), 2);
        knots.dataSet->next(); // another record with the same text is still another record
        QCOMPARE(changed.size(), 3);
        QCOMPARE(view.toPlainText(), QStringLiteral("однаковий"));
        knots.dataSet->setSort(QStringLiteral("NameUA DESC")); // the same record stays
        QCOMPARE(changed.size(), 3);
        view.setDataField(QStringLiteral("OpysRU"));
        QCOMPARE(changed.size(), 4);
        QCOMPARE(view.toPlainText(), QStringLiteral("рос"));
        knots.dataSet->setFilter(QStringLiteral("NameUA = 'перший'"));
        knots.dataSet->setFiltered(true); // two signals from the data set, one new record shown
        QCOMPARE(changed.size(), 5);
        knots.dataSet->close();
        QCOMPARE(changed.size(), 6);
        QCOMPARE(view.toPlainText(), QString());
    }

    void aHiddenRichTextViewShowsTheCurrentRecordOnceShown()
    {
        for (const char *text : {"перший", "другий"})
            m_db->exec(QStringLiteral("INSERT INTO Vuzly(NameUA, OpysUA) VALUES(?, ?)"),
                       {QString::fromUtf8(text), QString::fromUtf8(text)});
        BoundTable knots(*m_db, "Vuzly");
        DBRichEdit view;
        QSignalSpy changed(&view, &DBRichEdit::changed);
        view.bind(&knots.source, QStringLiteral("OpysUA"));
        knots.dataSet->next(); // moved while nobody sees the view: the change is still reported
        QCOMPARE(changed.size(), 2);
        view.show(); // filled as soon as the window around it has been drawn
        QTRY_COMPARE(view.toPlainText(), QStringLiteral("другий"));
        view.hide();
        knots.dataSet->first();
        view.show();
        view.ensureLoaded(); // or at once, for a caller that needs the text now
        QCOMPARE(view.toPlainText(), QStringLiteral("перший"));
        QCOMPARE(m_db->changesByProgram(), 0);
    }

    void richTextViewReportsFocusAndPointerEntry()
    {
        PlacePage page(m_places->source);
        QSignalSpy entered(page.opys, &DBRichEdit::entered);
        QSignalSpy mouseEntered(page.opys, &DBRichEdit::mouseEntered);
        page.name->setFocus();
        page.opys->setFocus();
        QCOMPARE(entered.size(), 1);
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), page.opys->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(page.opys, &enter);
        QCOMPARE(mouseEntered.size(), 1);
        QCOMPARE(entered.size(), 1);
    }

    void rebindingShowsTheNewFieldAtOnce()
    {
        PlacePage page(m_places->source);
        page.name->setDataField(QStringLiteral("MistoSinoptikUA"));
        QCOMPARE(page.name->text(), QStringLiteral("Чернігів"));
        page.name->setDataField(QStringLiteral("MistoSinoptikRU"));
        QCOMPARE(page.name->text(), QStringLiteral("Чернигов"));
        page.town->setDataField(QStringLiteral("MistoSinoptikRU"));
        QCOMPARE(page.town->text(), QStringLiteral("Чернигов"));
        page.road->setDataField(QStringLiteral("Name"));
        QCOMPARE(page.road->toPlainText(), QStringLiteral("Десна"));
        page.opys->setDataField(QStringLiteral("TypVodoymy"));
        QCOMPARE(page.opys->toPlainText(), QStringLiteral("Річка"));
        // Typing then goes into the new field.
        page.name->end(false);
        typeText(page.name, QStringLiteral("а"));
        QCOMPARE(places().field(u"MistoSinoptikRU").asString(), QStringLiteral("Чернигова"));
        QCOMPARE(places().field(u"MistoSinoptikUA").asString(), QStringLiteral("Чернігів"));
        QCOMPARE(m_db->changesByProgram(), 0);
    }

    void lookupComboBoxStoresTheKeyShowsTheListFieldAndFollowsTheEntry()
    {
        const QList<QStringList> winds = {
            {QStringLiteral("N"), QStringLiteral("Північ"), QStringLiteral("Север")},
            {QStringLiteral("S"), QStringLiteral("Південь"), QStringLiteral("Юг")},
            {QStringLiteral("W"), QStringLiteral("Захід"), QStringLiteral("Запад")}};
        for (const QStringList &w : winds)
            m_db->exec(QStringLiteral("INSERT INTO Viter(NameLat, NameUkr, NameRus) VALUES(?, ?, ?)"),
                       {w[0], w[1], w[2]});
        for (const char *key : {"S", "", "W", "Z"})
            m_db->exec(QStringLiteral("INSERT INTO Schodennyk(NaprymVitru) VALUES(?)"),
                       {*key ? QVariant(QString::fromLatin1(key)) : QVariant()});
        BoundTable wind(*m_db, "Viter");
        BoundTable diary(*m_db, "Schodennyk");
        QWidget window;
        auto *box = new DBLookupComboBox(&window);
        box->setListSource(&wind.source);
        box->setKeyField(QStringLiteral("NameLat"));
        box->setListField(QStringLiteral("NameUkr"));
        box->bind(&diary.source, QStringLiteral("NaprymVitru"));
        window.show();

        QCOMPARE(box->count(), 3);
        QCOMPARE(box->currentText(), QStringLiteral("Південь"));
        QCOMPARE(wind.dataSet->field(u"NameLat").asString(), QStringLiteral("S")); // the hint's row
        diary.dataSet->next(); // no wind: nothing shown, the wind row stays
        QCOMPARE(box->currentIndex(), -1);
        QCOMPARE(wind.dataSet->field(u"NameLat").asString(), QStringLiteral("S"));
        diary.dataSet->next();
        QCOMPARE(box->currentText(), QStringLiteral("Захід"));
        QCOMPARE(wind.dataSet->currentRow(), 2);
        diary.dataSet->next(); // a key no row has
        QCOMPARE(box->currentIndex(), -1);
        QCOMPARE(wind.dataSet->currentRow(), 2);

        // The language switch changes what is shown, not what is stored.
        diary.dataSet->first();
        box->setListField(QStringLiteral("NameRus"));
        QCOMPARE(box->itemText(0), QStringLiteral("Север"));
        QCOMPARE(box->currentText(), QStringLiteral("Юг"));

        box->setFocus();
        QTest::keyClick(box, Qt::Key_Up);
        QCOMPARE(diary.dataSet->state(), DataSet::State::Edit);
        QCOMPARE(diary.dataSet->field(u"NaprymVitru").asString(), QStringLiteral("N"));
        QCOMPARE(wind.dataSet->currentRow(), 0);
        diary.dataSet->next();
        QCOMPARE(m_db->text(QStringLiteral("SELECT NaprymVitru FROM Schodennyk WHERE ID=1")),
                 QStringLiteral("N"));
        QCOMPARE(m_db->changesByProgram(), 1);
    }

    void radioGroupShowsAndStoresTextValues()
    {
        for (const char *v : {"+", "0", "?"})
            m_db->exec(QStringLiteral("INSERT INTO Schodennyk(TyskBool) VALUES(?)"),
                       {QString::fromLatin1(v)});
        BoundTable diary(*m_db, "Schodennyk");
        DBRadioGroup group(QStringLiteral("Зміна тиску"));
        group.setItems(
            {QStringLiteral("Піднімається"), QStringLiteral("Опускається"), QStringLiteral("Не змінюється")},
            {QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("0")});
        group.bind(&diary.source, QStringLiteral("TyskBool"));
        group.show();
        QCOMPARE(group.itemIndex(), 0);
        diary.dataSet->next();
        QCOMPARE(group.itemIndex(), 2);
        diary.dataSet->next(); // no item stores "?"
        QCOMPARE(group.itemIndex(), -1);
        // New captions from a language file keep the stored values.
        group.setItems(
            {QStringLiteral("Поднимается"), QStringLiteral("Опускается"), QStringLiteral("Не меняется")});
        QCOMPARE(group.values(),
                 (QStringList{QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("0")}));
        clickButton(group.button(1));
        QCOMPARE(diary.dataSet->field(u"TyskBool").asString(), QStringLiteral("-"));
        diary.dataSet->first();
        QCOMPARE(m_db->text(QStringLiteral("SELECT TyskBool FROM Schodennyk WHERE ID=3")),
                 QStringLiteral("-"));
        QCOMPARE(group.itemIndex(), 0);
    }

    void imageShowsThePictureKeepingItsProportions()
    {
        QImage picture(200, 100, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        m_db->exec(QStringLiteral("INSERT INTO Viter(NameLat, Foto) VALUES('N', ?)"), {png});
        m_db->exec(QStringLiteral("INSERT INTO Viter(NameLat, Foto) VALUES('S', ?)"),
                   {QByteArray("not a picture")});
        m_db->exec(QStringLiteral("INSERT INTO Viter(NameLat) VALUES('W')"));
        BoundTable wind(*m_db, "Viter");
        DBImage image;
        image.resize(100, 100);
        image.bind(&wind.source, QStringLiteral("Foto"));
        image.show();
        QCOMPARE(image.image().size(), QSize(200, 100));
        QCOMPARE(image.pixmap().size(), QSize(100, 50)); // shrunk, proportions kept
        image.resize(300, 300);
        QCOMPARE(image.pixmap().size(), QSize(200, 100)); // a smaller picture keeps its size
        image.setStretch(true);
        QCOMPARE(image.pixmap().size(), QSize(300, 150));
        wind.dataSet->next();
        QVERIFY(image.image().isNull());
        QVERIFY(image.pixmap().isNull());
        wind.dataSet->next();
        QVERIFY(image.image().isNull());

        image.storePicture(png);
        QCOMPARE(wind.dataSet->state(), DataSet::State::Edit);
        QCOMPARE(image.image().size(), QSize(200, 100));
        wind.dataSet->post();
        QCOMPARE(m_db->raw(QStringLiteral("SELECT Foto FROM Viter WHERE ID=3")), png);
    }

    void theFocusedControlLeadsToItsDataSource()
    {
        PlacePage page(m_places->source);
        for (QWidget *w : std::initializer_list<QWidget *>{page.name, page.road, page.opys, page.paid,
                                                           page.kind, page.town, page.rating, page.list}) {
            DataAware *control = dataAwareControlOf(w);
            QVERIFY(control);
            QCOMPARE(control->dataSource(), &m_places->source);
        }
        QCOMPARE(dataAwareControlOf(page.rating->button(0)), dynamic_cast<DataAware *>(page.rating));
        QCOMPARE(dataAwareControlOf(page.kind->lineEdit()), dynamic_cast<DataAware *>(page.kind));
    }
};

LYNVAR_CONTROLS_TEST_MAIN(TestDBControls)
#include "tst_dbcontrols.moc"
