// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/FieldControl.h"

#include <QTextEdit>

namespace lynvar {

// A rich-text view of a memo field that stores RTF (plain text in the field is shown as it is).
//
// Showing a record only reads the field: the stored text is rewritten (as RTF) only after the user
// changed the text or its formatting, and then on every such change (automatic edit), so moving to
// another record posts it.
class DBRichEdit final : public QTextEdit, public FieldControl
{
    Q_OBJECT
public:
    explicit DBRichEdit(QWidget *parent = nullptr);

    // The user's option; QTextEdit::isReadOnly() tells whether input is possible now.
    using FieldControl::setReadOnly;
    // True while the view fills itself with a record: its cursor moves then are not the user's.
    bool isShowingRecord() const { return m_showing; }

    // A view that is shown fills itself once the window has been drawn; a caller that needs its
    // document at once (selection, formatting) fills it now.
    void ensureLoaded()
    {
        if (m_stale)
            loadRecord();
    }

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

    bool m_showing = false;
    bool m_stale = false; // the record changed while the view was hidden
};

} // namespace lynvar
