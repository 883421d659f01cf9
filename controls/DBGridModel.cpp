// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DBGridModel.h"

#include "controls/DataAware.h"
#include "data/DataSet.h"
#include "data/DataSource.h"
#include "data/FieldValue.h"

namespace lynvar {

DBGridModel::DBGridModel(QObject *parent) : QAbstractTableModel(parent)
{
    connect(&m_link, &DataSourceLink::dataSetChanged, this, [this](DataSet *previous, DataSet *current) {
        if (previous)
            disconnect(previous, nullptr, this, nullptr);
        if (!current)
            return;
        connect(current, &DataSet::recordsReset, this, &DBGridModel::resetRows);
        connect(current, &DataSet::activeChanged, this, &DBGridModel::resetRows);
        connect(current, &DataSet::recordChanged, this, &DBGridModel::rowChanged);
        connect(current, &DataSet::currentChanged, this, &DBGridModel::currentRecordChanged);
    });
    connect(&m_link, &DataSourceLink::relinked, this, [this] {
        resetRows();
        Q_EMIT currentRecordChanged();
    });
}

void DBGridModel::setDataSource(DataSource *source)
{
    m_link.setDataSource(source);
}

void DBGridModel::resetRows()
{
    beginResetModel();
    m_rows = m_link.dataSet() && m_link.dataSet()->isActive() ? m_link.dataSet()->recordCount() : 0;
    endResetModel();
}

void DBGridModel::rowChanged(int row)
{
    if (row < 0 || row >= m_rows || m_columns.isEmpty())
        return;
    Q_EMIT dataChanged(index(row, 0), index(row, columns() - 1));
}

void DBGridModel::setReadOnly(bool readOnly)
{
    if (m_readOnly == readOnly)
        return;
    m_readOnly = readOnly;
    if (m_rows > 0 && !m_columns.isEmpty())
        Q_EMIT dataChanged(index(0, 0), index(m_rows - 1, columns() - 1));
}

int DBGridModel::addColumn(const DBGridColumn &column)
{
    const int at = columns();
    beginInsertColumns({}, at, at);
    m_columns.append(column);
    endInsertColumns();
    return at;
}

void DBGridModel::setColumnFieldName(int column, const QString &fieldName)
{
    m_columns[column].fieldName = fieldName;
    Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
    if (m_rows > 0)
        Q_EMIT dataChanged(index(0, column), index(m_rows - 1, column));
}

void DBGridModel::setColumnTitle(int column, const QString &title)
{
    m_columns[column].title = title;
    Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
}

void DBGridModel::setColumnColor(int column, const QColor &color)
{
    m_columns[column].color = color;
    if (m_rows > 0)
        Q_EMIT dataChanged(index(0, column), index(m_rows - 1, column), {Qt::BackgroundRole});
}

void DBGridModel::setColumnPickList(int column, const QStringList &items)
{
    m_columns[column].pickList = items;
}

QString DBGridModel::shownTitle(int column) const
{
    const DBGridColumn &c = m_columns.at(column);
    return c.title.isEmpty() ? c.fieldName : c.title;
}

int DBGridModel::fieldOf(int column) const
{
    if (!m_link.dataSet() || column < 0 || column >= columns())
        return -1;
    return m_link.dataSet()->fieldIndex(m_columns[column].fieldName);
}

QVariant DBGridModel::cellValue(int row, int column) const
{
    const int field = fieldOf(column);
    return field >= 0 ? m_link.dataSet()->valueAt(row, field) : QVariant();
}

QString DBGridModel::cellText(int row, int column) const
{
    const int field = fieldOf(column);
    if (field < 0)
        return {};
    return fieldvalue::toText(m_link.dataSet()->table().fields[field].type,
                              m_link.dataSet()->valueAt(row, field));
}

bool DBGridModel::isCellEditable(const QModelIndex &index) const
{
    const int field = fieldOf(index.column());
    return !m_readOnly && field >= 0 && m_link.dataSet()->isActive() && index.row() < m_rows &&
           m_link.dataSet()->table().fields[field].type != FieldType::AutoNumber;
}

bool DBGridModel::isCell(const QModelIndex &index) const
{
    return index.isValid() && index.model() == this && index.row() < m_rows && index.column() < columns();
}

int DBGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int DBGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : columns();
}

QVariant DBGridModel::data(const QModelIndex &index, int role) const
{
    if (!isCell(index))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cellText(index.row(), index.column());
    case Qt::BackgroundRole: {
        const QColor &color = m_columns[index.column()].color;
        return color.isValid() ? QVariant(color) : QVariant();
    }
    case Qt::TextAlignmentRole: {
        const int field = fieldOf(index.column());
        if (field >= 0 && m_link.dataSet()->table().fields[field].isNumeric() &&
            m_link.dataSet()->table().fields[field].type != FieldType::Boolean)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        return {};
    }
    default:
        return {};
    }
}

QVariant DBGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columns())
        return {};
    return shownTitle(section);
}

Qt::ItemFlags DBGridModel::flags(const QModelIndex &index) const
{
    if (!isCell(index))
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (isCellEditable(index))
        f |= Qt::ItemIsEditable;
    return f;
}

void DBGridModel::startEdit(int row)
{
    if (m_readOnly || !m_link.dataSet() || !m_link.dataSet()->isActive() ||
        row != m_link.dataSet()->currentRow())
        return;
    m_link.dataSet()->edit();
}

void DBGridModel::writeCell(const QModelIndex &index, const QString &text)
{
    // An editor left open while the data set moved by itself belongs to a record that is no longer
    // current: what it holds cannot be written.
    if (!isCellEditable(index) || index.row() != m_link.dataSet()->currentRow())
        return;
    if (text == cellText(index.row(), index.column()))
        return; // nothing changed: no edit, nothing written
    m_link.dataSet()->edit();
    m_link.dataSet()->setValue(fieldOf(index.column()), text.isEmpty() ? QVariant() : QVariant(text));
}

bool DBGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !isCell(index))
        return false;
    try {
        writeCell(index, value.toString());
        return true;
    } catch (...) {
        rowChanged(index.row()); // the cell shows the record's value again
        raiseInEventLoop(std::current_exception());
        return false;
    }
}

} // namespace lynvar
