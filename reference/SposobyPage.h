// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Page.h"

class QGroupBox;
class QSplitter;
class QWidget;

namespace lynvar {

class DBGrid;
class DBRichEdit;
class TDataModule2;

// The controls of the fishing methods page: methods, rigs and baits with their texts, side by side.
// The rig and bait lists follow the current method through the data module's master-detail links.
// They are made the first time the page is needed.
class SposobyPage final : public Page
{
    Q_OBJECT
public:
    SposobyPage(QWidget *TabSposoby, AppServices &services);

    QWidget *TabSposoby = nullptr;
    QSplitter *Splitter5 = nullptr; // between the methods and the rigs
    QSplitter *Splitter7 = nullptr; // between the rigs and the baits
    QGroupBox *GroupBoxSnast = nullptr;
    DBGrid *DBGridSnast = nullptr;
    DBRichEdit *DBRichEditSposib = nullptr;
    QGroupBox *GroupBoxOsnastka = nullptr;
    DBGrid *DBGridOsnastka = nullptr;
    DBRichEdit *DBRichEditOsnastka = nullptr;
    QGroupBox *GroupBoxNazhyvka = nullptr;
    DBGrid *DBGridNazhyvka = nullptr;
    DBRichEdit *DBRichEditNazhyvka = nullptr;

protected:
    void build() override;
    void bind(TDataModule2 &dataModule) override;
};

} // namespace lynvar
