// SPDX-License-Identifier: GPL-3.0-or-later
#include "maintenance/TFormAbout.h"

namespace lynvar {

TFormAbout::TFormAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAbout"));
    setModal(true);
}

} // namespace lynvar
