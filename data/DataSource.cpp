// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/DataSource.h"

#include "data/DataSet.h"

namespace lynvar {

DataSource::DataSource(const QString &name, DataSet *dataSet, QObject *parent)
    : QObject(parent), m_dataSet(dataSet)
{
    setObjectName(name);
}

void DataSource::setDataSet(DataSet *dataSet)
{
    if (m_dataSet == dataSet)
        return;
    m_dataSet = dataSet;
    Q_EMIT dataSetChanged();
}

} // namespace lynvar
