// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Page.h"

class QGroupBox;
class QTextEdit;
class QWidget;

namespace lynvar {

class DBGrid;
class DBRichEdit;
class PictureSlot;
class PictureView;
class TDataModule2;

// The cookery page: the recipe list, its picture and the recipe. The controls are made the first time the
// page is needed.
class KuhnyaPage final : public Page
{
    Q_OBJECT
public:
    KuhnyaPage(QWidget *TabKuhnya, AppServices &services);

    // The recipe picture step: the picture named after the recipe's ID, else the cookery placeholder.
    void DBRichEditKuhnyaChange();

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
    void refreshViews() override;

private:
    PictureSlot *m_picture = nullptr;
};

} // namespace lynvar
