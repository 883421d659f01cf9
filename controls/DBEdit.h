// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/FieldControl.h"

#include <QLineEdit>

namespace lynvar {

// A one-line edit of a field of the current record.
//
// A change the field can take (any text in a text field, a complete number or date) is written at
// once: the record goes into editing and holds what the box shows, so moving to another record
// posts it. Input that is not yet a value of the field ("-", "12x") waits for Return or for the
// box to lose the focus; if the field still refuses it then, the failure goes to the event loop's
// error box (raiseInEventLoop) and the box shows the record's value again.
class DBEdit final : public QLineEdit, public FieldControl
{
    Q_OBJECT
public:
    explicit DBEdit(QWidget *parent = nullptr);

    // The user's option; QLineEdit::isReadOnly() tells whether input is possible now.
    using FieldControl::setReadOnly;

    void updateRecord() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showRecord();
    void userEdited(const QString &text);
    void commit();

    bool m_showing = false;
};

} // namespace lynvar
