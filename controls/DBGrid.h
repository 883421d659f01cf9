// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/DataAware.h"

#include <QStyle>
#include <QTableView>

namespace lynvar {

class DataSet;
class DBGridDelegate;
class DBGridModel;
class UserDialogs;

// One data cell being drawn, for the drawColumnCell signal.
struct DBGridCell
{
    QPainter *painter = nullptr;
    QRect rect;
    int row = -1;
    int column = -1;
    QString fieldName;
    QVariant value; // the field's value in that row (null for a column without a field)
    QStyle::State state;
};

/*
 * A grid over the rows of a data source's data set, one column per field.
 *
 *   auto *grid = new DBGrid(parent);
 *   grid->setDataSource(&dm.FishMapDS);
 *   grid->addColumn(u"Name"_s, tr("Назва"), 138);
 *   const int status = grid->addColumn(u"Status"_s, u"+/-"_s, 25);
 *   grid->setColumnPickList(status, {u"True"_s, u"False"_s});
 *   connect(grid, &DBGrid::titleClick, this, &Page::DBGridMapTitleClick);
 *
 * The current row is the data set's current record both ways: selecting a row moves the data set
 * (which posts a changed record first); a move of the data set selects its row. Editing a cell puts
 * the record into editing as soon as the user types (automatic edit) and writes the field when the
 * cell editor is committed (Return, another cell, another row); a cell left unchanged writes
 * nothing. Escape outside a cell editor cancels the record's edit (not in a read-only grid). Ctrl+Delete asks
 * "Delete record?" through the user dialogs and deletes the current record on Yes (not in a read-only grid,
 * nor without dialogs). Failures of the data set (a refused value or post) are raised in the event loop
 * (raiseInEventLoop) and the grid shows the data set's state again.
 */
class DBGrid final : public QTableView, public DataAware
{
    Q_OBJECT
public:
    explicit DBGrid(QWidget *parent = nullptr);
    ~DBGrid() override;

    void setDataSource(DataSource *source);
    DataSource *dataSource() const override;
    DataSet *dataSet() const;
    // Needed for Ctrl+Delete's question.
    void setUserDialogs(UserDialogs *dialogs) { m_dialogs = dialogs; }

    // Appends a column; returns its index. A column without a title shows its field name.
    int addColumn(const QString &fieldName, const QString &title = {}, int width = -1);
    int columnCount() const;
    QString columnFieldName(int column) const;
    // Rebinding a column (the language switch) shows the new field at once.
    void setColumnFieldName(int column, const QString &fieldName);
    // The title as shown.
    QString columnTitle(int column) const;
    void setColumnTitle(int column, const QString &title);
    void setColumnColor(int column, const QColor &color);
    // The cell editor of the column becomes a list of these fixed choices.
    void setColumnPickList(int column, const QStringList &items);
    QStringList columnPickList(int column) const;
    // QTableView::setColumnWidth works too; widths survive the model resets of filters and sorts.

    void setReadOnly(bool readOnly);
    bool isReadOnly() const;
    // Whole-row selection.
    void setRowSelect(bool on);
    bool rowSelect() const;
    void setTitlesVisible(bool visible);
    bool titlesVisible() const;

    // The value of a field in a row of the view, as drawColumnCell handlers need it.
    QVariant cellValue(int row, int column) const;
    DBGridModel *gridModel() const { return m_model; }

    // Commits an open cell editor; throws lynvar::Error when the field refuses its text.
    void updateRecord() override;

Q_SIGNALS:
    void titleClick(int column);
    void dblClick();
    // After the grid drew a data cell (never a title cell); the painter is restored afterwards.
    void drawColumnCell(const lynvar::DBGridCell &cell);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    friend class DBGridDelegate;

    void syncCurrentRow();
    void userMoved(const QModelIndex &current);
    void userStartedEdit(int row);
    void applyWidths();
    void applyRowHeight();
    void deleteCurrentRecord();
    void drawCell(QPainter *painter, const QRect &rect, const QModelIndex &index, QStyle::State state);

    DBGridModel *m_model;
    DBGridDelegate *m_delegate;
    UserDialogs *m_dialogs = nullptr;
    bool m_syncing = false;
    bool m_applyingWidths = false;
};

} // namespace lynvar
