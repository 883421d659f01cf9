// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QGroupBox;
class QSplitter;
class QWidget;

namespace lynvar {

class DBGrid;
class DBRichEdit;
class TDataModule2;

// The controls of the fishing methods page: methods, rigs and baits with their texts, side by side.
// The rig and bait lists follow the current method through the data module's master-detail links.
// They are made with the main window and bound to the data module's data sources once it exists.
class SposobyPage final : public QObject
{
    Q_OBJECT
public:
    explicit SposobyPage(QWidget *TabSposoby);

    void bind(TDataModule2 &dataModule);

    QWidget *TabSposoby;
    QSplitter *Splitter5; // between the methods and the rigs
    QSplitter *Splitter7; // between the rigs and the baits
    QGroupBox *GroupBoxSnast;
    DBGrid *DBGridSnast;
    DBRichEdit *DBRichEditSposib;
    QGroupBox *GroupBoxOsnastka;
    DBGrid *DBGridOsnastka;
    DBRichEdit *DBRichEditOsnastka;
    QGroupBox *GroupBoxNazhyvka;
    DBGrid *DBGridNazhyvka;
    DBRichEdit *DBRichEditNazhyvka;
};

} // namespace lynvar
