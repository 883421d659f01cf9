// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

namespace lynvar {

class TDataModule2;

// The controls of the diary page: the entry list, photos, weather, catch, methods, notes. They are made with the main window and bound to the data module's
// data sources once it exists.
class SchodennykPage final : public QObject
{
    Q_OBJECT
public:
    explicit SchodennykPage(QWidget *TabSchodennyk);

    void bind(TDataModule2 &dataModule);

    QWidget *TabSchodennyk;
};

} // namespace lynvar
