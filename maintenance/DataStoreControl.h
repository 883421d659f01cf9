// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace lynvar {

class TDataModule2;

// What the save, backup and restore commands ask of the databases in the program folder's data/:
// to let go of the files, complete on disk, and to take them up again.
class DataStoreControl
{
public:
    virtual ~DataStoreControl() = default;
    // Stores every record being edited (throws lynvar::Error, with nothing closed, when one is
    // refused), writes each write-ahead log into its database file and closes both connections.
    virtual void close() = 0;
    // Connects both databases again and opens every table; throws lynvar::Error on failure.
    virtual void reopen() = 0;
};

// The running program's data module.
class ModuleDataStore final : public DataStoreControl
{
public:
    ModuleDataStore(TDataModule2 &data, const QString &programFolder) : m_data(data), m_folder(programFolder)
    {
    }
    void close() override;
    void reopen() override;

private:
    TDataModule2 &m_data;
    QString m_folder;
};

// The databases of a program folder when no window has them open (a command-line run): closing
// completes the files; reopening, when `check` is on, opens every table once to prove the data
// usable (after a restore), then lets go.
class FolderDataStore final : public DataStoreControl
{
public:
    explicit FolderDataStore(const QString &programFolder, bool check = true)
        : m_folder(programFolder), m_check(check)
    {
    }
    void close() override;
    void reopen() override;

private:
    QString m_folder;
    bool m_check;
};

// The save command: stores what is being edited, completes the files, reconnects and reopens.
void saveDataStore(DataStoreControl &store);

// The databases in `programFolder`'s data/ that another program still has open once ours let go of
// them: SQLite removes a database's log when its last connection closes, so a log still there
// means a connection elsewhere (another copy of the program, say) that may write at any moment.
QStringList databasesInUse(const QString &programFolder);

} // namespace lynvar
