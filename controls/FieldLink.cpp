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

FieldLink::FieldLink(QObject *parent) : QObject(parent)
{
    connect(&m_link, &DataSourceLink::dataSetChanged, this, [this](DataSet *previous, DataSet *current) {
        if (previous)
            disconnect(previous, nullptr, this, nullptr);
        if (!current)
            return;
        for (auto signal : {&DataSet::recordsReset, &DataSet::currentChanged, &DataSet::stateChanged})
            connect(current, signal, this, &FieldLink::update);
        connect(current, &DataSet::recordChanged, this, &FieldLink::update);
        connect(current, &DataSet::fieldChanged, this, &FieldLink::update);
        connect(current, &DataSet::activeChanged, this, &FieldLink::update);
    });
    connect(&m_link, &DataSourceLink::relinked, this, [this] {
        resolveField();
        update();
    });
}

void FieldLink::setDataSource(DataSource *source)
{
    m_link.setDataSource(source);
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
    m_field = m_link.dataSet() && !m_fieldName.isEmpty() ? m_link.dataSet()->fieldIndex(m_fieldName) : -1;
}

const FieldDef *FieldLink::fieldDef() const
{
    return m_field >= 0 && m_link.dataSet() ? &m_link.dataSet()->table().fields[m_field] : nullptr;
}

bool FieldLink::hasRecord() const
{
    return m_field >= 0 && m_link.dataSet() && m_link.dataSet()->isActive() &&
           m_link.dataSet()->currentRow() >= 0;
}

bool FieldLink::canModify() const
{
    return !m_readOnly && hasRecord() && fieldDef()->type != FieldType::AutoNumber;
}

QVariant FieldLink::value() const
{
    return hasRecord() ? m_link.dataSet()->value(m_field) : QVariant();
}

QString FieldLink::text() const
{
    return hasRecord() ? fieldvalue::toText(fieldDef()->type, value()) : QString();
}

FieldLink::Shown FieldLink::current() const
{
    Shown s;
    s.dataSet = m_link.dataSet();
    s.field = m_field;
    s.hasRecord = hasRecord();
    s.canModify = canModify();
    if (s.hasRecord) {
        // A new record has no number yet: its row stands for it, in a form no number equals.
        const int id = m_link.dataSet()->fieldIndex(u"ID");
        s.identity = id >= 0 && !m_link.dataSet()->value(id).isNull()
                         ? m_link.dataSet()->value(id)
                         : QVariant(QStringLiteral("row %1").arg(m_link.dataSet()->currentRow()));
        s.value = m_link.dataSet()->value(m_field);
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
        m_link.dataSet()->edit();
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
        m_link.dataSet()->edit();
        m_link.dataSet()->setValue(m_field, value);
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
