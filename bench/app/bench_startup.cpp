// SPDX-License-Identifier: GPL-3.0-or-later
// Time from process start to the main window shown (offscreen, shipped data), against a bare Qt
// window program linked with the same libraries, in one run.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

extern char **environ;

namespace {

// A program folder laid out from the shipped files, with the first run already done.
const QString &programFolder()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString shipped = QStringLiteral(LYNVAR_SHIPPED_DIR);
        QDir().mkpath(dir.filePath(QStringLiteral("data")));
        QDir().mkpath(dir.filePath(QStringLiteral("newbd")));
        QFile::copy(shipped + QStringLiteral("/data/lynvarbook.db"), dir.filePath(QStringLiteral("data/lynvarbook.db")));
        QFile::copy(shipped + QStringLiteral("/newbd/lynvarzapys.db"), dir.filePath(QStringLiteral("data/lynvarzapys.db")));
        QFile::copy(shipped + QStringLiteral("/options.ini"), dir.filePath(QStringLiteral("options.ini")));
        return dir.path();
    }();
    return path;
}

void runProcess(benchmark::State &state, const char *program)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QByteArray folder = programFolder().toUtf8();
    for (auto _ : state) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addchdir_np(&actions, folder.constData());
        char *argv[] = {const_cast<char *>(program), nullptr};
        pid_t pid = 0;
        if (posix_spawn(&pid, program, &actions, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot start the probe");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        posix_spawn_file_actions_destroy(&actions);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the probe failed");
            break;
        }
    }
}

void BM_StartupLynvarBook(benchmark::State &state) { runProcess(state, LYNVAR_PROBE); }
void BM_StartupBareQtWindow(benchmark::State &state) { runProcess(state, LYNVAR_BARE); }

BENCHMARK(BM_StartupBareQtWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_StartupLynvarBook)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

} // namespace

BENCHMARK_MAIN();
