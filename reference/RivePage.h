// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

namespace lynvar {

class TDataModule2;

// The controls of the rivers page: the river list and its text. They are made with the main window and bound to the data module's
// data sources once it exists.
class RivePage final : public QObject
{
    Q_OBJECT
public:
    explicit RivePage(QWidget *TabRive);

    void bind(TDataModule2 &dataModule);

    QWidget *TabRive;
};

} // namespace lynvar
