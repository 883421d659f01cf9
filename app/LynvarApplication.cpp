// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LynvarApplication.h"

#include "app/ErrorBox.h"
#include "app/TDovidnykForm.h"
#include "app/TFormOptions.h"
#include "data/DataModule2.h"
#include "diary/SchodennykPage.h"
#include "diary/TEditSchodennykForm.h"
#include "diary/TFormFish.h"
#include "diary/TFormSposobyLovu.h"
#include "i18n/InterfaceLanguage.h"
#include "maintenance/TFormAbout.h"
#include "places/FishMapPage.h"
#include "places/TFormBrowser.h"
#include "reference/AnecdotPage.h"
#include "reference/TFormImportExport.h"

#include <QCoreApplication>
#include <QToolButton>

namespace lynvar {

LynvarApplication::LynvarApplication(const QString &programFolder, const AppServices &services)
    : m_programFolder(programFolder), m_services(services),
      m_settings(programFolder + QStringLiteral("/options.ini"))
{
}

LynvarApplication::~LynvarApplication()
{
    // Reverse order of creation; data sets close without posting what the user did not store.
    delete FormOptions.take();
    delete FormBrowser.take();
    delete EditSchodennykForm.take();
    delete FormFish.take();
    delete FormSposobyLovu.take();
    delete FormAbout.take();
    delete FormImportExport.take();
    delete DataModule2;
    delete DovidnykForm;
}

void LynvarApplication::create()
{
    UserDialogs &dialogs = *m_services.dialogs;
    // The main window comes first: the data module's scroll hooks write into it as tables open.
    DovidnykForm = new TDovidnykForm(m_settings, m_services);
    runGuarded(dialogs, [this] { DovidnykForm->FormCreate(m_programFolder); });

    DataModule2 = new TDataModule2(m_programFolder, m_settings, dialogs);
    DovidnykForm->setDataModule(DataModule2);
    runGuarded(dialogs, [this] { DataModule2->DataModuleCreate(); });

    // The dialogs belong to the main window and are made when first needed.
    QWidget *owner = DovidnykForm;
    FormImportExport.setFactory(
        [owner, dialogs = &dialogs] { return new TFormImportExport(*dialogs, owner); });
    TDataModule2 *data = DataModule2;
    AppServices *services = &m_services;
    InterfaceLanguage *language = &DovidnykForm->language();
    FormAbout.setFactory([owner, data, services, language] {
        auto *about = new TFormAbout(data, *services, owner);
        language->partMade(about, LanguageWindow::About);
        return about;
    });
    FormSposobyLovu.setFactory([owner, data, language] {
        auto *methods = new TFormSposobyLovu(owner, *data);
        language->partMade(methods, LanguageWindow::Methods);
        return methods;
    });
    FormFish.setFactory([owner, data] { return new TFormFish(owner, *data); });
    EditSchodennykForm.setFactory([this, owner, data] {
        auto *editor = new TEditSchodennykForm(owner, *data, m_services);
        editor->setForecastAddress([this](const QDate &day) { return forecastAddress(day); });
        DovidnykForm->language().partMade(editor, LanguageWindow::EntryEditor);
        return editor;
    });
    FormBrowser.setFactory([this, owner] { return new TFormBrowser(m_services, DataModule2, owner); });
    FormOptions.setFactory(
        [owner, data, services] { return new TFormOptions(data, *services->dialogs, owner); });
    DovidnykForm->setMaintenanceDialogs(&FormOptions, &FormAbout);
    language->setWindow(LanguageWindow::About, {[this]() -> QWidget * { return FormAbout.made(); },
                                                [this]() -> QWidget * { return &FormAbout.get(); }});
    language->setWindow(LanguageWindow::Methods, {[this]() -> QWidget * { return FormSposobyLovu.made(); },
                                                  [this]() -> QWidget * { return &FormSposobyLovu.get(); }});
    language->setWindow(LanguageWindow::EntryEditor,
                        {[this]() -> QWidget * { return EditSchodennykForm.made(); },
                         [this]() -> QWidget * { return &EditSchodennykForm.get(); }});
    if (auto *jokes = DovidnykForm->page<AnecdotPage>())
        jokes->setImportExportForm(&FormImportExport);

    SchodennykPage *diary = DovidnykForm->page<SchodennykPage>();
    diary->setEditSchodennykForm(&EditSchodennykForm);
    diary->setFormFish(&FormFish);
    diary->setFormSposobyLovu(&FormSposobyLovu);
    DovidnykForm->setEntryEditor(&EditSchodennykForm);

    // "Добавити види риб" on the places page: the fish choice dialog in place mode writes the
    // place's fish list itself.
    if (auto *places = DovidnykForm->page<FishMapPage>())
        places->setFishChoice([this]() -> std::optional<QStringList> {
            TFormFish &fish = FormFish.get();
            fish.setMode(TFormFish::Mode::Place);
            fish.exec();
            return std::nullopt;
        });
}

QString LynvarApplication::forecastAddress(const QDate &day) const
{
    // The forecast site of the current place, in the content language; its base addresses are
    // configuration, kept in services.ini.
    const bool ukrainian = !DovidnykForm->ToolButtonRU->isChecked();
    const IniFile addresses(m_programFolder + QStringLiteral("/services.ini"));
    const QString base = addresses.readString(
        QStringLiteral("Weather"), ukrainian ? QStringLiteral("SinoptikUA") : QStringLiteral("SinoptikRU"),
        QString());
    DataSet &place = DataModule2->FishMapTable;
    if (base.isEmpty() || !place.isActive())
        return {};
    const QString settlement =
        place.isEmpty() ? QString()
                        : place.field(ukrainian ? u"MistoSinoptikUA" : u"MistoSinoptikRU").asString();
    return TEditSchodennykForm::forecastDayAddress(base, settlement, day);
}

void LynvarApplication::showMainWindow()
{
    DovidnykForm->showMaximized();
}

void LynvarApplication::exitWithoutAsking()
{
    m_exitRequested = true;
    if (DovidnykForm)
        DovidnykForm->closeWithoutAsking();
    // Every running event loop ends, a dialog's too; none starts any more.
    QCoreApplication::exit(0);
}

} // namespace lynvar
