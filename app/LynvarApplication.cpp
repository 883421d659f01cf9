// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LynvarApplication.h"

#include "app/ErrorBox.h"
#include "app/TDovidnykForm.h"
#include "app/TFormOptions.h"
#include "data/DataModule2.h"
#include "diary/TEditSchodennykForm.h"
#include "diary/TFormFish.h"
#include "diary/TFormSposobyLovu.h"
#include "maintenance/TFormAbout.h"
#include "places/TFormBrowser.h"
#include "reference/TFormImportExport.h"

namespace lynvar {

LynvarApplication::LynvarApplication(const QString &programFolder, UserDialogs &dialogs)
    : m_programFolder(programFolder), m_dialogs(dialogs),
      m_formSettings(programFolder + QStringLiteral("/options.ini")),
      m_dataSettings(programFolder + QStringLiteral("/options.ini"))
{
}

LynvarApplication::~LynvarApplication()
{
    // Reverse order of creation; data sets close without posting what the user did not store.
    delete FormOptions;
    delete FormBrowser;
    delete EditSchodennykForm;
    delete FormFish;
    delete FormSposobyLovu;
    delete FormAbout;
    delete FormImportExport;
    delete DataModule2;
    delete DovidnykForm;
}

void LynvarApplication::create()
{
    // The main window comes first: the data module's scroll hooks write into it as tables open.
    DovidnykForm = new TDovidnykForm(m_formSettings, m_dialogs);
    runGuarded(m_dialogs, [this] { DovidnykForm->FormCreate(m_programFolder); });

    DataModule2 = new TDataModule2(m_programFolder, m_dataSettings, m_dialogs);
    DovidnykForm->setDataModule(DataModule2);
    runGuarded(m_dialogs, [this] { DataModule2->DataModuleCreate(); });

    QWidget *owner = DovidnykForm;
    runGuarded(m_dialogs, [&] { FormImportExport = new TFormImportExport(owner); });
    runGuarded(m_dialogs, [&] { FormAbout = new TFormAbout(owner); });
    runGuarded(m_dialogs, [&] { FormSposobyLovu = new TFormSposobyLovu(owner); });
    runGuarded(m_dialogs, [&] { FormFish = new TFormFish(owner); });
    runGuarded(m_dialogs, [&] { EditSchodennykForm = new TEditSchodennykForm(owner); });
    runGuarded(m_dialogs, [&] { FormBrowser = new TFormBrowser(owner); });
    runGuarded(m_dialogs, [&] { FormOptions = new TFormOptions(owner); });
}

void LynvarApplication::showMainWindow()
{
    DovidnykForm->showMaximized();
}

} // namespace lynvar
