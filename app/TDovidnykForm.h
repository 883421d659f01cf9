// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;
class QTabWidget;
class QToolBar;
class QToolButton;

namespace lynvar {

class IniFile;
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

    // Selects a page without recording it: only the user's own choice of a page is remembered.
    void showPage(int index);

    // The knot picture panel keeps a 13 : 17 upright shape: its width for a given height.
    static int knotPanelWidth(int height) { return height * 13 / 17; }

    QString ProgramFolder;
    int FotoFishIndex = 0;
    int FotoAnecdotIndex = 0;

    QToolBar *ToolBar1 = nullptr;
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
    QMenu *MenuFile = nullptr;
    QMenu *MenuSettings = nullptr;
    QMenu *MenuLanguages = nullptr;
    QAction *MenuExit = nullptr;
    QAction *MenuUkranian = nullptr;
    QAction *MenuRussian = nullptr;
    QList<QLabel *> StatusPanels;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildPages();
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void setContentLanguage(bool ukrainian);

    IniFile &m_settings;
    UserDialogs &m_dialogs;
    TDataModule2 *m_dataModule = nullptr;
    bool m_shown = false;
};

} // namespace lynvar
