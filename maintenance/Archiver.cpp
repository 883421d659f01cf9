// SPDX-License-Identifier: GPL-3.0-or-later
#include "maintenance/Archiver.h"

#include "common/Shell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace lynvar {

QString findArchiver(const QString &programFolder, const std::optional<QStringList> &searchPath)
{
    const QFileInfo own(programFolder + QStringLiteral("/7za"));
    if (own.isFile() && own.isExecutable())
        return own.absoluteFilePath();
    for (const QString &name : {QStringLiteral("7za"), QStringLiteral("7zz")}) {
        const QString found = searchPath ? QStandardPaths::findExecutable(name, *searchPath)
                                         : QStandardPaths::findExecutable(name);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

QString timeStamp(const QDateTime &time)
{
    return time.toString(QStringLiteral("dd.MM.yyyy HH_mm_ss"));
}

namespace {

constexpr qint64 CopyPiece = 1 << 20;

bool copyFile(const QString &from, const QString &to, const std::function<void()> &tick)
{
    QFile in(from);
    QFile out(to);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    QByteArray piece;
    while (!in.atEnd()) {
        piece = in.read(CopyPiece);
        if (in.error() != QFileDevice::NoError || out.write(piece) != piece.size()) {
            out.remove();
            return false;
        }
        if (tick)
            tick();
    }
    if (!out.flush()) {
        out.remove();
        return false;
    }
    out.close();
    QFile::setPermissions(to, in.permissions());
    return true;
}

} // namespace

QStringList CopyFolder(const QString &source, const QString &target, const std::function<void()> &tick)
{
    QStringList failed;
    const QFileInfoList entries =
        QDir(source).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        const QString from = entry.filePath();
        const QString to = target + u'/' + entry.fileName();
        if (entry.isSymLink() && entry.isDir()) {
            failed << from; // a link to a folder could lead anywhere, even back here
        } else if (entry.isDir()) {
            if (!QFileInfo(to).isDir() && !QDir().mkdir(to)) {
                failed << from;
                continue;
            }
            failed << CopyFolder(from, to, tick);
        } else if (!entry.isFile()) {
            failed << from; // a pipe or a device: reading it could wait for ever
        } else if (!QFileInfo::exists(to) && !copyFile(from, to, tick)) {
            failed << from;
        }
    }
    return failed;
}

std::optional<QList<ArchiveEntry>> listArchive(Shell &shell, const QString &archiver, const QString &archive,
                                               QString *why)
{
    const ProcessResult run = shell.runAndWait(
        archiver, {QStringLiteral("l"), QStringLiteral("-slt"), archive}, QString(), ArchiverTimeoutMs);
    if (!run.succeeded()) {
        *why = run.errorText;
        return std::nullopt;
    }
    // Technical listing: a block of "Name = value" lines per entry, after a line of dashes.
    QList<ArchiveEntry> entries;
    bool inEntries = false;
    ArchiveEntry *current = nullptr;
    const QList<QByteArray> lines = run.output.split('\n');
    for (const QByteArray &raw : lines) {
        const QString line = QString::fromUtf8(raw).remove(u'\r');
        if (!inEntries) {
            inEntries = line.startsWith(QStringLiteral("----------"));
            continue;
        }
        const qsizetype equals = line.indexOf(QStringLiteral(" = "));
        const QString name = equals < 0 ? line.trimmed() : line.left(equals);
        const QString value = equals < 0 ? QString() : line.mid(equals + 3);
        if (name == u"Path") {
            entries.append({value, false, false});
            current = &entries.last();
        } else if (current && name == u"Folder") {
            current->folder = value == u"+";
        } else if (current && name == u"Attributes") {
            // "D drwxr-xr-x", " -rw-r--r--", " lrwxrwxrwx": the last word is the Unix mode.
            const QString mode = value.section(u' ', -1);
            current->link = mode.startsWith(u'l');
        }
    }
    if (!inEntries) {
        *why = QStringLiteral("the archiver gave no list of its entries");
        return std::nullopt;
    }
    return entries;
}

} // namespace lynvar
