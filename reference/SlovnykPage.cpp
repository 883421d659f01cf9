// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/SlovnykPage.h"

#include "data/DataModule2.h"

#include <QWidget>

namespace lynvar {

SlovnykPage::SlovnykPage(QWidget *page) : QObject(page), TabSlovnyk(page)
{
}

void SlovnykPage::bind(TDataModule2 &dataModule)
{
    Q_UNUSED(dataModule);
}

} // namespace lynvar
