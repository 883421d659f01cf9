// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TFormOptions.h"

namespace lynvar {

TFormOptions::TFormOptions(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormOptions"));
    setModal(true);
}

} // namespace lynvar
