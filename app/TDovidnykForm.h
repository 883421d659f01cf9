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
class InterfaceLanguage;
class MaintenanceCommands;
class DataSet;
class StandardActionList;
class TDataModule2;
class TEditSchodennykForm;
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
    // Closing stores every edit not yet stored first; an edit the database refuses is offered to go
    // back to. Closing this way asks nothing: a refused edit is dropped and reported on stderr.
    void closeWithoutAsking();
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
    // The entry editor: closing stores the entry it has open as its "Ok" does.
    void setEntryEditor(OnFirstUse<TEditSchodennykForm> *editor) { m_entryEditor = editor; }
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
    void ApplyLanguageFile(const QString &relativePath);
    void MenuLangVygruzClick();
    InterfaceLanguage &language() { return *m_language; }

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
    void closeEvent(QCloseEvent *event) override;

private:
    void buildPages();
    // The bars, in MainWindowBars.cpp.
    void buildActions();
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void connectDiaryCommands();
    void pageShown(int index);
    void connectLanguageCommands();
    void connectMaintenanceCommands();
    // --- handbook
    void connectHandbookCommands();
    HandbookSearchCommands *m_search = nullptr;
    void connectPlacesCommands();

    // Closing.
    enum class OnRefusal
    {
        Ask,
        Drop
    };
    // Stores the open entry editor's entry, the focused control's unwritten input and every data
    // set's edit; false when the user chose to go back to a refused edit.
    bool storePendingEdits(OnRefusal onRefusal);
    // After `dataSet` (null: unknown) refused to store an edit: true to close without it, its edit
    // cancelled; false to go back to it, its page shown.
    bool dropRefused(DataSet *dataSet, const QString &what, const QString &reason, OnRefusal onRefusal);
    // The page whose controls show `dataSet`, or -1.
    int pageShowing(const DataSet &dataSet) const;
    OnFirstUse<TEditSchodennykForm> *m_entryEditor = nullptr;
    bool m_askOnClose = true;

    IniFile &m_settings;
    AppServices &m_services;
    PageRegistry m_pages;
    TDataModule2 *m_dataModule = nullptr;
    bool m_shown = false;
    std::unique_ptr<MaintenanceCommands> m_maintenance;
    std::unique_ptr<InterfaceLanguage> m_language;
    OnFirstUse<TFormOptions> *m_formOptions = nullptr;
};

} // namespace lynvar
