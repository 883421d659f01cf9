// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Page.h"

class QGroupBox;
class QWidget;

namespace lynvar {

class DBGrid;
class DBRichEdit;
class TDataModule2;

// The controls of the dictionary page: the word list and its explanation. They are made the first time the
// page is needed.
class SlovnykPage final : public Page
{
    Q_OBJECT
public:
    SlovnykPage(QWidget *TabSlovnyk, AppServices &services);

    QWidget *TabSlovnyk = nullptr;
    QGroupBox *GroupBoxRybalkaName = nullptr;
    DBGrid *DBGridRybalkaName = nullptr;
    DBRichEdit *DBRichEditRybalkaOpys = nullptr;

protected:
    void build() override;
    void bind(TDataModule2 &dataModule) override;
};

} // namespace lynvar
