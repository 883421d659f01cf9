// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/SchodennykPage.h"

#include "data/DataModule2.h"

#include <QWidget>

namespace lynvar {

SchodennykPage::SchodennykPage(QWidget *page) : QObject(page), TabSchodennyk(page)
{
}

void SchodennykPage::bind(TDataModule2 &dataModule)
{
    Q_UNUSED(dataModule);
}

} // namespace lynvar
