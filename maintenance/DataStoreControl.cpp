// SPDX-License-Identifier: GPL-3.0-or-later
#include "maintenance/DataStoreControl.h"

#include "common/IniFile.h"
#include "common/UserDialogs.h"
#include "data/DataModule2.h"

#include <QFileInfo>

namespace lynvar {
namespace {

// Nobody to ask while the data are only checked.
class NoDialogs final : public UserDialogs
{
public:
    void showMessage(const QString &) override {}
    void showError(const QString &) override {}
    bool askYesNo(const QString &) override { return false; }
    std::optional<QString> askText(const QString &, const QString &, const QString &) override { return {}; }
    QString chooseOpenFile(const QString &, const QString &, const QString &) override { return {}; }
    QStringList chooseOpenFiles(const QString &, const QString &, const QString &) override { return {}; }
    QString chooseSaveFile(const QString &, const QString &, const QString &) override { return {}; }
    std::optional<FontChoice> chooseFont(const FontChoice &) override { return {}; }
    std::optional<unsigned int> chooseColor(unsigned int) override { return {}; }
};

void completeAndClose(Connection &connection)
{
    if (!connection.isConnected())
        return;
    // Another program holding the file may keep the log from emptying; then the log is copied too.
    (void)connection.checkpoint();
    connection.close();
}

} // namespace

void ModuleDataStore::close()
{
    // Closing drops an unposted edit: store every one first, so no typed text is lost.
    for (DataSet *ds : m_data.allDataSets())
        if (ds->isEditing())
            ds->post();
    completeAndClose(m_data.ADOConnectionBook);
    completeAndClose(m_data.ADOConnectionZapys);
}

void ModuleDataStore::reopen()
{
    // A connection left open by a failed earlier attempt is closed first.
    m_data.ADOConnectionBook.close();
    m_data.ADOConnectionZapys.close();
    m_data.OpenDataStore(m_folder);
}

void FolderDataStore::close()
{
    for (const QString &file :
         {TDataModule2::referenceDatabasePath(m_folder), TDataModule2::recordsDatabasePath(m_folder)}) {
        if (!QFileInfo(file).isFile())
            continue;
        Connection connection(QStringLiteral("check"));
        connection.setDatabaseFile(file);
        try {
            connection.open();
            completeAndClose(connection);
        } catch (const std::exception &) {
            // A file that does not open is copied as it is; the restore checks every archive.
        }
    }
}

void FolderDataStore::reopen()
{
    if (!m_check)
        return;
    NoDialogs dialogs;
    IniFile settings(m_folder + QStringLiteral("/options.ini"));
    TDataModule2 data(m_folder, settings, dialogs);
    data.OpenDataStore(m_folder);
    completeAndClose(data.ADOConnectionBook);
    completeAndClose(data.ADOConnectionZapys);
}

QStringList databasesInUse(const QString &programFolder)
{
    QStringList inUse;
    for (const QString &file : {TDataModule2::referenceDatabasePath(programFolder),
                                TDataModule2::recordsDatabasePath(programFolder)})
        if (QFileInfo::exists(file + QStringLiteral("-wal")))
            inUse << file;
    return inUse;
}

void saveDataStore(DataStoreControl &store)
{
    store.close();
    store.reopen();
}

} // namespace lynvar
