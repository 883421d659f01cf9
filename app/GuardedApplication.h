// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

namespace lynvar {

class UserDialogs;

// The event loop: a failure that escapes any handler is shown in the standard error box and the
// loop goes on.
class GuardedApplication final : public QApplication
{
    Q_OBJECT
public:
    GuardedApplication(int &argc, char **argv);

    void setDialogs(UserDialogs *dialogs) { m_dialogs = dialogs; }
    bool notify(QObject *receiver, QEvent *event) override;

private:
    UserDialogs *m_dialogs = nullptr;
};

} // namespace lynvar
