// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace lynvar {

class Clock;
class DataStoreControl;
class MaintenanceFeedback;
class Shell;

// A backup archive in copy/, as the restore offers it.
struct BackupArchive
{
    QString path;
    QDateTime modified;
    qint64 size = 0;

    // "<name> — <date> — <size>", for a list to choose from.
    QString label() const;
};

// The zip archives in the program folder's copy/, newest first.
QList<BackupArchive> listBackups(const QString &programFolder);

struct RestoreOutcome
{
    bool ok = false;
    QString failure;      // what failed; says where the data the user had are
    QString previousData; // copy/data-before-restore <stamp>: the data/ the restore replaced
};

/*
 * Puts the data of a backup archive in place of data/.
 *
 * Nothing is touched until the archive has proved good: it is listed (no entry may leave the
 * folder it is unpacked into, nor be a link), both databases are found in it, unpacked into a
 * folder in copy/, and each passes SQLite's integrity check. Then the databases are let go of,
 * data/ is moved aside into copy/ under a time-stamped name (it stays there), the unpacked folder
 * becomes data/ and the databases are opened again. A failure on the way puts the previous data/
 * back and opens it again, and says so.
 */
class Restore final
{
public:
    Restore(const QString &programFolder, Shell &shell, Clock &clock);

    void setArchiver(const QString &path) { m_archiver = path; }

    RestoreOutcome run(const QString &archive, DataStoreControl &store, MaintenanceFeedback &feedback);

private:
    QString unpackAndCheck(const QString &archive, const QString &unpackFolder, QString *dataFolder);

    QString m_folder;
    Shell &m_shell;
    Clock &m_clock;
    QString m_archiver;
};

} // namespace lynvar
