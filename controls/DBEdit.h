// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/DataAware.h"
#include "controls/FieldLink.h"

#include <QLineEdit>

namespace lynvar {

// A one-line edit of a field of the current record.
//
// A change the field can take (any text in a text field, a complete number or date) is written at
// once: the record goes into editing and holds what the box shows, so moving to another record
// posts it. Input that is not yet a value of the field ("-", "12x") waits for Return or for the
// box to lose the focus; if the field still refuses it then, the failure goes to the event loop's
// error box (raiseInEventLoop) and the box shows the record's value again.
class DBEdit final : public QLineEdit, public DataAware
{
    Q_OBJECT
public:
    explicit DBEdit(QWidget *parent = nullptr);

    void bind(DataSource *source, const QString &fieldName);
    void setDataSource(DataSource *source) { m_link.setDataSource(source); }
    DataSource *dataSource() const override { return m_link.dataSource(); }
    void setDataField(const QString &fieldName) { m_link.setFieldName(fieldName); }
    const QString &dataField() const { return m_link.fieldName(); }

    // The user cannot change the field. Without a record or field the box is read-only anyway, so
    // QLineEdit::isReadOnly() tells whether input is possible now.
    void setReadOnly(bool readOnly) { m_link.setReadOnly(readOnly); }
    bool readOnlyOption() const { return m_link.isReadOnly(); }

    void updateRecord() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showRecord();
    void userEdited(const QString &text);
    void commit();

    FieldLink m_link;
    bool m_showing = false;
};

} // namespace lynvar
