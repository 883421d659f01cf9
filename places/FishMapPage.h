// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Page.h"

#include <QPixmap>
#include <QStringList>
#include <functional>
#include <optional>

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
class DataSet;
class DBEdit;
class DBGrid;
class DBMemo;
class DBRichEdit;
class TDataModule2;
class WeatherLinks;
class WebView;
struct DBGridCell;

// The controls of the fishing places page: the places list, the map, the place's details. They are made the
// first time the page is needed.
//
//   +- GroupBoxSpysok -+- GroupBoxMap ------------------------------+
//   | places list      | WebBrowser1Host: the map, weather pages   |
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

    // The page files, in the program folder.
    static QString mapFile(const QString &programFolder);
    static QString allPlacesFile(const QString &programFolder);

    // --- what the main window and the application give the page
    // The two pictures of the fished-or-not column: not fished, fished.
    void setStatusPictures(const QPixmap &unticked, const QPixmap &ticked);
    // Whether the content language is Russian; Ukrainian when not given.
    void setRussianContent(std::function<bool()> isRussian);
    // The interface language file's message texts by key; empty when not given.
    void setMessageTexts(std::function<QString(const QString &key)> messageText);
    // Lets the user choose the fish found at the current place; gives their Ukrainian names, or
    // nothing when the user closed the choice without choosing. Without one, "Добавити види риб"
    // does nothing.
    using FishChoice = std::function<std::optional<QStringList>()>;
    void setFishChoice(FishChoice choose);

    // Stores the fish found at the current place, one name a line.
    void storePlaceFish(const QStringList &names);

    // --- handlers
    void DBGridMapDrawColumnCell(const DBGridCell &cell);
    void DBGridMapTitleClick(int column);
    void MenuRybalyvYesClick();
    void MenuRybalyvNoClick();
    void GroupBoxKoordynatyDblClick();
    void ButtonFishMapAddFishClick();
    void FishMapTableAfterScroll();
    void MenuListEditClick();
    void ButtonViewMapClick();
    void ButtonViewAllMapClick();
    void ButtonShowSinoptikClick();
    void ButtonShowMeteoClick();
    void ButtonShowRp5Click();
    void ButtonGetSinoptikClick();
    void ButtonGetMeteoClick();

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
    QPushButton *ButtonViewAllMap = nullptr;

    QGroupBox *GroupBoxMap = nullptr;
    // Starting a web view costs a browser engine, so none exists at start-up: the map view
    // (WebBrowser1) is made inside this empty container the first time a page is shown.
    QWidget *WebBrowser1Host = nullptr;
    WebView *WebBrowser1 = nullptr;
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
    QAction *MenuViewAllMap = nullptr;
    QMenu *PopupMenuEdit = nullptr;
    QAction *MenuListEdit = nullptr;

protected:
    void build() override;
    void bind(TDataModule2 &dataModule) override;
    void connectHooks(TDataModule2 &dataModule) override;
    void refreshViews() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildPlacesList();
    QWidget *buildCoordinates();
    QWidget *buildMap();
    QWidget *buildOptions();
    QWidget *buildWeatherSites();
    QWidget *buildFish();
    QWidget *buildDescription();
    void buildPopupMenus();
    void connectHandlers();

    DataSet &places() const;
    WeatherLinks weatherLinks() const;
    QString messageText(const char *key) const;
    WebView &webView();
    void showPage(const QString &path);
    void showAddress(const QString &address);
    void markFished(bool fished);
    void choosePlace(qint64 id);

    QPixmap m_unticked;
    QPixmap m_ticked;
    std::function<bool()> m_isRussian;
    std::function<QString(const QString &)> m_messageText;
    FishChoice m_chooseFish;
};

} // namespace lynvar
