// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/DataAware.h"
#include "controls/FieldLink.h"

#include <QPlainTextEdit>

namespace lynvar {

// A multi-line plain text of a field of the current record. Lines are shown as the field holds
// them, split at any line break, and written back joined by single line feeds. Every change of the
// user's is written at once (automatic edit).
class DBMemo final : public QPlainTextEdit, public DataAware
{
    Q_OBJECT
public:
    explicit DBMemo(QWidget *parent = nullptr);

    void bind(DataSource *source, const QString &fieldName);
    void setDataSource(DataSource *source) { m_link.setDataSource(source); }
    DataSource *dataSource() const override { return m_link.dataSource(); }
    void setDataField(const QString &fieldName) { m_link.setFieldName(fieldName); }
    const QString &dataField() const { return m_link.fieldName(); }

    // QPlainTextEdit::isReadOnly() tells whether input is possible now.
    void setReadOnly(bool readOnly) { m_link.setReadOnly(readOnly); }
    bool readOnlyOption() const { return m_link.isReadOnly(); }

private:
    void showRecord();
    void userEdited();

    FieldLink m_link;
    bool m_showing = false;
};

} // namespace lynvar
