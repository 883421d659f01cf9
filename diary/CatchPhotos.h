// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace lynvar {

/*
 * The folders of catch photos: one folder per diary entry under fotoulov/ of the program folder,
 * named after the entry's start date and record number ("2014_05_17_12"). The database keeps no
 * trace of them; the name is the only link.
 *
 * Promises: nothing here replaces or deletes a file or folder that exists (copies refuse an existing
 * name, a rename refuses an existing target even when it is empty), and nothing changes the
 * process's working folder. No widgets; every call touches only the folders it is given.
 */
class CatchPhotos final
{
public:
    explicit CatchPhotos(QString programFolder = {}) : m_programFolder(std::move(programFolder)) {}

    void setProgramFolder(const QString &programFolder) { m_programFolder = programFolder; }
    // programFolder/fotoulov, without a trailing separator.
    QString root() const;
    // "yyyy_MM_dd_" of the start date, then the record number; the time of day is not used.
    static QString folderName(const QDateTime &start, qint64 id);
    QString folderOf(const QDateTime &start, qint64 id) const;

    // Whether `name` is a photo the list shows: it ends in ".jpg", in any letter case.
    static bool isPhotoName(const QString &name);
    // The photos lying directly in `folder`, sorted by name without regard to case; none when the
    // folder does not exist.
    static QStringList photosIn(const QString &folder);

    struct AddResult
    {
        QStringList copied;         // names now in the folder
        QStringList skipped;        // names the folder already had: left as they were, nothing copied
        QStringList failed;         // names that could not be copied (unreadable source, full disk, ...)
        bool folderMissing = false; // the entry's folder could not be made: nothing was copied
    };
    // Copies each file into `folder` under its own file name, never overwriting; makes the photos
    // root and the folder first when they are missing.
    AddResult addPhotos(const QString &folder, const QStringList &sources) const;

    enum class RenameResult
    {
        Renamed,
        SameName,      // nothing to do
        NothingToMove, // the former folder does not exist
        TargetExists,  // left alone: the target name is taken, even by an empty folder
        Failed
    };
    // Renames the folder `from` to `to` (siblings) unless `to` exists.
    static RenameResult renameFolder(const QString &from, const QString &to);

private:
    QString m_programFolder;
};

} // namespace lynvar
