// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ImageList.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QTabWidget;
class QToolBar;
class QToolButton;

namespace lynvar {

class AnecdotPage;
class FishMapPage;
class FishPage;
class IniFile;
class KuhnyaPage;
class RivePage;
class SchodennykPage;
class SlovnykPage;
class SposobyPage;
class VuzlyPage;
class StandardActionList;
class TDataModule2;
class UserDialogs;

// The main window: composition root of the nine pages, the menus and the tool bar, and owner of
// the state several pages share. Each page's behaviour lives in its own subsystem's folder.
class TDovidnykForm final : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr int PageCount = 9;
    static constexpr int LayoutPageIndex = 2; // "Види риб"

    TDovidnykForm(IniFile &settings, UserDialogs &dialogs, QWidget *parent = nullptr);
    ~TDovidnykForm() override;

    // The data module comes into being after the main window; its hooks then reach the window.
    void setDataModule(TDataModule2 *dataModule);
    TDataModule2 *dataModule() const { return m_dataModule; }

    // Handlers of the window's own events.
    void FormCreate(const QString &programFolder);
    void FormShow();
    void FormResize();
    void PageControlGeneralChange();
    void MenuExitClick();
    void MenuUkranianClick();
    void MenuRussianClick();
    void SchodennykTableAfterScroll();

    // Handlers of the menus and the tool bar whose work belongs to a page or another window.
    void MenuFontPasteClick();
    void MenuFontInstallClick();
    void ToolButtonFontClick();
    void MenuSaveBDClick();
    void MenuBackupBDClick();
    void MenuCreateFileClick();
    void MenuLangVygruzClick();
    void MenuOptionsClick();
    void MenuDownloadClick();
    void MenuLynvarNetClick();
    void MenuNewVersionClick();
    void MenuAboutClick();
    void ToolButtonImportAnecdotClick();
    void MenuRybalyvYesClick();
    void MenuRybalyvNoClick();
    void MenuAddMisceLovuClick();
    void MenuListEditClick();
    void N1Click();
    void N2Click();

    // Selects a page without recording it: only the user's own choice of a page is remembered.
    void showPage(int index);

    // The knot picture panel keeps a 13 : 17 upright shape: its width for a given height.
    static int knotPanelWidth(int height) { return height * 13 / 17; }

    QString ProgramFolder;
    int FotoFishIndex = 0;
    int FotoAnecdotIndex = 0;

    // The tool bar's pictures, and the places list's two status pictures.
    ImageList ImageList1;
    ImageList ImageList2;
    StandardActionList *ActionList1 = nullptr;

    QToolBar *ToolBar1 = nullptr;
    QToolButton *ToolButtonInsert = nullptr;
    QToolButton *ToolButtonEdit = nullptr;
    QToolButton *ToolButtonPost = nullptr;
    QToolButton *ToolButtonBold = nullptr;
    QToolButton *ToolButtonItalic = nullptr;
    QToolButton *ToolButtonUnderline = nullptr;
    QToolButton *ToolButtonLeft = nullptr;
    QToolButton *ToolButtonCenter = nullptr;
    QToolButton *ToolButtonRight = nullptr;
    QToolButton *ToolButtonPaste = nullptr;
    QToolButton *ToolButtonCopy = nullptr;
    QToolButton *ToolButtonCut = nullptr;
    QToolButton *ToolButtonFont = nullptr;
    QToolButton *ToolButtonImportAnecdot = nullptr;
    QToolButton *ToolButtonVidget = nullptr;
    QToolButton *ToolButtonUA = nullptr;
    QToolButton *ToolButtonRU = nullptr;
    QTabWidget *PageControlGeneral = nullptr;
    QWidget *TabFishMap = nullptr;
    QWidget *TabSchodennyk = nullptr;
    QWidget *TabFish = nullptr;
    QWidget *TabVuzly = nullptr;
    QWidget *TabRive = nullptr;
    QWidget *TabSlovnyk = nullptr;
    QWidget *TabKuhnya = nullptr;
    QWidget *TabAnecdot = nullptr;
    QWidget *TabSposoby = nullptr;
    QWidget *Panel3 = nullptr;

    // The pages' own controls and handlers.
    FishMapPage *fishMapPage = nullptr;
    SchodennykPage *schodennykPage = nullptr;
    FishPage *fishPage = nullptr;
    VuzlyPage *vuzlyPage = nullptr;
    RivePage *rivePage = nullptr;
    SlovnykPage *slovnykPage = nullptr;
    KuhnyaPage *kuhnyaPage = nullptr;
    AnecdotPage *anecdotPage = nullptr;
    SposobyPage *sposobyPage = nullptr;
    // The main menu. A sub-menu is a QMenu of the item's name; every other item a QAction.
    QMenuBar *MainMenu1 = nullptr;
    QMenu *MenuFile = nullptr;
    QAction *MenuInsert = nullptr;
    QAction *MenuEdit = nullptr;
    QAction *MenuPost = nullptr;
    QAction *MenuExit = nullptr;
    QMenu *MenuPravka = nullptr;
    QAction *MenuCopy = nullptr;
    QAction *MenuPaste = nullptr;
    QAction *MenuCut = nullptr;
    QMenu *MenuFormat = nullptr;
    QAction *MenuBold = nullptr;
    QAction *MenuItalic = nullptr;
    QAction *MenuUnderline = nullptr;
    QAction *MenuAlignLeft = nullptr;
    QAction *MenuCenter = nullptr;
    QAction *MenuAlignRight = nullptr;
    QAction *MenuSelectAll = nullptr;
    QAction *MenuFontPaste = nullptr;
    QAction *MenuFontInstall = nullptr;
    QAction *MenuFontFormat = nullptr;
    QMenu *MenuSettings = nullptr;
    QAction *MenuSaveBD = nullptr;
    QAction *MenuBackupBD = nullptr;
    QAction *MenuCreateFile = nullptr;
    QAction *MenuLangVygruz = nullptr;
    QMenu *MenuLanguages = nullptr;
    QAction *MenuUkranian = nullptr;
    QAction *MenuRussian = nullptr;
    QAction *MenuOptions = nullptr;
    QMenu *MenuDovidka = nullptr;
    QAction *MenuDownload = nullptr;
    QAction *MenuLynvarNet = nullptr;
    QAction *MenuNewVersion = nullptr;
    QAction *MenuAbout = nullptr;

    // Pop-up menus; the pages attach them to their lists.
    QMenu *PopupMenuGridMap = nullptr;
    QMenu *MenuRybalyv = nullptr;
    QAction *MenuRybalyvYes = nullptr;
    QAction *MenuRybalyvNo = nullptr;
    QMenu *PopupMenuSchodennyk = nullptr;
    QAction *MenuAddMisceLovu = nullptr;
    QMenu *PopupMenuEdit = nullptr;
    QAction *MenuListEdit = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QAction *N1 = nullptr;
    QAction *N2 = nullptr;
    QList<QLabel *> StatusPanels;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildPages();
    void buildActions();
    void buildMenus();
    void buildPopupMenus();
    void buildToolBar();
    void buildStatusBar();
    void attachPopupMenus();
    void setContentLanguage(bool ukrainian);

    IniFile &m_settings;
    UserDialogs &m_dialogs;
    TDataModule2 *m_dataModule = nullptr;
    bool m_shown = false;
};

} // namespace lynvar
