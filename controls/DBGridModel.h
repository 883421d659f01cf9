// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/DataSourceLink.h"
#include "data/DataSet.h"
#include "data/DataSource.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QPointer>
#include <QStringList>

namespace lynvar {

struct DBGridColumn
{
    QString fieldName;
    QString title;        // empty: the title shows the field name
    int width = -1;       // pixels; -1 leaves the view's default
    QColor color;         // cell background; invalid: the view's
    QStringList pickList; // fixed choices of the cell editor; empty: free text
};

/*
 * The rows a data set shows (its view: filter, master-detail range and order applied) as a table
 * of columns bound to fields. Values are read through DataSet::valueAt, so the current row shows
 * the edit buffer while it is being edited.
 *
 * The data set says only that rows changed (recordsReset) after the fact, so every such change is
 * a model reset; the row count is cached at each reset so that the model stays consistent with
 * what the views were last told, even while the data set is closed.
 */
class DBGridModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit DBGridModel(QObject *parent = nullptr);

    void setDataSource(DataSource *source);
    DataSource *dataSource() const { return m_link.dataSource(); }
    DataSet *dataSet() const { return m_link.dataSet(); }
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }

    int addColumn(const DBGridColumn &column);
    int columns() const { return int(m_columns.size()); }
    const DBGridColumn &column(int column) const { return m_columns.at(column); }
    void setColumnFieldName(int column, const QString &fieldName);
    void setColumnTitle(int column, const QString &title);
    void setColumnColor(int column, const QColor &color);
    void setColumnPickList(int column, const QStringList &items);
    void setColumnWidth(int column, int width) { m_columns[column].width = width; }
    // The title as shown: the field name when the column has none.
    QString shownTitle(int column) const;
    // The field of a column in the data set; -1 without a data set or such a field.
    int fieldOf(int column) const;
    QVariant cellValue(int row, int column) const;
    bool isCellEditable(const QModelIndex &index) const;

    // The user started to change a cell of the current record: the automatic edit. Throws
    // lynvar::Error.
    void startEdit(int row);
    // Writes what the user entered into a cell of the current record; nothing when it equals what
    // the cell shows. Throws lynvar::Error when the field refuses it.
    void writeCell(const QModelIndex &index, const QString &text);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Failures are raised in the event loop (the view is in the middle of closing its editor).
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

Q_SIGNALS:
    // Another record of the data set became current (or none).
    void currentRecordChanged();

private:
    void resetRows();
    void rowChanged(int row);
    QString cellText(int row, int column) const;
    bool isCell(const QModelIndex &index) const;

    DataSourceLink m_link;
    QList<DBGridColumn> m_columns;
    int m_rows = 0;
    bool m_readOnly = false;
};

} // namespace lynvar
