// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/TFormImportExport.h"

namespace lynvar {

TFormImportExport::TFormImportExport(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormImportExport"));
    setModal(true);
}

} // namespace lynvar
