// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/FieldLink.h"

#include "data/DataSet.h"
#include "data/DataSource.h"
#include "data/FieldValue.h"

namespace lynvar {
namespace {

bool sameValue(const QVariant &a, const QVariant &b)
{
    return a.isNull() == b.isNull() && (a.isNull() || a == b);
}

} // namespace

bool FieldLink::Shown::operator==(const Shown &other) const
{
    return dataSet == other.dataSet && field == other.field && hasRecord == other.hasRecord &&
           canModify == other.canModify && sameValue(identity, other.identity) &&
           sameValue(value, other.value);
}

FieldLink::FieldLink(QObject *parent) : QObject(parent) {}

void FieldLink::setDataSource(DataSource *source)
{
    if (m_source == source)
        return;
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (m_source) {
        connect(m_source, &DataSource::dataSetChanged, this, &FieldLink::attachDataSet);
        connect(m_source, &QObject::destroyed, this, [this] {
            m_source = nullptr;
            attachDataSet();
        });
    }
    attachDataSet();
}

void FieldLink::attachDataSet()
{
    DataSet *dataSet = m_source ? m_source->dataSet() : nullptr;
    if (m_dataSet != dataSet) {
        if (m_dataSet)
            disconnect(m_dataSet, nullptr, this, nullptr);
        m_dataSet = dataSet;
        if (m_dataSet) {
            connect(m_dataSet, &DataSet::recordsReset, this, &FieldLink::update);
            connect(m_dataSet, &DataSet::currentChanged, this, &FieldLink::update);
            connect(m_dataSet, &DataSet::stateChanged, this, &FieldLink::update);
            connect(m_dataSet, &DataSet::recordChanged, this, &FieldLink::update);
            connect(m_dataSet, &DataSet::fieldChanged, this, &FieldLink::update);
            connect(m_dataSet, &DataSet::activeChanged, this, &FieldLink::update);
            connect(m_dataSet, &QObject::destroyed, this, [this] {
                m_dataSet = nullptr;
                resolveField();
                reload();
            });
        }
    }
    resolveField();
    update();
}

void FieldLink::setFieldName(const QString &name)
{
    m_fieldName = name;
    resolveField();
    update();
}

void FieldLink::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    reload();
}

void FieldLink::resolveField()
{
    m_field = m_dataSet && !m_fieldName.isEmpty() ? m_dataSet->fieldIndex(m_fieldName) : -1;
}

const FieldDef *FieldLink::fieldDef() const
{
    return m_field >= 0 && m_dataSet ? &m_dataSet->table().fields[m_field] : nullptr;
}

bool FieldLink::hasRecord() const
{
    return m_field >= 0 && m_dataSet && m_dataSet->isActive() && m_dataSet->currentRow() >= 0;
}

bool FieldLink::canModify() const
{
    return !m_readOnly && hasRecord() && fieldDef()->type != FieldType::AutoNumber;
}

QVariant FieldLink::value() const
{
    return hasRecord() ? m_dataSet->value(m_field) : QVariant();
}

QString FieldLink::text() const
{
    return hasRecord() ? fieldvalue::toText(fieldDef()->type, value()) : QString();
}

FieldLink::Shown FieldLink::current() const
{
    Shown s;
    s.dataSet = m_dataSet;
    s.field = m_field;
    s.hasRecord = hasRecord();
    s.canModify = canModify();
    if (s.hasRecord) {
        // A new record has no number yet: its row stands for it, in a form no number equals.
        const int id = m_dataSet->fieldIndex(u"ID");
        s.identity = id >= 0 && !m_dataSet->value(id).isNull()
                         ? m_dataSet->value(id)
                         : QVariant(QStringLiteral("row %1").arg(m_dataSet->currentRow()));
        s.value = m_dataSet->value(m_field);
    }
    return s;
}

void FieldLink::update()
{
    if (m_writing)
        return;
    Shown now = current();
    if (!m_unwritten && now == m_shown)
        return;
    m_shown = std::move(now);
    m_unwritten = false;
    Q_EMIT showRecord();
}

void FieldLink::reload()
{
    m_shown = current();
    m_unwritten = false;
    Q_EMIT showRecord();
}

void FieldLink::startEdit()
{
    if (!canModify())
        return;
    m_writing = true;
    try {
        m_dataSet->edit();
    } catch (...) {
        m_writing = false;
        throw;
    }
    m_writing = false;
    m_shown = current();
}

void FieldLink::write(const QVariant &value)
{
    if (!canModify())
        return;
    m_writing = true;
    try {
        m_dataSet->edit();
        m_dataSet->setValue(m_field, value);
    } catch (...) {
        m_writing = false;
        m_shown = current();
        throw;
    }
    m_writing = false;
    m_unwritten = false;
    m_shown = current();
}

} // namespace lynvar
