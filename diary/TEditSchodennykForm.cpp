// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/TEditSchodennykForm.h"

namespace lynvar {

TEditSchodennykForm::TEditSchodennykForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("EditSchodennykForm"));
    setModal(true);
}

} // namespace lynvar
