// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/VuzlyPage.h"

#include "data/DataModule2.h"

#include <QHBoxLayout>
#include <QWidget>

namespace lynvar {

VuzlyPage::VuzlyPage(QWidget *page) : QObject(page), TabVuzly(page)
{
    auto *layout = new QHBoxLayout(page);
    layout->addStretch(1);
    Panel3 = new QWidget(page);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    layout->addWidget(Panel3);
}

void VuzlyPage::bind(TDataModule2 &dataModule)
{
    Q_UNUSED(dataModule);
}

} // namespace lynvar
