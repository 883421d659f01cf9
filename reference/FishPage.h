// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Page.h"

#include <QStringList>

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
class DataSet;
class PictureSlot;
class PictureView;
class TDataModule2;

// The fish page: the filter bar, the fish list, the fish card, the classification table, and their
// handlers. Both grids, the card and the fish choice dialog show the one fish table, so the order and
// the filter set here hold for all of them. The controls are made the first time the page is needed.
class FishPage final : public Page
{
    Q_OBJECT
public:
    FishPage(QWidget *TabFish, AppServices &services);

    // A title click sorts the fish table by that column: ascending, then each further click on the
    // same column toggles the direction.
    void DBGridFishTitleClick(int column);
    void DBGridFishAllTitleClick(int column);
    // A filter kind was picked: the filter goes off and the value list offers every distinct value of
    // the kind's field; the first fish becomes current.
    void ComboBoxFiltrChange();
    // A value was picked: only the fish with that value show.
    void ComboBoxFishChange();
    // "X": the filter goes off; both lists keep their choice.
    void Button1Click();

    // The card refresh: classification lines, small photo, photo 1 (or the placeholder).
    void DBRichEditFishOpysChange();
    // Shows the next photo of the current fish, from 1 again after the last.
    void ImageFotoFishClick();
    // Turns the card to "Фото".
    void ImageFotoSmallFishDblClick();
    // Copies the current fish's classification; pastes it into the current fish and posts it.
    void N1Click();
    void N2Click();

    // The fields N1Click copies, in their order.
    static const QStringList &classificationFields();

    // The number of the photo the next click shows; the main window sets it to 1 when first shown.
    int FotoFishIndex = 0;
    // The classification N1Click copied, in the order of classificationFields(); empty until then.
    QStringList ClassCopy;

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

    // "Таблиця біологічної класифікації": made when its tab is first shown.
    DBGrid *DBGridFishAll = nullptr;

    QMenu *PopupMenu1 = nullptr;
    QAction *N1 = nullptr;
    QAction *N2 = nullptr;

protected:
    void build() override;
    void bind(TDataModule2 &dataModule) override;
    void refreshViews() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DataSet *fishTable() const;
    QString currentSpecies() const;
    QString photoFile(const QString &species, int number) const;
    QString placeholderFile() const;
    void sortByTitle(const QString &field);

    void buildFilterBar();
    void buildFishList();
    void buildCard();
    void buildClassPanel();
    void buildClassTable();
    void connectHandlers();

    PictureSlot *m_smallPhoto = nullptr;
    PictureSlot *m_bigPhoto = nullptr;
    bool m_cardStale = false; // the current fish changed while the page was hidden
};

} // namespace lynvar
