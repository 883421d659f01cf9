// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/SposobyPage.h"

#include "data/DataModule2.h"

#include <QWidget>

namespace lynvar {

SposobyPage::SposobyPage(QWidget *page) : QObject(page), TabSposoby(page)
{
}

void SposobyPage::bind(TDataModule2 &dataModule)
{
    Q_UNUSED(dataModule);
}

} // namespace lynvar
