// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/TFormFish.h"

namespace lynvar {

TFormFish::TFormFish(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormFish"));
    setModal(true);
}

} // namespace lynvar
