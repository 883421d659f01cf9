// SPDX-License-Identifier: GPL-3.0-or-later
#include "maintenance/Restore.h"

#include "common/Clock.h"
#include "common/Shell.h"
#include "data/Connection.h"
#include "maintenance/Archiver.h"
#include "maintenance/DataStoreControl.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace lynvar {
namespace {

const QString BookFile = QStringLiteral("lynvarbook.db");
const QString RecordsFile = QStringLiteral("lynvarzapys.db");

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// An entry that unpacks inside the folder it is unpacked into.
bool staysInside(const QString &path)
{
    if (path.isEmpty() || path.startsWith(u'/') || path.contains(u'\\') || path.contains(QChar(0)))
        return false;
    return !path.split(u'/').contains(QStringLiteral(".."));
}

QString freePath(const QString &base)
{
    QString path = base;
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QStringLiteral("%1 (%2)").arg(base).arg(n);
    return path;
}

// Empty when `file` is a whole SQLite database; otherwise why not. Its log is written into it.
QString checkDatabase(const QString &file)
{
    const QFileInfo info(file);
    if (!info.isFile() || info.isSymLink() || info.size() == 0)
        return QStringLiteral("%1 — не файл бази даних").arg(info.fileName());
    try {
        Connection connection(QStringLiteral("check"));
        connection.setDatabaseFile(file);
        connection.open();
        QString answer;
        {
            Statement check(connection, QStringLiteral("PRAGMA integrity_check"));
            answer = check.step() ? check.text(0) : QString();
        }
        if (answer != u"ok")
            return QStringLiteral("%1 пошкоджена (%2)").arg(info.fileName(), answer);
        if (!connection.checkpoint())
            return QStringLiteral("%1: журнал бази не вдалося записати у файл").arg(info.fileName());
        connection.close();
    } catch (const std::exception &e) {
        return QStringLiteral("%1: %2").arg(info.fileName(), QString::fromUtf8(e.what()));
    }
    // SQLite would replay a stale log onto the restored file.
    QFile::remove(file + QStringLiteral("-wal"));
    QFile::remove(file + QStringLiteral("-shm"));
    return {};
}

} // namespace

QString BackupArchive::label() const
{
    const QString amount = size >= 1024 * 1024
                               ? QStringLiteral("%1 МБ").arg(double(size) / (1024 * 1024), 0, 'f', 1)
                               : QStringLiteral("%1 КБ").arg((size + 1023) / 1024);
    return QStringLiteral("%1 — %2 — %3")
        .arg(QFileInfo(path).fileName(), modified.toString(QStringLiteral("dd.MM.yyyy HH:mm")), amount);
}

QList<BackupArchive> listBackups(const QString &programFolder)
{
    QList<BackupArchive> archives;
    const QFileInfoList files = QDir(programFolder + QStringLiteral("/copy"))
                                    .entryInfoList({QStringLiteral("*.zip")}, QDir::Files, QDir::Time);
    for (const QFileInfo &file : files)
        archives.append({file.absoluteFilePath(), file.lastModified(), file.size()});
    return archives;
}

Restore::Restore(const QString &programFolder, Shell &shell, Clock &clock)
    : m_folder(programFolder), m_shell(shell), m_clock(clock), m_archiver(findArchiver(programFolder))
{
}

QString Restore::unpackAndCheck(const QString &archive, const QString &unpackFolder, QString *dataFolder)
{
    QString why;
    const auto entries = listArchive(m_shell, m_archiver, archive, &why);
    if (!entries)
        return QStringLiteral("архіватор не зміг прочитати архів (%1).").arg(why);

    // Both databases side by side, at the top of the archive or in its one top folder.
    std::optional<QString> bookFolder, recordsFolder;
    for (const ArchiveEntry &entry : *entries) {
        if (!staysInside(entry.path))
            return QStringLiteral("архів містить недозволений шлях «%1».").arg(entry.path);
        if (entry.link)
            return QStringLiteral("архів містить посилання «%1».").arg(entry.path);
        const QStringList parts = entry.path.split(u'/', Qt::SkipEmptyParts);
        if (entry.folder || parts.isEmpty() || parts.size() > 2)
            continue;
        const QString folder = parts.size() == 2 ? parts.first() : QString();
        if (parts.last() == BookFile)
            bookFolder = folder;
        else if (parts.last() == RecordsFile)
            recordsFolder = folder;
    }
    if (!bookFolder || !recordsFolder || *bookFolder != *recordsFolder)
        return QStringLiteral("в архіві немає обох баз даних (%1 і %2).").arg(BookFile, RecordsFile);

    // Databases at the top are unpacked into a folder of their own, so that folder becomes data/.
    const QString target = bookFolder->isEmpty() ? unpackFolder + QStringLiteral("/data") : unpackFolder;
    *dataFolder = bookFolder->isEmpty() ? target : unpackFolder + u'/' + *bookFolder;
    if (!QDir().mkpath(target))
        return QStringLiteral("не вдалося створити папку %1.").arg(native(target));
    const ProcessResult unpacked = m_shell.runAndWait(
        m_archiver, {QStringLiteral("x"), archive, QStringLiteral("-o") + target, QStringLiteral("-y")},
        QString(), ArchiverTimeoutMs);
    if (!unpacked.succeeded())
        return QStringLiteral("архіватор не зміг розпакувати архів (%1).").arg(unpacked.errorText);

    for (const QString &name : {BookFile, RecordsFile}) {
        const QString problem = checkDatabase(*dataFolder + u'/' + name);
        if (!problem.isEmpty())
            return QStringLiteral("база даних з архіву не пройшла перевірки: %1.").arg(problem);
    }
    return {};
}

