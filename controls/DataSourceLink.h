// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

namespace lynvar {

class DataSet;
class DataSource;

// Follows the data set behind a data source through a change, or the destruction, of either.
class DataSourceLink final : public QObject
{
    Q_OBJECT
public:
    explicit DataSourceLink(QObject *parent = nullptr);

    void setDataSource(DataSource *source);
    DataSource *dataSource() const { return m_source; }
    DataSet *dataSet() const { return m_dataSet; }

Q_SIGNALS:
    // Another data set (or none) stands behind the source now; connect to `current`'s signals here.
    // `previous` is null when it is gone.
    void dataSetChanged(lynvar::DataSet *previous, lynvar::DataSet *current);
    // The source was set, changed its data set, or one of them went away: show things afresh.
    void relinked();

private:
    void attachDataSet();

    QPointer<DataSource> m_source;
    QPointer<DataSet> m_dataSet;
};

} // namespace lynvar
