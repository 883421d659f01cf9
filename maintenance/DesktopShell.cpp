// SPDX-License-Identifier: GPL-3.0-or-later
#include "maintenance/DesktopShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <QUrl>

namespace lynvar {
namespace {

constexpr qsizetype OutputCap = 1 << 20;
// After a kill the process ends at once; this only guards against a system that never says so.
constexpr int AfterKillMs = 5000;

void keepTail(QByteArray &output, const QByteArray &more)
{
    output += more;
    if (output.size() > OutputCap)
        output.remove(0, output.size() - OutputCap);
}

QString lastLines(const QByteArray &output, int count)
{
    QStringList lines = QString::fromLocal8Bit(output).split(u'\n', Qt::SkipEmptyParts);
    for (QString &line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    return lines.mid(std::max<qsizetype>(0, lines.size() - count)).join(u'\n');
}

} // namespace

bool DesktopShell::openTarget(const QString &target)
{
    if (target.isEmpty())
        return false;
    const QUrl url =
        QDir::isAbsolutePath(target) ? QUrl::fromLocalFile(target) : QUrl(target, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty())
        return false;
    return QDesktopServices::openUrl(url);
}

ProcessResult DesktopShell::runAndWait(const QString &program, const QStringList &arguments,
                                       const QString &workingFolder, int timeoutMs)
{
    ProcessResult result;
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    // Nothing to answer a question with: a program that asks one reads the end of its input.
    process.setStandardInputFile(QProcess::nullDevice());

    QEventLoop loop;
    bool ended = false;
    bool failedToStart = false;
    QObject::connect(&process, &QProcess::readyReadStandardOutput, &loop,
                     [&] { keepTail(result.output, process.readAllStandardOutput()); });
    QObject::connect(&process, &QProcess::finished, &loop, [&] {
        ended = true;
        loop.quit();
    });
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        failedToStart = ended = true;
        loop.quit();
    });
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, [&] {
        if (result.timedOut) { // killed, and still no end reported
            loop.quit();
            return;
        }
        result.timedOut = true;
        process.kill();
        limit.start(AfterKillMs);
    });

    process.start();
    if (!ended) {
        limit.start(std::max(0, timeoutMs));
        // The windows keep painting; clicks and keys wait until the program has ended.
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    limit.stop();

    result.started = !failedToStart;
    if (failedToStart) {
        result.errorText = QStringLiteral("Could not start %1: %2").arg(program, process.errorString());
        return result;
    }
    keepTail(result.output, process.readAllStandardOutput());
    if (result.timedOut) {
        result.errorText = QStringLiteral("%1 did not end within %2 s and was stopped")
                               .arg(QFileInfo(program).fileName())
                               .arg(timeoutMs / 1000);
        return result;
    }
    if (process.exitStatus() == QProcess::CrashExit) {
        result.crashed = true;
        result.errorText =
            QStringLiteral("%1 was ended before it finished").arg(QFileInfo(program).fileName());
        return result;
    }
    result.exitCode = process.exitCode();
    if (result.exitCode != 0) {
        result.errorText = QStringLiteral("%1 ended with exit status %2")
                               .arg(QFileInfo(program).fileName())
                               .arg(result.exitCode);
        const QString said = lastLines(result.output, 3);
        if (!said.isEmpty())
            result.errorText += QStringLiteral(": ") + said;
    }
    return result;
}

bool DesktopShell::isStrictlyInside(const QString &root, const QString &path)
{
    const QString canonicalRoot = QFileInfo(root).canonicalFilePath();
    if (canonicalRoot.isEmpty() || path.isEmpty())
        return false;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    // ".." would be resolved by text here but through links by the system: never accept it.
    if (absolute.split(u'/').contains(QStringLiteral("..")))
        return false;
    const QFileInfo entry(QDir::cleanPath(absolute));
    const QString name = entry.fileName();
    if (name.isEmpty() || name == u".")
        return false;
    // The folders above the entry are followed as the system would; the entry itself is not.
    const QString parent = QFileInfo(entry.path()).canonicalFilePath();
    if (parent.isEmpty())
        return false;
    const QString inside = parent + u'/' + name;
    return inside.startsWith(canonicalRoot + u'/') && inside.size() > canonicalRoot.size() + 1;
}

bool DesktopShell::removeTreeInside(const QString &root, const QString &path)
{
    if (!isStrictlyInside(root, path))
        return false;
    const QFileInfo entry(path);
    if (entry.isSymLink() || !entry.isDir())
        return QFile::remove(path); // a link goes, never what it points at
    // Qt removes links inside the tree as links, without following them.
    return QDir(path).removeRecursively();
}

} // namespace lynvar
