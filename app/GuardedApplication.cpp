// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GuardedApplication.h"

#include "app/ErrorBox.h"
#include "common/UserDialogs.h"

namespace lynvar {

GuardedApplication::GuardedApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    bool handled = false;
    if (!m_dialogs)
        return QApplication::notify(receiver, event);
    runGuarded(*m_dialogs, [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace lynvar
