// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DataSourceLink.h"

#include "data/DataSet.h"
#include "data/DataSource.h"

namespace lynvar {

DataSourceLink::DataSourceLink(QObject *parent) : QObject(parent) {}

void DataSourceLink::setDataSource(DataSource *source)
{
    if (m_source == source)
        return;
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (m_source) {
        connect(m_source, &DataSource::dataSetChanged, this, &DataSourceLink::attachDataSet);
        connect(m_source, &QObject::destroyed, this, [this] {
            m_source = nullptr;
            attachDataSet();
        });
    }
    attachDataSet();
}

void DataSourceLink::attachDataSet()
{
    DataSet *current = m_source ? m_source->dataSet() : nullptr;
    if (m_dataSet != current) {
        DataSet *previous = m_dataSet;
        if (previous)
            disconnect(previous, nullptr, this, nullptr);
        m_dataSet = current;
        if (current) {
            connect(current, &QObject::destroyed, this, [this] {
                m_dataSet = nullptr;
                Q_EMIT dataSetChanged(nullptr, nullptr);
                Q_EMIT relinked();
            });
        }
        Q_EMIT dataSetChanged(previous, current);
    }
    Q_EMIT relinked();
}

} // namespace lynvar
