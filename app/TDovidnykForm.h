// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ImageList.h"
#include "app/PageRegistry.h"
#include "controls/OnFirstUse.h"

#include <QMainWindow>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QTabWidget;
class QToolBar;
class QToolButton;

namespace lynvar {

struct AppServices;
class IniFile;
class MaintenanceCommands;
class StandardActionList;
class TDataModule2;
class TFormAbout;
class TFormOptions;
class HandbookSearch;
class HandbookSearchBox;
class HandbookSearchCommands;
class RichTextCommands;
class StandardActionList;
class TDataModule2;
struct SearchHit;

// The main window: composition root of the nine pages, the menus and the tool bar, and owner of
// the state several pages share. Each page's behaviour lives in its own subsystem's folder.
class TDovidnykForm final : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr int PageCount = 9;
    static constexpr int LayoutPageIndex = 2; // "Види риб"

    // `settings` and `services` outlive the window.
    TDovidnykForm(IniFile &settings, AppServices &services, QWidget *parent = nullptr);
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
    // The language entry points.
    void MenuUkranianClick();
    void MenuRussianClick();

    // Main-menu commands whose work belongs to a page or another window forward to it here.
    // --- handbook
    void ToolButtonFontClick();
    void MenuFontPasteClick();
    void MenuFontInstallClick();
    void ToolButtonImportAnecdotClick();
    // Shows the page of a record the handbook search found and makes the record current.
    void openSearchHit(const SearchHit &hit);
    // The search over the reference database, made when first needed.
    HandbookSearch &handbookSearch();
    // The font commands and their state (the last entered rich-text view, the two dialog fonts).
    RichTextCommands *RichText = nullptr;
    QAction *MenuExportAnecdot = nullptr;
    HandbookSearchBox *EditHandbookSearch = nullptr;
    // --- diary
    // --- places
    // --- maintenance
    void MenuSaveBDClick();
    void MenuBackupBDClick();
    void MenuRestoreBDClick();
    void MenuCreateFileClick();
    void MenuOptionsClick();
    void MenuDownloadClick();
    void MenuLynvarNetClick();
    void MenuNewVersionClick();
    void MenuAboutClick();
    QAction *MenuRestoreBD = nullptr;
    MaintenanceCommands &maintenance() { return *m_maintenance; }
    // The windows the maintenance commands show, once they can be made.
    void setMaintenanceDialogs(OnFirstUse<TFormOptions> *options, OnFirstUse<TFormAbout> *about);
    // --- languages

    // Selects a page without recording it: only the user's own choice of a page is remembered.
    void showPage(int index);

    // The knot picture panel keeps a 13 : 17 upright shape: its width for a given height.
    static int knotPanelWidth(int height) { return height * 13 / 17; }

    QString ProgramFolder;

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

    // The pages, each the owner of its controls and handlers, in tab order.
    PageRegistry &pages() { return m_pages; }
    template <typename T> T *page() const { return m_pages.find<T>(); }
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

    QList<QLabel *> StatusPanels;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildPages();
    // The bars, in MainWindowBars.cpp.
    void buildActions();
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void connectDiaryCommands();
    void pageShown(int index);
    void setContentLanguage(bool ukrainian);
    void connectMaintenanceCommands();
    // --- handbook
    void connectHandbookCommands();
    HandbookSearchCommands *m_search = nullptr;
    void connectPlacesCommands();

    IniFile &m_settings;
    AppServices &m_services;
    PageRegistry m_pages;
    TDataModule2 *m_dataModule = nullptr;
    bool m_shown = false;
    std::unique_ptr<MaintenanceCommands> m_maintenance;
    OnFirstUse<TFormOptions> *m_formOptions = nullptr;
};

} // namespace lynvar
