// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DataAware.h"

#include <QCoreApplication>
#include <QWidget>

namespace lynvar {

DataAware *dataAwareControlOf(QWidget *widget)
{
    for (QWidget *w = widget; w; w = w->parentWidget()) {
        if (auto *control = dynamic_cast<DataAware *>(w))
            return control;
    }
    return nullptr;
}

void raiseInEventLoop(std::exception_ptr failure)
{
    if (!failure || !QCoreApplication::instance())
        return;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [failure] { std::rethrow_exception(failure); }, Qt::QueuedConnection);
}

} // namespace lynvar
