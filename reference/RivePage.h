// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Page.h"

class QSplitter;
class QWidget;

namespace lynvar {

class DBGrid;
class DBRichEdit;
class TDataModule2;

// The controls of the rivers page: the river list and its text. They are made the first time the page is
// needed.
class RivePage final : public Page
{
    Q_OBJECT
public:
    RivePage(QWidget *TabRive, AppServices &services);

    QWidget *TabRive = nullptr;
    QSplitter *Splitter6 = nullptr;
    DBGrid *DBGridRive = nullptr;
    DBRichEdit *DBRichEditRiveOpys = nullptr;

protected:
    void build() override;
    void bind(TDataModule2 &dataModule) override;
};

} // namespace lynvar
