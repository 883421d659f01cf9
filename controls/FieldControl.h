// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/DataAware.h"
#include "controls/FieldLink.h"

namespace lynvar {

// What every control over one field of the current record offers: its data source, its field
// (changeable at run time: the language switch rebinds views, which then show the new field at
// once) and the user's read-only option. The control itself reacts to m_link's showRecord().
class FieldControl : public DataAware
{
public:
    void bind(DataSource *source, const QString &fieldName)
    {
        m_link.setFieldName(fieldName);
        m_link.setDataSource(source);
    }
    void setDataSource(DataSource *source) { m_link.setDataSource(source); }
    DataSource *dataSource() const override { return m_link.dataSource(); }
    void setDataField(const QString &fieldName) { m_link.setFieldName(fieldName); }
    const QString &dataField() const { return m_link.fieldName(); }

    // The user cannot change the field. Without a record or field the control takes no input anyway.
    void setReadOnly(bool readOnly) { m_link.setReadOnly(readOnly); }
    bool readOnlyOption() const { return m_link.isReadOnly(); }

protected:
    FieldLink m_link;
};

} // namespace lynvar
