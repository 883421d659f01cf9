// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/TFormBrowser.h"

namespace lynvar {

TFormBrowser::TFormBrowser(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormBrowser"));
    setModal(true);
}

} // namespace lynvar
