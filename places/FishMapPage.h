// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

namespace lynvar {

class TDataModule2;

// The controls of the fishing places page: the places list, the map, the place's details. They are made with the main window and bound to the data module's
// data sources once it exists.
class FishMapPage final : public QObject
{
    Q_OBJECT
public:
    explicit FishMapPage(QWidget *TabFishMap);

    void bind(TDataModule2 &dataModule);

    QWidget *TabFishMap;
};

} // namespace lynvar
