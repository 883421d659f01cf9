// SPDX-License-Identifier: GPL-3.0-or-later
#include "maintenance/CommandLine.h"

#include "common/Clock.h"
#include "maintenance/Archiver.h"
#include "maintenance/Backup.h"
#include "maintenance/DataStoreControl.h"
#include "maintenance/DesktopShell.h"
#include "maintenance/Restore.h"

#include <QDir>
#include <QTextStream>

namespace lynvar {
namespace {

const QString Usage = QStringLiteral(
    "Usage: lynvarbook [--backup | --restore ARCHIVE | --version | --help]\n"
    "Run in the program folder. Without a command the program's window opens.\n"
    "  --backup           back up data/ into a zip archive in copy/ and print the archive's path\n"
    "  --restore ARCHIVE  put the data of a backup archive in place of data/; the data replaced\n"
    "                     are kept in copy/\n"
    "  --version          print the program's version\n"
    "  --help             print this help\n");

// A console run has nobody to acknowledge a message and no window to keep painting.
class QuietFeedback final : public MaintenanceFeedback
{
public:
    void message(const QString &) override {}
    void progress(const QString &) override {}
    void done() override {}
};

} // namespace

QString programVersion()
{
    return QStringLiteral(LYNVAR_VERSION);
}

bool isCommandLineRun(const QStringList &arguments)
{
    for (const QString &argument : arguments)
        if (argument.startsWith(QStringLiteral("--")) || argument == u"-h")
            return true;
    return false;
}

int runCommandLine(const QStringList &arguments, const QString &programFolder)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString command = arguments.value(0);
    const auto usageError = [&](const QString &why) {
        err << "lynvarbook: " << why << "\n" << Usage;
        return 2;
    };

    if ((command == u"--help" || command == u"-h") && arguments.size() == 1) {
        out << Usage;
        return 0;
    }
    if (command == u"--version" && arguments.size() == 1) {
        out << "LynvarBook " << programVersion() << "\n";
        return 0;
    }

    DesktopShell shell;
    SystemClock clock;
    QuietFeedback feedback;
    try {
        if (command == u"--backup" && arguments.size() == 1) {
            // The data did not change: nothing to prove by opening every table afterwards.
            FolderDataStore store(programFolder, false);
            Backup backup(programFolder, shell, clock);
            const BackupOutcome outcome = backup.run(store, feedback);
            if (!outcome.ok) {
                err << "lynvarbook: " << outcome.failure << "\n";
                return 1;
            }
            if (outcome.copyLeftBehind)
                err << "lynvarbook: " << QDir::toNativeSeparators(outcome.copyFolder)
                    << " could not be removed\n";
            out << QDir::toNativeSeparators(outcome.archive) << "\n";
            return 0;
        }
        if (command == u"--restore" && arguments.size() == 2) {
            FolderDataStore store(programFolder);
            Restore restore(programFolder, shell, clock);
            const RestoreOutcome outcome =
                restore.run(QDir(programFolder).absoluteFilePath(arguments[1]), store, feedback);
            if (!outcome.ok) {
                err << "lynvarbook: " << outcome.failure << "\n";
                return 1;
            }
            out << "Restored from " << QDir::toNativeSeparators(arguments[1]) << "\n";
            if (!outcome.previousData.isEmpty())
                out << "The data replaced are kept in " << QDir::toNativeSeparators(outcome.previousData)
                    << "\n";
            return 0;
        }
    } catch (const std::exception &e) {
        err << "lynvarbook: " << QString::fromUtf8(e.what()) << "\n";
        return 1;
    }
    return usageError(arguments.join(u' ').isEmpty()
                          ? QStringLiteral("no command")
                          : QStringLiteral("not understood: ") + arguments.join(u' '));
}

} // namespace lynvar
