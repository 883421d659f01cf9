// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DataAware.h"

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

} // namespace lynvar
