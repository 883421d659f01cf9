// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/RivePage.h"

#include "data/DataModule2.h"

#include <QWidget>

namespace lynvar {

RivePage::RivePage(QWidget *page) : QObject(page), TabRive(page)
{
}

void RivePage::bind(TDataModule2 &dataModule)
{
    Q_UNUSED(dataModule);
}

} // namespace lynvar
