// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

namespace lynvar {

class TDataModule2;

// The controls of the fish page: the filter bar, the fish list, the fish card, the classification table. They are made with the main window and bound to the data module's
// data sources once it exists.
class FishPage final : public QObject
{
    Q_OBJECT
public:
    explicit FishPage(QWidget *TabFish);

    void bind(TDataModule2 &dataModule);

    QWidget *TabFish;
};

} // namespace lynvar
