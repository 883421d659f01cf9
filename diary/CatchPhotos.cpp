// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/CatchPhotos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>

namespace lynvar {

QString CatchPhotos::root() const
{
    return m_programFolder + QStringLiteral("/fotoulov");
}

QString CatchPhotos::folderName(const QDateTime &start, qint64 id)
{
    // MM, not mm: mm would be the minutes.
    return start.date().toString(QStringLiteral("yyyy_MM_dd_")) + QString::number(id);
}

QString CatchPhotos::folderOf(const QDateTime &start, qint64 id) const
{
    return root() + u'/' + folderName(start, id);
}

bool CatchPhotos::isPhotoName(const QString &name)
{
    return name.endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive);
}

QStringList CatchPhotos::photosIn(const QString &folder)
{
    if (folder.isEmpty())
        return {};
    // QDir matches name filters without regard to case, so a camera's IMG_0001.JPG is listed too.
    const QDir dir(folder, QStringLiteral("*.jpg"), QDir::Name | QDir::IgnoreCase, QDir::Files);
    return dir.entryList();
}

CatchPhotos::AddResult CatchPhotos::addPhotos(const QString &folder, const QStringList &sources) const
{
    AddResult result;
    if (sources.isEmpty())
        return result;
    if (!QDir().mkpath(folder)) {
        result.folderMissing = true;
        for (const QString &source : sources)
            result.failed << QFileInfo(source).fileName();
        return result;
    }
    for (const QString &source : sources) {
        // The file's own name, whatever separators the path used.
        const QString name = QFileInfo(source).fileName();
        const QString target = folder + u'/' + name;
        if (name.isEmpty()) {
            result.failed << source;
        } else if (QFileInfo::exists(target) || QFileInfo(target).isSymLink()) {
            result.skipped << name;
        } else if (QFile::copy(source, target)) {
            result.copied << name;
        } else {
            // A copy that lost a race with another writer leaves the other's file in place.
            (QFileInfo::exists(target) ? result.skipped : result.failed) << name;
        }
    }
    return result;
}

CatchPhotos::RenameResult CatchPhotos::renameFolder(const QString &from, const QString &to)
{
    if (QDir::cleanPath(from) == QDir::cleanPath(to))
        return RenameResult::SameName;
    if (!QFileInfo(from).isDir())
        return RenameResult::NothingToMove;
    if (QFileInfo::exists(to) || QFileInfo(to).isSymLink())
        return RenameResult::TargetExists;
    const QByteArray oldPath = QFile::encodeName(from);
    const QByteArray newPath = QFile::encodeName(to);
    // rename(2) would replace an empty target folder; RENAME_NOREPLACE refuses any target.
    if (renameat2(AT_FDCWD, oldPath.constData(), AT_FDCWD, newPath.constData(), RENAME_NOREPLACE) == 0)
        return RenameResult::Renamed;
    if (errno == EEXIST || errno == ENOTEMPTY)
        return RenameResult::TargetExists;
    if (errno == EINVAL || errno == ENOSYS) {
        // A file system without the flag: the existence test above is all the guard there is.
        if (QFileInfo::exists(to))
            return RenameResult::TargetExists;
        if (std::rename(oldPath.constData(), newPath.constData()) == 0)
            return RenameResult::Renamed;
    }
    return RenameResult::Failed;
}

} // namespace lynvar
