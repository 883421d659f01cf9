// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/AppServices.h"
#include "common/IniFile.h"
#include "controls/OnFirstUse.h"

#include <QDate>
#include <QString>

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

// One run of the program in one program folder: the settings, the main window, the data module
// and the dialogs, made in the start-up order and released in reverse. The dialogs are made the
// first time they are needed and kept until the end. Tests make and destroy many of these in one
// process.
class LynvarApplication final
{
public:
    // `services` names the outside world; its members outlive the application.
    LynvarApplication(const QString &programFolder, const AppServices &services);
    ~LynvarApplication();

    // Creates the main window and the data module; a failing step is shown and start-up goes on.
    void create();
    // Shows the main window maximised, which runs its show handler.
    void showMainWindow();
    // Closes as "Вихід" does but asks nothing (a refused edit is dropped and reported on stderr),
    // and ends the event loop, also from inside a dialog's. For a request to end from outside.
    void exitWithoutAsking();
    // Whether the program is to end: an event loop started after the request would run on.
    bool exitRequested() const { return m_exitRequested; }

    const QString &programFolder() const { return m_programFolder; }
    IniFile &settings() { return m_settings; }
    AppServices &services() { return m_services; }

    TDovidnykForm *DovidnykForm = nullptr;
    TDataModule2 *DataModule2 = nullptr;
    OnFirstUse<TFormImportExport> FormImportExport;
    OnFirstUse<TFormAbout> FormAbout;
    OnFirstUse<TFormSposobyLovu> FormSposobyLovu;
    OnFirstUse<TFormFish> FormFish;
    OnFirstUse<TEditSchodennykForm> EditSchodennykForm;
    OnFirstUse<TFormBrowser> FormBrowser;
    OnFirstUse<TFormOptions> FormOptions;

private:
    // The forecast page the diary editor shows for a day.
    QString forecastAddress(const QDate &day) const;

    QString m_programFolder;
    AppServices m_services;
    // One settings object on options.ini for the windows and the data module alike; every read
    // goes to the file, every write straight to it.
    IniFile m_settings;
    bool m_exitRequested = false;
};

} // namespace lynvar
