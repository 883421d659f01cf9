// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GuardedApplication.h"

#include "app/ErrorBox.h"
#include "common/UserDialogs.h"

#include <QFont>
#include <QFontDatabase>

namespace lynvar {

GuardedApplication::GuardedApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    // The window's fonts come from Windows; free look-alikes with Cyrillic stand in for them here
    // (Comic Sans MS has none that covers Cyrillic: the system's sans-serif stands in). Wine's Tahoma
    // lies outside the system's font folders, so it is added by hand.
    for (const char *file : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), {QStringLiteral("Liberation Serif")});
}

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    bool handled = false;
    if (!m_dialogs)
        return QApplication::notify(receiver, event);
    runGuarded(*m_dialogs, [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace lynvar
