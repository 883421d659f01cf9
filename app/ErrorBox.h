// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <exception>
#include <functional>

namespace lynvar {

class UserDialogs;

// The text of the standard error box: the failure's message with a full stop appended when its
// last character has a higher code than the full stop (so none after ".", ",", " ", "!" or ")").
QString errorBoxText(const QString &message);

// Runs `work`; a failure that escapes it is shown in the standard error box and swallowed, as the
// event loop does for every handler. A silent abort shows nothing. Returns false after a failure.
bool runGuarded(UserDialogs &dialogs, const std::function<void()> &work);

// The message of the exception being handled (the caller is inside a catch block).
QString currentExceptionMessage(std::exception_ptr failure);

} // namespace lynvar
