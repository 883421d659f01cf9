// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
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
// table. They are made with the main window and bound to the data module's data sources once it
// exists.
class FishPage final : public QObject
{
    Q_OBJECT
public:
    explicit FishPage(QWidget *TabFish);

    void bind(TDataModule2 &dataModule);

    QWidget *TabFish;

    // The filter bar. Each filter kind carries its field name as item data.
    QGroupBox *GroupBoxFiltr;
    QLabel *LabelVybirFiltr;
    QComboBox *ComboBoxFiltr;
    QLabel *LabelParamFiltr;
    QComboBox *ComboBoxFish;
    QPushButton *Button1;
    QLineEdit *lapky; // hidden; holds the double quote the filter texts need
    QSplitter *Splitter2;

    QTabWidget *PageControlFish;
    QWidget *TabSpysokFish;
    QWidget *TabClassFish;

    // "Список риб": the list with the small photo, and the card.
    QGroupBox *GroupBoxFishNameUkr;
    DBGrid *DBGridFish;
    PictureView *ImageFotoSmallFish;
    QTabWidget *PageControlOpysFish;
    QWidget *TabSheetOpys;
    QWidget *TabSheetFoto;

    // The classification panel: per rank its label, its name in the content language, " (", the
    // Latin name and " ) ". Ma and Dl name the weight and length; the card does not show them.
    QFrame *PanelClass;
    QLabel *Cl, *Or, *Fa, *Ge, *Sp, *Ma, *Dl;
    DBText *CUkr, *OUkr, *FUkr, *GUkr, *SUkr;
    DBText *CLat, *OLat, *FLat, *GLat, *SLat;
    QLabel *C1, *C2, *O1, *O2, *F1, *F2, *G1, *G2, *S1, *S2;

    DBRichEdit *DBRichEditFishOpys;
    PictureView *ImageFotoFish;

    // "Таблиця біологічної класифікації".
    DBGrid *DBGridFishAll;

private:
    void buildFilterBar();
    void buildFishList();
    void buildCard();
    void buildClassPanel();
    void buildClassTable();
};

} // namespace lynvar
