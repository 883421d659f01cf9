// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/IniFile.h"

#include <QString>
#include <memory>

namespace lynvar {

class TDataModule2;
class TDovidnykForm;
class TEditSchodennykForm;
class TFormAbout;
class TFormBrowser;
class TFormFish;
class TFormImportExport;
class TFormOptions;
class TFormSposobyLovu;
class UserDialogs;

// One run of the program in one program folder: the settings, the main window, the data module
// and the dialogs, made in the start-up order and released in reverse. Tests make and destroy
// many of these in one process.
class LynvarApplication final
{
public:
    LynvarApplication(const QString &programFolder, UserDialogs &dialogs);
    ~LynvarApplication();

    // Creates the windows and the data module; a failing step is shown and start-up goes on.
    void create();
    // Shows the main window maximised, which runs its show handler.
    void showMainWindow();

    const QString &programFolder() const { return m_programFolder; }
    IniFile &settings() { return m_formSettings; }

    TDovidnykForm *DovidnykForm = nullptr;
    TDataModule2 *DataModule2 = nullptr;
    TFormImportExport *FormImportExport = nullptr;
    TFormAbout *FormAbout = nullptr;
    TFormSposobyLovu *FormSposobyLovu = nullptr;
    TFormFish *FormFish = nullptr;
    TEditSchodennykForm *EditSchodennykForm = nullptr;
    TFormBrowser *FormBrowser = nullptr;
    TFormOptions *FormOptions = nullptr;

private:
    QString m_programFolder;
    UserDialogs &m_dialogs;
    // Two settings objects on one file, as the windows and the data module each have their own;
    // every read and write goes to the file, so they never disagree.
    IniFile m_formSettings;
    IniFile m_dataSettings;
};

} // namespace lynvar
