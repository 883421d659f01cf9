// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DBGridModel.h"

#include "controls/DataAware.h"
#include "data/DataSet.h"
#include "data/DataSource.h"
#include "data/FieldValue.h"

namespace lynvar {

DBGridModel::DBGridModel(QObject *parent) : QAbstractTableModel(parent) {}

void DBGridModel::setDataSource(DataSource *source)
{
    if (m_source == source)
        return;
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (m_source) {
        connect(m_source, &DataSource::dataSetChanged, this, &DBGridModel::attachDataSet);
        connect(m_source, &QObject::destroyed, this, [this] {
            m_source = nullptr;
            attachDataSet();
        });
    }
    attachDataSet();
}

void DBGridModel::attachDataSet()
{
    DataSet *dataSet = m_source ? m_source->dataSet() : nullptr;
    if (m_dataSet != dataSet) {
        if (m_dataSet)
            disconnect(m_dataSet, nullptr, this, nullptr);
        m_dataSet = dataSet;
        if (m_dataSet) {
            connect(m_dataSet, &DataSet::recordsReset, this, &DBGridModel::resetRows);
            connect(m_dataSet, &DataSet::activeChanged, this, &DBGridModel::resetRows);
            connect(m_dataSet, &DataSet::recordChanged, this, &DBGridModel::rowChanged);
            connect(m_dataSet, &DataSet::currentChanged, this, &DBGridModel::currentRecordChanged);
            connect(m_dataSet, &QObject::destroyed, this, [this] {
                m_dataSet = nullptr;
                resetRows();
            });
        }
    }
    resetRows();
    Q_EMIT currentRecordChanged();
}

void DBGridModel::resetRows()
{
    beginResetModel();
    m_rows = m_dataSet && m_dataSet->isActive() ? m_dataSet->recordCount() : 0;
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
    if (!m_dataSet || column < 0 || column >= columns())
        return -1;
    return m_dataSet->fieldIndex(m_columns[column].fieldName);
}

QVariant DBGridModel::cellValue(int row, int column) const
{
    const int field = fieldOf(column);
    return field >= 0 ? m_dataSet->valueAt(row, field) : QVariant();
}

QString DBGridModel::cellText(int row, int column) const
{
    const int field = fieldOf(column);
    if (field < 0)
        return {};
    return fieldvalue::toText(m_dataSet->table().fields[field].type, m_dataSet->valueAt(row, field));
}

bool DBGridModel::isCellEditable(const QModelIndex &index) const
{
    const int field = fieldOf(index.column());
    return !m_readOnly && field >= 0 && m_dataSet->isActive() && index.row() < m_rows &&
           m_dataSet->table().fields[field].type != FieldType::AutoNumber;
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
        if (field >= 0 && m_dataSet->table().fields[field].isNumeric() &&
            m_dataSet->table().fields[field].type != FieldType::Boolean)
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
    if (m_readOnly || !m_dataSet || !m_dataSet->isActive() || row != m_dataSet->currentRow())
        return;
    m_dataSet->edit();
}

void DBGridModel::writeCell(const QModelIndex &index, const QString &text)
{
    // An editor left open while the data set moved by itself belongs to a record that is no longer
    // current: what it holds cannot be written.
    if (!isCellEditable(index) || index.row() != m_dataSet->currentRow())
        return;
    if (text == cellText(index.row(), index.column()))
        return; // nothing changed: no edit, nothing written
    m_dataSet->edit();
    m_dataSet->setValue(fieldOf(index.column()), text.isEmpty() ? QVariant() : QVariant(text));
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
