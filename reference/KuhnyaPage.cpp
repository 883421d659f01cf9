// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/KuhnyaPage.h"

#include "data/DataModule2.h"

#include <QWidget>

namespace lynvar {

KuhnyaPage::KuhnyaPage(QWidget *page) : QObject(page), TabKuhnya(page)
{
}

void KuhnyaPage::bind(TDataModule2 &dataModule)
{
    Q_UNUSED(dataModule);
}

} // namespace lynvar
