// SPDX-License-Identifier: GPL-3.0-or-later
#include "maintenance/MaintenanceCommands.h"

#include "common/AppServices.h"
#include "common/Error.h"
#include "common/Shell.h"
#include "common/UserDialogs.h"
#include "controls/DataAware.h"
#include "data/DataModule2.h"
#include "maintenance/Archiver.h"
#include "maintenance/Backup.h"
#include "maintenance/DataStoreControl.h"
#include "maintenance/MakerAddresses.h"
#include "maintenance/MarkerFiles.h"
#include "maintenance/Restore.h"
#include "maintenance/TFormAbout.h"
#include "maintenance/VersionCheck.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>

namespace lynvar {
namespace {

// A busy progress dialog over the main window while the work goes on, and the user's messages.
class ProgressFeedback final : public MaintenanceFeedback
{
public:
    ProgressFeedback(QWidget *window, UserDialogs &dialogs) : m_window(window), m_dialogs(dialogs) {}
    ~ProgressFeedback() override { done(); }

    void message(const QString &text) override { m_dialogs.showMessage(text); }
    void progress(const QString &text) override
    {
        if (!m_dialog) {
            m_dialog = new QProgressDialog(m_window);
            m_dialog->setObjectName(QStringLiteral("MaintenanceProgress"));
            m_dialog->setWindowTitle(QApplication::applicationDisplayName());
            m_dialog->setWindowModality(Qt::WindowModal);
            m_dialog->setCancelButton(nullptr); // the work ends by itself, within its time limits
            m_dialog->setRange(0, 0);
            m_dialog->setMinimumDuration(0);
        }
        m_dialog->setLabelText(text);
        m_dialog->show();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    void done() override
    {
        delete m_dialog;
        m_dialog = nullptr;
    }

private:
    QWidget *m_window;
    UserDialogs &m_dialogs;
    QProgressDialog *m_dialog = nullptr;
};

Shell &shellOf(const AppServices &services)
{
    if (!services.shell)
        throw Error(QStringLiteral("The desktop shell is not available"));
    return *services.shell;
}

} // namespace

MaintenanceCommands::MaintenanceCommands(QWidget *window, IniFile &settings, AppServices &services,
                                         std::function<TDataModule2 *()> dataModule)
    : m_window(window), m_settings(settings), m_services(services), m_dataModule(std::move(dataModule))
{
}

TDataModule2 &MaintenanceCommands::data() const
{
    TDataModule2 *data = m_dataModule ? m_dataModule() : nullptr;
    if (!data)
        throw Error(QStringLiteral("The database is not open"));
    return *data;
}

QString MaintenanceCommands::programFolder() const
{
    return m_services.programFolder;
}

void MaintenanceCommands::takeUnwrittenInput()
{
    if (DataAware *control = dataAwareControlOf(QApplication::focusWidget()))
        control->updateRecord();
}

void MaintenanceCommands::MenuSaveBDClick()
{
    takeUnwrittenInput();
    ModuleDataStore store(data(), programFolder());
    saveDataStore(store);
}

void MaintenanceCommands::MenuBackupBDClick()
{
    takeUnwrittenInput();
    UserDialogs &dialogs = *m_services.dialogs;
    ModuleDataStore store(data(), programFolder());
    Backup backup(programFolder(), shellOf(m_services), *m_services.clock);
    if (m_archiver)
        backup.setArchiver(*m_archiver);
    backup.setStartMessage(texts.MessageCopyBD);
    BackupOutcome outcome;
    {
        ProgressFeedback feedback(m_window, dialogs);
        outcome = backup.run(store, feedback);
    }
    if (outcome.ok) {
        dialogs.showMessage(texts.MessageCopyBDOk);
        if (outcome.copyLeftBehind)
            dialogs.showMessage(QStringLiteral("Тимчасову копію %1 не вдалося видалити.")
                                    .arg(QDir::toNativeSeparators(outcome.copyFolder)));
    } else {
        dialogs.showError(outcome.failure);
    }
    if (!outcome.reopenFailure.isEmpty())
        throw Error(outcome.reopenFailure);
}

void MaintenanceCommands::MenuRestoreBDClick()
{
    UserDialogs &dialogs = *m_services.dialogs;
    const QList<BackupArchive> archives = listBackups(programFolder());
    if (archives.isEmpty()) {
        dialogs.showMessage(QStringLiteral("У папці copy немає резервних копій."));
        return;
    }
    QStringList labels;
    for (const BackupArchive &archive : archives)
        labels << archive.label();
    const std::optional<int> picked = dialogs.chooseItem(QStringLiteral("Відновити з резервної копії"),
                                                         QStringLiteral("Резервна копія:"), labels);
    if (!picked || *picked < 0 || *picked >= archives.size())
        return;
    const QString archive = archives[*picked].path;
    if (!dialogs.askYesNo(
            QStringLiteral("Відновити базу даних з архіву %1? Поточні дані буде збережено в папці copy.")
                .arg(QFileInfo(archive).fileName())))
        return;

    takeUnwrittenInput();
    ModuleDataStore store(data(), programFolder());
    Restore restore(programFolder(), shellOf(m_services), *m_services.clock);
    if (m_archiver)
        restore.setArchiver(*m_archiver);
    RestoreOutcome outcome;
    {
        ProgressFeedback feedback(m_window, dialogs);
        outcome = restore.run(archive, store, feedback);
    }
    if (!outcome.ok) {
        dialogs.showError(outcome.failure);
        return;
    }
    QString done = QStringLiteral("Базу даних відновлено з архіву %1.").arg(QFileInfo(archive).fileName());
    if (!outcome.previousData.isEmpty())
        done += QStringLiteral(" Попередні дані збережено в папці %1.")
                    .arg(QDir::toNativeSeparators(outcome.previousData));
    dialogs.showMessage(done);
}

void MaintenanceCommands::MenuCreateFileClick()
{
    MarkerFiles(data(), programFolder()).MenuCreateFileClick();
}

void MaintenanceCommands::MenuDownloadClick()
{
    (void)shellOf(m_services).openTarget(MakerAddresses::read(programFolder()).downloadPage());
}

void MaintenanceCommands::MenuLynvarNetClick()
{
    (void)shellOf(m_services).openTarget(MakerAddresses::read(programFolder()).startPage());
}

void MaintenanceCommands::MenuNewVersionClick()
{
    if (!m_services.network)
        throw Error(QStringLiteral("The internet reader is not available"));
    VersionCheck(programFolder(), m_settings, *m_services.network, shellOf(m_services), *m_services.dialogs,
                 texts)
        .MenuNewVersionClick();
}

void MaintenanceCommands::MenuAboutClick()
{
    if (m_about)
        m_about->get().exec();
}

} // namespace lynvar
