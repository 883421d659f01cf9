// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Page.h"

class QGroupBox;
class QSplitter;
class QWidget;

namespace lynvar {

class DBGrid;
class DBRichEdit;
class PictureView;
class TDataModule2;

// The controls of the jokes page: the joke list, the joke and its picture. They are made the first time the
// page is needed.
class AnecdotPage final : public Page
{
    Q_OBJECT
public:
    AnecdotPage(QWidget *TabAnecdot, AppServices &services);

    QWidget *TabAnecdot = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    DBGrid *DBGridAnecdot = nullptr;
    QSplitter *Splitter3 = nullptr;
    DBRichEdit *DBRichEditAnecdot = nullptr;
    PictureView *Image2 = nullptr;

protected:
    void build() override;
    void bind(TDataModule2 &dataModule) override;
};

} // namespace lynvar
