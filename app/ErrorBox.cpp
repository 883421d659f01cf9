// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ErrorBox.h"

#include "common/Error.h"
#include "common/UserDialogs.h"

namespace lynvar {

QString errorBoxText(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

QString currentExceptionMessage(std::exception_ptr failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const Error &e) {
        return e.message();
    } catch (const std::exception &e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QString();
    }
}

bool runGuarded(UserDialogs &dialogs, const std::function<void()> &work)
{
    try {
        work();
        return true;
    } catch (const SilentAbort &) {
        return false;
    } catch (...) {
        dialogs.showError(errorBoxText(currentExceptionMessage(std::current_exception())));
        return false;
    }
}

} // namespace lynvar
