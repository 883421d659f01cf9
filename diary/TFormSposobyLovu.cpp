// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/TFormSposobyLovu.h"

namespace lynvar {

TFormSposobyLovu::TFormSposobyLovu(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormSposobyLovu"));
    setModal(true);
}

} // namespace lynvar
