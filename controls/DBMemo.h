// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/FieldControl.h"

#include <QPlainTextEdit>

namespace lynvar {

// A multi-line plain text of a field of the current record. Lines are shown as the field holds
// them, split at any line break, and written back joined by single line feeds. Every change of the
// user's is written at once (automatic edit).
class DBMemo final : public QPlainTextEdit, public FieldControl
{
    Q_OBJECT
public:
    explicit DBMemo(QWidget *parent = nullptr);

    // The user's option; QPlainTextEdit::isReadOnly() tells whether input is possible now.
    using FieldControl::setReadOnly;

private:
    void showRecord();
    void userEdited();

    bool m_showing = false;
};

} // namespace lynvar
