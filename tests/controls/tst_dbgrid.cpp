// SPDX-License-Identifier: GPL-3.0-or-later
// The data-aware grid: its model, the current row both ways, cell editing, titles, drawing, deletion.
#include "common/Error.h"
#include "controls/DBGrid.h"
#include "controls/DBGridModel.h"
#include "tests/controls/ControlsTestSupport.h"
#include "tests/support/FakeDialogs.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

using namespace lynvar;
using namespace lynvar::test;

namespace {

void addPlaces(TestDatabase &db)
{
    const QList<QVariantList> rows = {
        {QStringLiteral("Десна"), 1, 4, 1.5},
        {QStringLiteral("Рось"), 0, 2, QVariant()},
        {QStringLiteral("Дніпро"), QVariant(), 5, 3.0},
    };
    for (const QVariantList &r : rows)
        db.exec(QStringLiteral("INSERT INTO FishMap(Name, Status, Ocinka, Reyteng) VALUES(?, ?, ?, ?)"), r);
}

QWidget *openEditor(DBGrid &grid, int row, int column)
{
    grid.setCurrentIndex(grid.model()->index(row, column));
    grid.edit(grid.model()->index(row, column));
    return QApplication::focusWidget();
}

// Return commits a cell editor through a posted call, as the toolkit does it.
void pressReturn(QWidget *editor)
{
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
}

void clickCell(DBGrid &grid, int row, int column)
{
    const QRect cell = grid.visualRect(grid.model()->index(row, column));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
}

} // namespace

class TestDBGrid : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<BoundTable> m_places;
    std::unique_ptr<DBGrid> m_grid;

    DataSet &places() { return *m_places->dataSet; }

    // The places list as the places page has it, shown and focused.
    DBGrid &placesGrid()
    {
        m_grid = std::make_unique<DBGrid>();
        m_grid->setDataSource(&m_places->source);
        m_grid->addColumn(QStringLiteral("Name"), QStringLiteral("Назва"), 138);
        m_grid->setColumnPickList(m_grid->addColumn(QStringLiteral("Status"), QStringLiteral("+/-"), 25),
                                  {QStringLiteral("True"), QStringLiteral("False")});
        m_grid->addColumn(QStringLiteral("Ocinka"), QStringLiteral("Оцінка"), 44);
        m_grid->resize(400, 300);
        m_grid->show();
        m_grid->activateWindow();
        if (!QTest::qWaitForWindowActive(m_grid.get()))
            qWarning("the grid's window did not become active");
        m_grid->setFocus();
        return *m_grid;
    }

