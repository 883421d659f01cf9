// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Page.h"

class QGroupBox;
class QLabel;
class QAction;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace lynvar {

class DBCheckBox;
class DBComboBox;
class DBEdit;
class DBGrid;
class DBMemo;
class DBRichEdit;
class TDataModule2;

// The controls of the fishing places page: the places list, the map, the place's details. They are made the
// first time the page is needed.
//
//   +- GroupBoxSpysok -+- GroupBoxMap ------------------------------+
//   | places list      | WebBrowser1Host (the map view comes later) |
//   | coordinates      |                                            |
//   | ButtonViewMap    |                                            |
//   +- PanelFishMapOther -------------------------------------------+
//   | GroupBoxMapOptions (place, fee, weather sites) | fish | text  |
//   +---------------------------------------------------------------+
class FishMapPage final : public Page
{
    Q_OBJECT
public:
    FishMapPage(QWidget *TabFishMap, AppServices &services);

    QWidget *TabFishMap = nullptr;

    QGroupBox *GroupBoxSpysok = nullptr;
    DBGrid *DBGridMap = nullptr;
    QGroupBox *GroupBoxKoordynaty = nullptr;
    QWidget *PanelKoordynaty = nullptr;
    QLabel *LabelLng = nullptr;
    DBEdit *DBEdit3 = nullptr;
    QLabel *LabelLat = nullptr;
    DBEdit *DBEdit4 = nullptr;
    QLabel *LabelDoroga = nullptr;
    DBMemo *DBMemo1 = nullptr;
    QPushButton *ButtonViewMap = nullptr;

    QGroupBox *GroupBoxMap = nullptr;
    // Starting a web view costs a browser engine, so none exists at start-up: the map view
    // (WebBrowser1) is made inside this empty container the first time a page is shown.
    QWidget *WebBrowser1Host = nullptr;
    QPlainTextEdit *MemoHTML = nullptr;

    QWidget *PanelFishMapOther = nullptr;
    QGroupBox *GroupBoxMapOptions = nullptr;
    QLabel *LabelTypVodoymy = nullptr;
    DBComboBox *DBComboBox1 = nullptr;
    QLabel *LabelNameVodoymy = nullptr;
    DBEdit *DBEdit2 = nullptr;
    QLabel *LabelMapSelo = nullptr;
    DBEdit *DBEdit8 = nullptr;
    QLabel *LabelDateMap = nullptr;
    DBEdit *DBEdit1 = nullptr;
    DBCheckBox *DBCheckBoxOplata = nullptr;
    DBMemo *DBMemoOplata = nullptr;
    QLabel *LabelOplataKontakt = nullptr;
    DBMemo *DBMemo3 = nullptr;

    QGroupBox *GroupBoxFishMapPogoda = nullptr;
    QLabel *LabelRp5ID = nullptr;
    DBEdit *DBEditRp5IDMisto = nullptr;
    QPushButton *ButtonShowRp5 = nullptr;
    QLabel *LabelRp5Stanciya = nullptr;
    DBEdit *DBEditRp5IDStanciya = nullptr;
    QLabel *LabelSinoptik = nullptr;
    DBEdit *DBEditSinoptik = nullptr;
    QPushButton *ButtonShowSinoptik = nullptr;
    QPushButton *ButtonGetSinoptik = nullptr;
    QLabel *LabelMeteo = nullptr;
    DBEdit *DBEditMeteo = nullptr;
    QPushButton *ButtonShowMeteo = nullptr;
    QPushButton *ButtonGetMeteo = nullptr;

    QGroupBox *GroupBoxFishMapFish = nullptr;
    QListWidget *ListBoxFish = nullptr;
    DBMemo *DBMemoFish = nullptr;
    QPushButton *ButtonFishMapAddFish = nullptr;

    QGroupBox *GroupBoxMapOpys = nullptr;
    DBRichEdit *DBRichOpys = nullptr;

    // The places list's pop-up menu, and the fish list memo's (the memo stays hidden).
    QMenu *PopupMenuGridMap = nullptr;
    QMenu *MenuRybalyv = nullptr;
    QAction *MenuRybalyvYes = nullptr;
    QAction *MenuRybalyvNo = nullptr;
    QMenu *PopupMenuEdit = nullptr;
    QAction *MenuListEdit = nullptr;

protected:
    void build() override;
    void bind(TDataModule2 &dataModule) override;

private:
    QWidget *buildPlacesList();
    QWidget *buildCoordinates();
    QWidget *buildMap();
    QWidget *buildOptions();
    QWidget *buildWeatherSites();
    QWidget *buildFish();
    QWidget *buildDescription();
    void buildPopupMenus();
};

} // namespace lynvar
