// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/OnFirstUse.h"
#include "maintenance/MaintenanceTexts.h"

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace lynvar {

struct AppServices;
class IniFile;
class TDataModule2;
class TFormAbout;

// The main menu's maintenance commands: save, backup and restore of the databases, the per-fish
// marker files, the maker's links, the version check and the About window. The main window
// forwards each menu item here. The work itself lives in classes that need no window (Backup,
// Restore, VersionCheck, MarkerFiles), so the command line runs the same code.
class MaintenanceCommands final
{
public:
    // `window` is the owner of the progress dialog; `dataModule` gives the data module when a
    // command runs. Every reference outlives the commands.
    MaintenanceCommands(QWidget *window, IniFile &settings, AppServices &services,
                        std::function<TDataModule2 *()> dataModule);

    void setAboutWindow(OnFirstUse<TFormAbout> *about) { m_about = about; }
    // The archiver to run instead of the one found in the program folder or on the PATH.
    void setArchiver(const QString &path) { m_archiver = path; }

    void MenuSaveBDClick();
    void MenuBackupBDClick();
    void MenuRestoreBDClick();
    void MenuCreateFileClick();
    void MenuDownloadClick();
    void MenuLynvarNetClick();
    void MenuNewVersionClick();
    void MenuAboutClick();

    MaintenanceTexts texts;

private:
    TDataModule2 &data() const;
    QString programFolder() const;
    // What the focused control holds and has not written into its record yet.
    static void takeUnwrittenInput();

    QWidget *m_window;
    IniFile &m_settings;
    AppServices &m_services;
    std::function<TDataModule2 *()> m_dataModule;
    OnFirstUse<TFormAbout> *m_about = nullptr;
    std::optional<QString> m_archiver;
};

} // namespace lynvar
