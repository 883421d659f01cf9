// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Page.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QAction;
class QLineEdit;
class QMenu;
class QPushButton;
class QSplitter;
class QTabWidget;
class QWidget;

namespace lynvar {

class DBGrid;
class DBRichEdit;
class DBText;
class PictureView;
class TDataModule2;

// The controls of the fish page: the filter bar, the fish list, the fish card, the classification
// table. They are made the first time the page is needed.
class FishPage final : public Page
{
    Q_OBJECT
public:
    FishPage(QWidget *TabFish, AppServices &services);

    QWidget *TabFish = nullptr;

    // The filter bar. Each filter kind carries its field name as item data.
    QGroupBox *GroupBoxFiltr = nullptr;
    QLabel *LabelVybirFiltr = nullptr;
    QComboBox *ComboBoxFiltr = nullptr;
    QLabel *LabelParamFiltr = nullptr;
    QComboBox *ComboBoxFish = nullptr;
    QPushButton *Button1 = nullptr;
    QLineEdit *lapky = nullptr; // hidden; holds the double quote the filter texts need
    QSplitter *Splitter2 = nullptr;

    QTabWidget *PageControlFish = nullptr;
    QWidget *TabSpysokFish = nullptr;
    QWidget *TabClassFish = nullptr;

    // "Список риб": the list with the small photo, and the card.
    QGroupBox *GroupBoxFishNameUkr = nullptr;
    DBGrid *DBGridFish = nullptr;
    PictureView *ImageFotoSmallFish = nullptr;
    QTabWidget *PageControlOpysFish = nullptr;
    QWidget *TabSheetOpys = nullptr;
    QWidget *TabSheetFoto = nullptr;

    // The classification panel: per rank its label, its name in the content language, " (", the
    // Latin name and " ) ". Ma and Dl name the weight and length; the card does not show them.
    QFrame *PanelClass = nullptr;
    QLabel *Cl = nullptr, *Or = nullptr, *Fa = nullptr, *Ge = nullptr, *Sp = nullptr, *Ma = nullptr,
           *Dl = nullptr;
    DBText *CUkr = nullptr, *OUkr = nullptr, *FUkr = nullptr, *GUkr = nullptr, *SUkr = nullptr;
    DBText *CLat = nullptr, *OLat = nullptr, *FLat = nullptr, *GLat = nullptr, *SLat = nullptr;
    QLabel *C1 = nullptr, *C2 = nullptr, *O1 = nullptr, *O2 = nullptr, *F1 = nullptr, *F2 = nullptr,
           *G1 = nullptr, *G2 = nullptr, *S1 = nullptr, *S2 = nullptr;

    DBRichEdit *DBRichEditFishOpys = nullptr;
    PictureView *ImageFotoFish = nullptr;

    // "Таблиця біологічної класифікації".
    DBGrid *DBGridFishAll = nullptr;

    QMenu *PopupMenu1 = nullptr;
    QAction *N1 = nullptr;
    QAction *N2 = nullptr;

protected:
    void build() override;
    void bind(TDataModule2 &dataModule) override;

private:
    void buildFilterBar();
    void buildFishList();
    void buildCard();
    void buildClassPanel();
    void buildClassTable();
};

} // namespace lynvar
