// SPDX-License-Identifier: GPL-3.0-or-later
#include "maintenance/Backup.h"

#include "common/Clock.h"
#include "common/Shell.h"
#include "maintenance/Archiver.h"
#include "maintenance/DataStoreControl.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace lynvar {
namespace {

QString keptIn(const QString &copyFolder)
{
    return QStringLiteral(" Резервну копію не створено; копію даних збережено в папці %1.")
        .arg(QDir::toNativeSeparators(copyFolder));
}

QString inUseMessage(const QStringList &files)
{
    QStringList names;
    for (const QString &file : files)
        names << QDir::toNativeSeparators(file);
    return QStringLiteral("Базу даних %1 відкрито в іншій програмі (можливо, ще в одній копії LynvarBook); "
                          "закрийте її і повторіть.")
        .arg(names.join(QStringLiteral(", ")));
}

// The stamp, made unique: two backups within one second must not add to one archive.
QString freeName(const QString &copyRoot, const QString &stamp)
{
    QString name = stamp;
    for (int n = 2; QFileInfo::exists(copyRoot + u'/' + name) ||
                    QFileInfo::exists(copyRoot + u'/' + name + QStringLiteral(".zip"));
         ++n)
        name = QStringLiteral("%1 (%2)").arg(stamp).arg(n);
    return name;
}

} // namespace

Backup::Backup(const QString &programFolder, Shell &shell, Clock &clock)
    : m_folder(programFolder), m_shell(shell), m_clock(clock), m_archiver(findArchiver(programFolder))
{
}

BackupOutcome Backup::run(DataStoreControl &store, MaintenanceFeedback &feedback)
{
    BackupOutcome outcome;
    store.close();
    // A copy taken while another program may write would not be a backup one could trust.
    if (const QStringList inUse = databasesInUse(m_folder); !inUse.isEmpty()) {
        try {
            store.reopen();
        } catch (const std::exception &e) {
            outcome.reopenFailure = QString::fromUtf8(e.what());
        }
        outcome.failure = inUseMessage(inUse) + QStringLiteral(" Резервну копію не створено.");
        return outcome;
    }
    if (!m_startMessage.isEmpty())
        feedback.message(m_startMessage);

    const QString copyRoot = m_folder + QStringLiteral("/copy");
    const QString name = freeName(copyRoot, timeStamp(m_clock.now()));
    outcome.copyFolder = copyRoot + u'/' + name;
    outcome.archive = outcome.copyFolder + QStringLiteral(".zip");

    // The databases are taken up again whatever happens below; a failure to do so is reported too.
    const auto reopen = [&] {
        try {
            store.reopen();
        } catch (const std::exception &e) {
            outcome.reopenFailure = QString::fromUtf8(e.what());
        }
    };

    if (!QDir().mkpath(outcome.copyFolder)) {
        reopen();
        outcome.failure = QStringLiteral("Не вдалося створити папку %1. Резервну копію не створено.")
                              .arg(QDir::toNativeSeparators(outcome.copyFolder));
        outcome.copyFolder.clear();
        return outcome;
    }
    feedback.progress(QStringLiteral("Копіювання бази даних…"));
    outcome.notCopied = CopyFolder(m_folder + QStringLiteral("/data"), outcome.copyFolder, [] {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    reopen();

    const auto fail = [&](const QString &what) {
        feedback.done();
        outcome.failure = what + keptIn(outcome.copyFolder);
        return outcome;
    };
    if (!outcome.notCopied.isEmpty())
        return fail(
            QStringLiteral("Не вдалося скопіювати: %1.").arg(outcome.notCopied.join(QStringLiteral(", "))));
    if (m_archiver.isEmpty())
        return fail(QStringLiteral("Архіватор 7za не знайдено ні в папці програми, ні серед програм системи "
                                   "(7za, 7zz)."));

    feedback.progress(QStringLiteral("Створення архіву…"));
    const ProcessResult packed = m_shell.runAndWait(
        m_archiver, {QStringLiteral("a"), outcome.archive, QStringLiteral("-tzip"), outcome.copyFolder},
        copyRoot, ArchiverTimeoutMs);
    // What a failed run left behind is no backup: it must not look like one among the archives.
    const auto dropArchive = [&] { QFile::remove(outcome.archive); };
    if (!packed.succeeded()) {
        dropArchive();
        return fail(QStringLiteral("Архіватор не створив архів: %1.").arg(packed.errorText));
    }
    if (!QFileInfo(outcome.archive).isFile())
        return fail(QStringLiteral("Архіватор завершив роботу, але архіву %1 немає.")
                        .arg(QDir::toNativeSeparators(outcome.archive)));

    feedback.progress(QStringLiteral("Перевірка архіву…"));
    const ProcessResult tested =
        m_shell.runAndWait(m_archiver, {QStringLiteral("t"), outcome.archive}, copyRoot, ArchiverTimeoutMs);
    if (!tested.succeeded()) {
        dropArchive();
        return fail(QStringLiteral("Архів не пройшов перевірки: %1.").arg(tested.errorText));
    }

    outcome.ok = true;
    outcome.copyLeftBehind = !m_shell.removeTreeInside(copyRoot, outcome.copyFolder);
    feedback.done();
    return outcome;
}

} // namespace lynvar
