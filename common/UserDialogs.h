// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace lynvar {

// The modal boxes the program shows. The windows install the real boxes; tests install a fake
// that answers and records, so no test ever waits on a window.
class UserDialogs
{
public:
    virtual ~UserDialogs() = default;

    // A plain message box with an OK button.
    virtual void showMessage(const QString &text) = 0;
    // The standard error box: error icon, the application title as caption.
    virtual void showError(const QString &text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool askYesNo(const QString &text) = 0;
};

} // namespace lynvar
