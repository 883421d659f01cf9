// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/DataAware.h"
#include "controls/FieldLink.h"

#include <QTextEdit>

namespace lynvar {

// A rich-text view of a memo field that stores RTF (plain text in the field is shown as it is).
//
// Showing a record only reads the field: the stored text is rewritten (as RTF) only after the user
// changed the text or its formatting, and then on every such change (automatic edit), so moving to
// another record posts it.
class DBRichEdit final : public QTextEdit, public DataAware
{
    Q_OBJECT
public:
    explicit DBRichEdit(QWidget *parent = nullptr);

    void bind(DataSource *source, const QString &fieldName);
    void setDataSource(DataSource *source) { m_link.setDataSource(source); }
    DataSource *dataSource() const override { return m_link.dataSource(); }
    // Rebinding (the language switch) shows the new field at once and emits changed().
    void setDataField(const QString &fieldName) { m_link.setFieldName(fieldName); }
    const QString &dataField() const { return m_link.fieldName(); }

    // QTextEdit::isReadOnly() tells whether input is possible now.
    void setReadOnly(bool readOnly) { m_link.setReadOnly(readOnly); }
    bool readOnlyOption() const { return m_link.isReadOnly(); }

Q_SIGNALS:
    // The shown content changed: another record or field is shown, its value changed, or the user
    // changed the text. Once per change (QTextEdit::textChanged fires several times for one load).
    void changed();
    // The view received the keyboard focus.
    void entered();
    // The mouse pointer moved into the view.
    void mouseEntered();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void enterEvent(QEnterEvent *event) override;

private:
    void showRecord();
    void loadRecord();
    void userEdited();

    FieldLink m_link;
    bool m_showing = false;
    bool m_stale = false; // the record changed while the view was hidden
};

} // namespace lynvar
