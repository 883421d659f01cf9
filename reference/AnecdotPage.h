// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

namespace lynvar {

class TDataModule2;

// The controls of the jokes page: the joke list, the joke and its picture. They are made with the main window and bound to the data module's
// data sources once it exists.
class AnecdotPage final : public QObject
{
    Q_OBJECT
public:
    explicit AnecdotPage(QWidget *TabAnecdot);

    void bind(TDataModule2 &dataModule);

    QWidget *TabAnecdot;
};

} // namespace lynvar
