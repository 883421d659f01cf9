// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

namespace lynvar {

class TDataModule2;

// The controls of the fishing methods page: methods, rigs and baits with their texts. They are made with the main window and bound to the data module's
// data sources once it exists.
class SposobyPage final : public QObject
{
    Q_OBJECT
public:
    explicit SposobyPage(QWidget *TabSposoby);

    void bind(TDataModule2 &dataModule);

    QWidget *TabSposoby;
};

} // namespace lynvar