RestoreOutcome Restore::run(const QString &archive, DataStoreControl &store, MaintenanceFeedback &feedback)
{
    RestoreOutcome outcome;
    const QString unchanged = QStringLiteral(" Ваші дані не змінено.");
    if (m_archiver.isEmpty()) {
        outcome.failure =
            QStringLiteral("Архіватор 7za не знайдено ні в папці програми, ні серед програм системи "
                           "(7za, 7zz).") +
            unchanged;
        return outcome;
    }
    if (!QFileInfo(archive).isFile()) {
        outcome.failure = QStringLiteral("Архіву %1 немає.").arg(native(archive)) + unchanged;
        return outcome;
    }
    const QString copyRoot = m_folder + QStringLiteral("/copy");
    const QString data = m_folder + QStringLiteral("/data");
    const QString stamp = timeStamp(m_clock.now());
    const QString unpack = freePath(copyRoot + QStringLiteral("/.restore ") + stamp);
    const auto cleanUp = [&] { (void)m_shell.removeTreeInside(copyRoot, unpack); };

    feedback.progress(QStringLiteral("Перевірка архіву…"));
    QString unpacked;
    const QString problem = unpackAndCheck(QFileInfo(archive).absoluteFilePath(), unpack, &unpacked);
    if (!problem.isEmpty()) {
        cleanUp();
        feedback.done();
        outcome.failure = QStringLiteral("Відновлення не виконано: ") + problem + unchanged;
        return outcome;
    }

    feedback.progress(QStringLiteral("Відновлення бази даних…"));
    try {
        store.close();
    } catch (...) {
        cleanUp();
        feedback.done();
        throw;
    }
    const auto reopenQuietly = [&] {
        try {
            store.reopen();
            return QString();
        } catch (const std::exception &e) {
            return QString::fromUtf8(e.what());
        }
    };
    const auto fail = [&](const QString &what) {
        cleanUp();
        feedback.done();
        outcome.failure = what;
        return outcome;
    };

    // Data moved away under a program that still writes to them would take its later edits along.
    if (const QStringList inUse = databasesInUse(m_folder); !inUse.isEmpty()) {
        const QString reopenFailure = reopenQuietly();
        return fail(QStringLiteral("Відновлення не виконано: база даних %1 відкрита в іншій програмі "
                                   "(можливо, ще в одній копії LynvarBook); закрийте її і повторіть.")
                        .arg(QDir::toNativeSeparators(inUse.join(QStringLiteral(", ")))) +
                    unchanged + (reopenFailure.isEmpty() ? QString() : u' ' + reopenFailure));
    }
    const bool hadData = QFileInfo::exists(data);
    const QString aside = freePath(copyRoot + QStringLiteral("/data-before-restore ") + stamp);
    if (hadData && !QDir().rename(data, aside)) {
        const QString reopenFailure = reopenQuietly();
        return fail(QStringLiteral("Відновлення не виконано: папку %1 не вдалося перенести в %2.")
                        .arg(native(data), native(copyRoot)) +
                    unchanged + (reopenFailure.isEmpty() ? QString() : u' ' + reopenFailure));
    }
    // Puts the previous data/ back after a failure; says where they are when even that fails.
    const auto putBack = [&](const QString &why) {
        if (QFileInfo::exists(data) && !QDir().rename(data, unpack + QStringLiteral("/refused")))
            (void)m_shell.removeTreeInside(m_folder, data);
        if (hadData && (QFileInfo::exists(data) || !QDir().rename(aside, data))) {
            outcome.previousData = aside;
            return fail(
                QStringLiteral("Відновлення не виконано: %1 Ваші попередні дані збережено в папці %2.")
                    .arg(why, native(aside)));
        }
        const QString reopenFailure = reopenQuietly();
        return fail(
            QStringLiteral("Відновлення не виконано: %1 Попередні дані повернуто на місце.").arg(why) +
            (reopenFailure.isEmpty() ? QString() : u' ' + reopenFailure));
    };
    if (!QDir().rename(unpacked, data))
        return putBack(QStringLiteral("розпаковані дані не вдалося перенести в %1.").arg(native(data)));
    const QString reopenFailure = reopenQuietly();
    if (!reopenFailure.isEmpty()) {
        try {
            store.close();
        } catch (...) {
            // Nothing was edited in the data just opened; the files are let go of all the same.
        }
        return putBack(QStringLiteral("дані з архіву не відкриваються (%1).").arg(reopenFailure));
    }

    cleanUp();
    feedback.done();
    outcome.ok = true;
    outcome.previousData = hadData ? aside : QString();
    return outcome;
}

} // namespace lynvar
