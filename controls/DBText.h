// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/DataAware.h"
#include "controls/FieldLink.h"

#include <QLabel>

namespace lynvar {

// A label that shows a field of the current record as text; nothing without a record.
class DBText final : public QLabel, public DataAware
{
    Q_OBJECT
public:
    explicit DBText(QWidget *parent = nullptr);

    void bind(DataSource *source, const QString &fieldName);
    void setDataSource(DataSource *source) { m_link.setDataSource(source); }
    DataSource *dataSource() const override { return m_link.dataSource(); }
    void setDataField(const QString &fieldName) { m_link.setFieldName(fieldName); }
    const QString &dataField() const { return m_link.fieldName(); }

private:
    FieldLink m_link;
};

} // namespace lynvar
