// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Page.h"

class QGroupBox;
class QTextEdit;
class QWidget;

namespace lynvar {

class DBGrid;
class DBRichEdit;
class PictureView;
class TDataModule2;

// The controls of the cookery page: the recipe list, its picture and the recipe. They are made the first time
// the page is needed.
class KuhnyaPage final : public Page
{
    Q_OBJECT
public:
    KuhnyaPage(QWidget *TabKuhnya, AppServices &services);

    QWidget *TabKuhnya = nullptr;
    QGroupBox *GroupBoxKuhnyaName = nullptr;
    DBGrid *DBGridKuhnyaName = nullptr;
    PictureView *ImageKuhnyaSmall = nullptr;
    DBRichEdit *DBRichEditKuhnya = nullptr;
    // Never shown: turns stored rich text into plain text for the recipe and joke titles.
    QTextEdit *RichEditTemp = nullptr;

protected:
    void build() override;
    void bind(TDataModule2 &dataModule) override;
};

} // namespace lynvar
