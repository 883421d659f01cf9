// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSplitter;
class QWidget;

namespace lynvar {

class DBGrid;
class DBRichEdit;
class TDataModule2;

// The controls of the rivers page: the river list and its text. They are made with the main window
// and bound to the data module's data sources once it exists.
class RivePage final : public QObject
{
    Q_OBJECT
public:
    explicit RivePage(QWidget *TabRive);

    void bind(TDataModule2 &dataModule);

    QWidget *TabRive;
    QSplitter *Splitter6;
    DBGrid *DBGridRive;
    DBRichEdit *DBRichEditRiveOpys;
};

} // namespace lynvar
