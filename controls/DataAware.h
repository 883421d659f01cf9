// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <exception>

class QWidget;

namespace lynvar {

class DataSource;

// A control bound to a data source. The standard data-set commands (new, edit, save) act on the
// data set of the focused control that is data-aware.
class DataAware
{
public:
    virtual ~DataAware() = default;
    virtual DataSource *dataSource() const = 0;

    // Writes into the record what the user entered and the control has not written yet (an open
    // grid cell editor, edit-box text that is not yet a valid number or date). The save command
    // calls it before posting. Throws lynvar::Error when the field refuses the value.
    virtual void updateRecord() {}
};

// The data-aware control that holds `widget` (the widget itself or one of its parents), or null.
DataAware *dataAwareControlOf(QWidget *widget);

// Raises `failure` again from a posted call. A failure that arises while the widget toolkit is in
// the middle of its own work (a line edit's change signal, a selection change, a cell editor's
// commit) must not unwind through the toolkit's code; the event loop shows it in the standard
// error box as soon as the toolkit has finished that event.
void raiseInEventLoop(std::exception_ptr failure);

} // namespace lynvar
