// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/AnecdotPage.h"

#include "data/DataModule2.h"

#include <QWidget>

namespace lynvar {

AnecdotPage::AnecdotPage(QWidget *page) : QObject(page), TabAnecdot(page)
{
}

void AnecdotPage::bind(TDataModule2 &dataModule)
{
    Q_UNUSED(dataModule);
}

} // namespace lynvar
