// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/FishMapPage.h"

#include "data/DataModule2.h"

#include <QWidget>

namespace lynvar {

FishMapPage::FishMapPage(QWidget *page) : QObject(page), TabFishMap(page)
{
}

void FishMapPage::bind(TDataModule2 &dataModule)
{
    Q_UNUSED(dataModule);
}

} // namespace lynvar
