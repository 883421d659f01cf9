// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/DataAware.h"
#include "controls/FieldLink.h"

#include <QCheckBox>

namespace lynvar {

// A check box for a yes/no field of the current record (an empty field shows unchecked). A click
// writes the field at once (automatic edit). Without a record, or read-only, a click changes nothing.
class DBCheckBox final : public QCheckBox, public DataAware
{
    Q_OBJECT
public:
    explicit DBCheckBox(QWidget *parent = nullptr);
    explicit DBCheckBox(const QString &text, QWidget *parent = nullptr);

    void bind(DataSource *source, const QString &fieldName);
    void setDataSource(DataSource *source) { m_link.setDataSource(source); }
    DataSource *dataSource() const override { return m_link.dataSource(); }
    void setDataField(const QString &fieldName) { m_link.setFieldName(fieldName); }
    const QString &dataField() const { return m_link.fieldName(); }

    void setReadOnly(bool readOnly) { m_link.setReadOnly(readOnly); }
    bool isReadOnly() const { return m_link.isReadOnly(); }

protected:
    void nextCheckState() override;

private:
    void showRecord();
    void userToggled(bool checked);

    FieldLink m_link;
    bool m_showing = false;
};

} // namespace lynvar