private Q_SLOTS:
    void init()
    {
        m_db = std::make_unique<TestDatabase>();
        addPlaces(*m_db);
        m_places = std::make_unique<BoundTable>(*m_db, "FishMap");
    }

    void cleanup()
    {
        m_grid.reset();
        m_places.reset();
        m_db.reset();
        QCOMPARE(RecordingApplication::takeFailures(), QStringList());
    }

    void modelPassesTheItemModelTester()
    {
        DBGrid &grid = placesGrid();
        QAbstractItemModelTester tester(grid.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(grid.model()->rowCount(), 3);
        places().next();
        places().insert();
        places().field(u"Name").setString(QStringLiteral("Тетерів"));
        places().post();
        QCOMPARE(grid.model()->rowCount(), 4);
        places().insert();
        places().cancel();
        places().edit();
        places().field(u"Ocinka").setInteger(3);
        places().cancel();
        places().setSort(QStringLiteral("Name DESC"));
        places().setFilter(QStringLiteral("Name = 'Рось'"));
        places().setFiltered(true);
        QCOMPARE(grid.model()->rowCount(), 1);
        places().setFiltered(false);
        places().deleteRecord();
        grid.addColumn(QStringLiteral("Reyteng"));
        grid.setColumnFieldName(0, QStringLiteral("NameVodoymy"));
        grid.setColumnFieldName(0, QStringLiteral("NoSuchField"));
        places().close();
        QCOMPARE(grid.model()->rowCount(), 0);
        places().open();
        QCOMPARE(grid.model()->rowCount(), 3);
    }

    void currentRowFollowsTheDataSetAndASelectedRowMovesIt()
    {
        DBGrid &grid = placesGrid();
        QCOMPARE(grid.currentIndex().row(), 0);
        places().last();
        QCOMPARE(grid.currentIndex().row(), 2);

        int scrolls = 0;
        places().afterScroll = [&](DataSet &) { ++scrolls; };
        clickCell(grid, 1, 0);
        QCOMPARE(places().currentRow(), 1);
        QCOMPARE(places().field(u"Name").asString(), QStringLiteral("Рось"));
        QCOMPARE(scrolls, 1);
        QTest::keyClick(&grid, Qt::Key_Up);
        QCOMPARE(places().currentRow(), 0);
        QCOMPARE(scrolls, 2);
    }

    void typingInACellStartsAnEditAndAnotherRowPostsIt()
    {
        DBGrid &grid = placesGrid();
        QWidget *editor = openEditor(grid, 0, 0);
        QVERIFY(qobject_cast<QLineEdit *>(editor));
        QCOMPARE(places().state(), DataSet::State::Browse); // opening an editor changes nothing
        QTest::keyClick(editor, Qt::Key_End);
        typeText(editor, QStringLiteral(" ріка"));
        QCOMPARE(places().state(), DataSet::State::Edit); // automatic edit while typing
        pressReturn(editor);
        QCOMPARE(places().field(u"Name").asString(), QStringLiteral("Десна ріка"));
        QCOMPARE(m_db->text(QStringLiteral("SELECT Name FROM FishMap WHERE ID=1")), QStringLiteral("Десна"));

        clickCell(grid, 2, 0);
        QCOMPARE(places().currentRow(), 2);
        QCOMPARE(m_db->text(QStringLiteral("SELECT Name FROM FishMap WHERE ID=1")),
                 QStringLiteral("Десна ріка"));
    }

    void aCellCommittedUnchangedWritesNothing()
    {
        DBGrid &grid = placesGrid();
        const QString before = m_db->dump(QStringLiteral("FishMap"));
        for (int column = 0; column < 3; ++column) {
            QWidget *editor = openEditor(grid, 1, column);
            QVERIFY(editor);
            pressReturn(editor);
            QCOMPARE(places().state(), DataSet::State::Browse);
        }
        clickCell(grid, 0, 0);
        clickCell(grid, 2, 2);
        QCOMPARE(m_db->dump(QStringLiteral("FishMap")), before);
        QCOMPARE(m_db->changesByProgram(), 0);
    }

    void anyKeyOpensTheEditorWithThatKey()
    {
        DBGrid &grid = placesGrid();
        grid.setCurrentIndex(grid.model()->index(1, 0));
        QTest::keyClick(&grid, Qt::Key_W, Qt::NoModifier);
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(editor);
        QCOMPARE(editor->text(), QStringLiteral("w"));
        QCOMPARE(places().state(), DataSet::State::Edit);
        QTest::keyClick(editor, Qt::Key_Escape); // closes the cell editor, keeps the record editing
        QCOMPARE(places().field(u"Name").asString(), QStringLiteral("Рось"));
        QTest::keyClick(&grid, Qt::Key_Escape); // cancels the record's edit
        QCOMPARE(places().state(), DataSet::State::Browse);
    }

    void titleClickReportsTheColumn()
    {
        DBGrid &grid = placesGrid();
        QSignalSpy clicks(&grid, &DBGrid::titleClick);
        QHeaderView *header = grid.horizontalHeader();
        for (int column : {2, 0}) {
            const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                            header->height() / 2);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
        }
        QCOMPARE(clicks.size(), 2);
        QCOMPARE(clicks[0][0].toInt(), 2);
        QCOMPARE(clicks[1][0].toInt(), 0);
        QCOMPARE(grid.columnFieldName(clicks[0][0].toInt()), QStringLiteral("Ocinka"));
        QCOMPARE(places().sort(), QString()); // the handler sorts, not the grid
    }

    void aColumnWithoutTitleShowsItsFieldName()
    {
        DBGrid &grid = placesGrid();
        const int column = grid.addColumn(QStringLiteral("Reyteng"));
        QCOMPARE(grid.model()->headerData(column, Qt::Horizontal).toString(), QStringLiteral("Reyteng"));
        QCOMPARE(grid.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Назва"));
        grid.setColumnTitle(column, QStringLiteral("Рейтинг"));
        QCOMPARE(grid.columnTitle(column), QStringLiteral("Рейтинг"));
    }

    void rebindingAColumnShowsTheNewFieldAtOnce()
    {
        DBGrid &grid = placesGrid();
        m_db->exec(QStringLiteral("UPDATE FishMap SET NameVodoymy='Desna' WHERE ID=1"));
        places().refresh();
        const int column = grid.addColumn(QStringLiteral("Name"));
        QSignalSpy changed(grid.model(), &QAbstractItemModel::dataChanged);
        grid.setColumnFieldName(column, QStringLiteral("NameVodoymy"));
        QVERIFY(!changed.isEmpty());
        QCOMPARE(grid.model()->index(0, column).data().toString(), QStringLiteral("Desna"));
        QCOMPARE(grid.model()->headerData(column, Qt::Horizontal).toString(), QStringLiteral("NameVodoymy"));
    }

    void wholeRowSelectionSelectsEveryCellOfTheRow()
    {
        DBGrid &grid = placesGrid();
        clickCell(grid, 1, 1);
        QCOMPARE(grid.selectionModel()->selectedIndexes().size(), 1);

        grid.setRowSelect(true);
        clickCell(grid, 2, 1);
        const QModelIndexList selected = grid.selectionModel()->selectedIndexes();
        QCOMPARE(selected.size(), 3);
        for (const QModelIndex &i : selected)
            QCOMPARE(i.row(), 2);
        places().first(); // a move of the data set selects its whole row too
        QCOMPARE(grid.selectionModel()->selectedRows().size(), 1);
        QCOMPARE(grid.selectionModel()->selectedRows().first().row(), 0);
    }

    void pickListEditorOffersItsFixedChoices()
    {
        DBGrid &grid = placesGrid();
        grid.setColumnPickList(2, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                   QStringLiteral("4"), QStringLiteral("5")});
        auto *status = qobject_cast<QComboBox *>(openEditor(grid, 0, 1));
        QVERIFY(status);
        QCOMPARE(status->count(), 2);
        QCOMPARE(status->itemText(0), QStringLiteral("True"));
        QCOMPARE(status->itemText(1), QStringLiteral("False"));
        QCOMPARE(status->currentText(), QStringLiteral("True")); // the record's value
        QTest::keyClick(status, Qt::Key_Down);
        QCOMPARE(places().state(), DataSet::State::Edit);
        QCOMPARE(places().field(u"Status").value(), QVariant(false));
        pressReturn(status);

        auto *rating = qobject_cast<QComboBox *>(openEditor(grid, 0, 2));
        QVERIFY(rating);
        QCOMPARE(rating->count(), 5);
        QCOMPARE(rating->currentText(), QStringLiteral("4"));
        QTest::keyClick(rating, Qt::Key_Down);
        pressReturn(rating);
        QCOMPARE(places().field(u"Ocinka").asInteger(), 5);
        places().next();
        QCOMPARE(m_db->text(QStringLiteral("SELECT Status || '/' || Ocinka FROM FishMap WHERE ID=1")),
                 QStringLiteral("0/5"));
    }

    void ctrlDeleteAsksAndDeletesOnlyOnYes()
    {
        FakeDialogs dialogs;
        DBGrid &grid = placesGrid();
        QTest::keyClick(&grid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(places().recordCount(), 3); // no dialogs, no question, no deletion

        grid.setUserDialogs(&dialogs);
        clickCell(grid, 1, 0);
        dialogs.nextAnswer = false;
        QTest::keyClick(&grid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(dialogs.questions, QStringList{QStringLiteral("Delete record?")});
        QCOMPARE(m_db->text(QStringLiteral("SELECT COUNT(*) FROM FishMap")), QStringLiteral("3"));

        dialogs.nextAnswer = true;
        QTest::keyClick(&grid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(dialogs.questions.size(), 2);
        QCOMPARE(m_db->text(QStringLiteral("SELECT COUNT(*) FROM FishMap")), QStringLiteral("2"));
        QCOMPARE(m_db->text(QStringLiteral("SELECT COUNT(*) FROM FishMap WHERE Name='Рось'")),
                 QStringLiteral("0"));
        QCOMPARE(grid.model()->rowCount(), 2);
        QCOMPARE(grid.currentIndex().row(), places().currentRow());

        grid.setReadOnly(true);
        QTest::keyClick(&grid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(dialogs.questions.size(), 2);
        QCOMPARE(places().recordCount(), 2);
    }

    void readOnlyGridTakesNoInput()
    {
        DBGrid &grid = placesGrid();
        grid.setReadOnly(true);
        grid.setRowSelect(true);
        QVERIFY(!(grid.model()->flags(grid.model()->index(0, 0)) & Qt::ItemIsEditable));
        grid.setCurrentIndex(grid.model()->index(0, 0));
        QTest::keyClick(&grid, Qt::Key_W);
        QTest::keyClick(&grid, Qt::Key_F2);
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {},
                           grid.visualRect(grid.model()->index(0, 0)).center());
        QVERIFY(!grid.viewport()->findChild<QLineEdit *>()); // no cell editor opened
        QCOMPARE(places().state(), DataSet::State::Browse);
        clickCell(grid, 2, 0); // selecting rows still moves
        QCOMPARE(places().currentRow(), 2);
    }

    void doubleClickIsReported()
    {
        DBGrid &grid = placesGrid();
        grid.setReadOnly(true);
        QSignalSpy clicks(&grid, &DBGrid::dblClick);
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {},
                           grid.visualRect(grid.model()->index(1, 0)).center());
        QCOMPARE(clicks.size(), 1);
    }

    void withoutTitleRowTheGridShowsOnlyRows()
    {
        DBGrid &grid = placesGrid();
        grid.setTitlesVisible(false);
        QVERIFY(!grid.titlesVisible());
        QVERIFY(grid.horizontalHeader()->isHidden());
        QCOMPARE(grid.visualRect(grid.model()->index(0, 0)).top(), 0);
    }

    void cellDrawingHookRunsAfterTheGridDrewTheCell()
    {
        DBGrid &grid = placesGrid();
        QList<DBGridCell> cells;
        connect(&grid, &DBGrid::drawColumnCell, this, [&](const DBGridCell &cell) {
            cells << cell;
            if (cell.fieldName != u"Status")
                return;
            cell.painter->fillRect(cell.rect, Qt::white);
            cell.painter->fillRect(cell.rect.adjusted(2, 2, -2, -2),
                                   cell.value.toBool() ? Qt::red : Qt::blue);
        });
        const QImage shot = grid.viewport()->grab().toImage();
        QVERIFY(!cells.isEmpty());
        for (const DBGridCell &cell : cells) {
            QVERIFY(cell.row >= 0 && cell.row < 3);
            QVERIFY(cell.column >= 0 && cell.column < 3); // data cells only, never a title
        }
        auto statusOf = [&](int row) {
            const QRect rect = grid.visualRect(grid.model()->index(row, 1));
            return QColor(shot.pixel(rect.center()));
        };
        QCOMPARE(statusOf(0), QColor(Qt::red));  // true
        QCOMPARE(statusOf(1), QColor(Qt::blue)); // false
        QCOMPARE(statusOf(2), QColor(Qt::blue)); // null draws as not fished
        QCOMPARE(QColor(shot.pixel(grid.visualRect(grid.model()->index(0, 1)).topLeft())), QColor(Qt::white));
    }

    void columnColourAndWidthsSurviveAFilter()
    {
        DBGrid &grid = placesGrid();
        grid.setColumnColor(0, QColor(0xff, 0xfb, 0xf0));
        QCOMPARE(grid.model()->index(1, 0).data(Qt::BackgroundRole).value<QColor>(),
                 QColor(0xff, 0xfb, 0xf0));
        grid.setColumnWidth(2, 61);
        places().setFilter(QStringLiteral("Name = 'Рось'"));
        places().setFiltered(true);
        QCOMPARE(grid.columnWidth(0), 138);
        QCOMPARE(grid.columnWidth(1), 25);
        QCOMPARE(grid.columnWidth(2), 61);
    }

    void refusedCellInputIsRaisedInTheEventLoopAndTheCellKeepsItsValue()
    {
        DBGrid &grid = placesGrid();
        QWidget *editor = openEditor(grid, 0, 2);
        auto *line = qobject_cast<QLineEdit *>(editor);
        QVERIFY(line);
        line->selectAll();
        typeText(line, QStringLiteral("п'ять"));
        QTest::keyClick(line, Qt::Key_Return);
        const QStringList failures = RecordingApplication::takeFailures();
        QCOMPARE(failures.size(), 1);
        QVERIFY2(failures[0].contains(u"Ocinka"), qPrintable(failures[0]));
        QCOMPARE(places().field(u"Ocinka").asInteger(), 4);
        QCOMPARE(grid.model()->index(0, 2).data().toString(), QStringLiteral("4"));
    }

    void aPostRefusedOnMoveLeavesTheGridOnTheEditedRecord()
    {
        DBGrid &grid = placesGrid();
        QWidget *editor = openEditor(grid, 0, 0);
        auto *line = qobject_cast<QLineEdit *>(editor);
        QVERIFY(line);
        line->setMaxLength(1000);
        line->selectAll();
        typeText(line, QString(256, u'я')); // the field holds 255 characters
        pressReturn(line);
        clickCell(grid, 2, 0);
        const QStringList failures = RecordingApplication::takeFailures();
        QCOMPARE(failures.size(), 1);
        QVERIFY2(failures[0].contains(u"255"), qPrintable(failures[0]));
        QCOMPARE(places().currentRow(), 0);
        QCOMPARE(places().state(), DataSet::State::Edit); // nothing lost
        QCOMPARE(grid.currentIndex().row(), 0);
        QCOMPARE(m_db->text(QStringLiteral("SELECT Name FROM FishMap WHERE ID=1")), QStringLiteral("Десна"));
    }

    void updateRecordCommitsAnOpenCellEditor()
    {
        DBGrid &grid = placesGrid();
        auto *line = qobject_cast<QLineEdit *>(openEditor(grid, 1, 0));
        QVERIFY(line);
        QTest::keyClick(line, Qt::Key_End);
        typeText(line, QStringLiteral("!"));
        grid.updateRecord(); // as the save command does before posting
        places().post();
        QCOMPARE(m_db->text(QStringLiteral("SELECT Name FROM FishMap WHERE ID=2")), QStringLiteral("Рось!"));
    }

    void aClosedOrMissingDataSetShowsNoRows()
    {
        DBGrid &grid = placesGrid();
        places().close();
        QCOMPARE(grid.model()->rowCount(), 0);
        QTest::keyClick(&grid, Qt::Key_Delete, Qt::ControlModifier);
        m_places->source.setDataSet(nullptr);
        QCOMPARE(grid.model()->rowCount(), 0);
        QCOMPARE(grid.dataSet(), nullptr);
        places().open();
        m_places->source.setDataSet(&places());
        QCOMPARE(grid.model()->rowCount(), 3);
        QCOMPARE(grid.currentIndex().row(), 0);
    }
};

LYNVAR_CONTROLS_TEST_MAIN(TestDBGrid)
#include "tst_dbgrid.moc"
