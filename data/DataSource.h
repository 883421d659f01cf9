// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

namespace lynvar {

class DataSet;

// Connects data-aware controls to a data set. Every data source allows automatic edit: a bound
// control puts the current record into editing as soon as the user changes its content.
class DataSource final : public QObject
{
    Q_OBJECT
public:
    DataSource(const QString &name, DataSet *dataSet, QObject *parent = nullptr);

    DataSet *dataSet() const { return m_dataSet; }
    void setDataSet(DataSet *dataSet);
    bool autoEdit() const { return true; }

Q_SIGNALS:
    void dataSetChanged();

private:
    QPointer<DataSet> m_dataSet;
};

} // namespace lynvar
