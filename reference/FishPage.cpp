// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/FishPage.h"

#include "data/DataModule2.h"

#include <QWidget>

namespace lynvar {

FishPage::FishPage(QWidget *page) : QObject(page), TabFish(page)
{
}

void FishPage::bind(TDataModule2 &dataModule)
{
    Q_UNUSED(dataModule);
}

} // namespace lynvar
