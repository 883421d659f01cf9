// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace lynvar {

class Clock;
class DataStoreControl;
class MaintenanceFeedback;
class Shell;

// What a backup came to. `ok` only for an archive the archiver made without complaint and then
// read back whole, of a copy that lacked no file.
struct BackupOutcome
{
    bool ok = false;
    QString archive;       // copy/<stamp>.zip
    QString copyFolder;    // copy/<stamp>: removed after success, kept otherwise
    QString failure;       // what failed, and where the copy of the data is
    QString reopenFailure; // the databases did not open again afterwards
    QStringList notCopied;
    bool copyLeftBehind = false; // success, but the unpacked copy could not be removed
};

// The backup of the program folder's data/ into a zip archive in copy/: the databases are let go
// of, data/ is copied into copy/<stamp>, the databases are taken up again, the archiver packs the
// copy into copy/<stamp>.zip and tests the archive, and the copy is removed. Needs no window: the
// menu command and the command line run it alike.
class Backup final
{
public:
    // The archiver is looked for in the program folder and on the PATH; every reference outlives
    // the backup.
    Backup(const QString &programFolder, Shell &shell, Clock &clock);

    // The archiver to run; empty means there is none.
    void setArchiver(const QString &path) { m_archiver = path; }
    const QString &archiver() const { return m_archiver; }
    // The message the user acknowledges once the databases are closed; none when empty.
    void setStartMessage(const QString &text) { m_startMessage = text; }

    BackupOutcome run(DataStoreControl &store, MaintenanceFeedback &feedback);

private:
    QString m_folder;
    Shell &m_shell;
    Clock &m_clock;
    QString m_archiver;
    QString m_startMessage;
};

} // namespace lynvar
