// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DBLookupComboBox.h"

#include "data/DataSet.h"
#include "data/DataSource.h"
#include "data/FieldValue.h"

#include <QKeyEvent>
#include <QWheelEvent>

namespace lynvar {

DBLookupComboBox::DBLookupComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    connect(&m_link, &FieldLink::showRecord, this, &DBLookupComboBox::showRecord);
    connect(this, &QComboBox::activated, this, &DBLookupComboBox::userPicked);
    showRecord();
}

void DBLookupComboBox::setListSource(DataSource *source)
{
    if (m_listSource == source)
        return;
    if (m_listSource)
        disconnect(m_listSource, nullptr, this, nullptr);
    m_listSource = source;
    if (m_listSource)
        connect(m_listSource, &DataSource::dataSetChanged, this, &DBLookupComboBox::attachListDataSet);
    attachListDataSet();
}

DataSet *DBLookupComboBox::listDataSet() const
{
    return m_listDataSet;
}

void DBLookupComboBox::attachListDataSet()
{
    DataSet *dataSet = m_listSource ? m_listSource->dataSet() : nullptr;
    if (m_listDataSet != dataSet) {
        if (m_listDataSet)
            disconnect(m_listDataSet, nullptr, this, nullptr);
        m_listDataSet = dataSet;
        if (m_listDataSet) {
            // The choices change with the rows, not with the list's current record.
            connect(m_listDataSet, &DataSet::recordsReset, this, &DBLookupComboBox::rebuildItems);
            connect(m_listDataSet, &DataSet::recordChanged, this, &DBLookupComboBox::rebuildItems);
            connect(m_listDataSet, &DataSet::activeChanged, this, &DBLookupComboBox::rebuildItems);
        }
    }
    rebuildItems();
}

void DBLookupComboBox::setKeyField(const QString &fieldName)
{
    m_keyField = fieldName;
    rebuildItems();
}

void DBLookupComboBox::setListField(const QString &fieldName)
{
    m_listField = fieldName;
    rebuildItems();
}

void DBLookupComboBox::rebuildItems()
{
    m_showing = true;
    clear();
    DataSet *list = listDataSet();
    if (list && list->isActive()) {
        const int key = list->fieldIndex(m_keyField);
        const int shown = list->fieldIndex(m_listField);
        if (key >= 0 && shown >= 0) {
            const FieldType shownType = list->table().fields[shown].type;
            const int rows = list->recordCount();
            for (int row = 0; row < rows; ++row)
                addItem(fieldvalue::toText(shownType, list->valueAt(row, shown)), list->valueAt(row, key));
        }
    }
    m_showing = false;
    selectKey(m_link.value());
}

void DBLookupComboBox::showRecord()
{
    const QVariant key = m_link.value();
    selectKey(key);
    followKey(key);
}

void DBLookupComboBox::selectKey(const QVariant &key)
{
    m_showing = true;
    int index = -1;
    DataSet *list = listDataSet();
    if (!key.isNull() && list && list->isActive()) {
        const int keyField = list->fieldIndex(m_keyField);
        const QVariant wanted =
            keyField >= 0 ? fieldvalue::normalise(list->table().fields[keyField].type, key) : QVariant();
        for (int i = 0; i < count() && !wanted.isNull(); ++i) {
            if (itemData(i) == wanted) {
                index = i;
                break;
            }
        }
    }
    setCurrentIndex(index);
    m_showing = false;
}

void DBLookupComboBox::followKey(const QVariant &key)
{
    DataSet *list = listDataSet();
    if (key.isNull() || !list || !list->isActive() || list == m_link.dataSet() ||
        list->fieldIndex(m_keyField) < 0)
        return;
    const int keyField = list->fieldIndex(m_keyField);
    if (list->currentRow() >= 0 &&
        list->value(keyField) == fieldvalue::normalise(list->table().fields[keyField].type, key))
        return;
    try {
        [[maybe_unused]] const bool found = list->locate(m_keyField, key);
    } catch (...) {
        raiseInEventLoop(std::current_exception());
    }
}

void DBLookupComboBox::userPicked(int index)
{
    if (m_showing || !m_link.canModify() || index < 0)
        return;
    try {
        m_link.write(itemData(index));
    } catch (...) {
        m_link.reload();
        raiseInEventLoop(std::current_exception());
        return;
    }
    followKey(m_link.value());
}

void DBLookupComboBox::showPopup()
{
    if (m_link.canModify())
        QComboBox::showPopup();
}

void DBLookupComboBox::keyPressEvent(QKeyEvent *event)
{
    if (!m_link.canModify() && event->key() != Qt::Key_Tab && event->key() != Qt::Key_Backtab) {
        event->ignore();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void DBLookupComboBox::wheelEvent(QWheelEvent *event)
{
    if (!m_link.canModify()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

} // namespace lynvar
