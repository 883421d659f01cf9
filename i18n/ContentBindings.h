// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "i18n/LanguageKeys.h"

#include <QString>
#include <vector>

namespace lynvar {

class WindowControls;

// The views that show the handbook's Ukrainian or Russian texts, and the field each shows in
// either language. A view not made yet is rebound when it is made.
struct ContentBinding
{
    enum Kind
    {
        Field,    // the data field of a one-field view
        Column,   // the field of one grid column
        ListField // the display field of a look-up box
    };

    LanguageWindow window;
    QString control;
    Kind kind;
    int column; // Column only
    QString ukrainian;
    QString russian;
};

namespace contentbindings {

// The bindings in the order they are switched.
const std::vector<ContentBinding> &all();

// Binds the views of `window` that `controls` holds to the fields of the language. A view holding
// input that has not reached its record yet stores it in the field it was typed for first.
void rebind(const WindowControls &controls, LanguageWindow window, bool ukrainian);

// The field a view of the table shows now; empty when `controls` does not hold it.
QString boundField(const WindowControls &controls, const ContentBinding &binding);

} // namespace contentbindings
} // namespace lynvar
