// SPDX-License-Identifier: GPL-3.0-or-later
// Time from process start to the main window shown (offscreen, shipped data), against a bare Qt
// window program linked with the same libraries, in one run.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

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
        QFile::copy(shipped + QStringLiteral("/data/lynvarbook.db"),
                    dir.filePath(QStringLiteral("data/lynvarbook.db")));
        QFile::copy(shipped + QStringLiteral("/newbd/lynvarzapys.db"),
                    dir.filePath(QStringLiteral("data/lynvarzapys.db")));
        QFile::copy(shipped + QStringLiteral("/options.ini"), dir.filePath(QStringLiteral("options.ini")));
        return dir.path();
    }();
    return path;
}

// Times each start from the spawn to the byte the probe writes once its window is shown, so the
// teardown after it is not counted.
void runProcess(benchmark::State &state, const char *program)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QByteArray folder = programFolder().toUtf8();
    for (auto _ : state) {
        int shown[2];
        if (pipe(shown) != 0) {
            state.SkipWithError("no pipe");
            break;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addchdir_np(&actions, folder.constData());
        posix_spawn_file_actions_adddup2(&actions, shown[1], 3);
        char *argv[] = {const_cast<char *>(program), nullptr};
        pid_t pid = 0;
        const auto start = std::chrono::steady_clock::now();
        const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
        close(shown[1]);
        char byte = 0;
        const bool wasShown = spawned == 0 && read(shown[0], &byte, 1) == 1;
        const auto end = std::chrono::steady_clock::now();
        close(shown[0]);
        int status = 0;
        if (spawned == 0)
            waitpid(pid, &status, 0);
        posix_spawn_file_actions_destroy(&actions);
        if (!wasShown || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the probe failed");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}

void BM_StartupLynvarBook(benchmark::State &state)
{
    runProcess(state, LYNVAR_PROBE);
}
void BM_StartupBareQtWindow(benchmark::State &state)
{
    runProcess(state, LYNVAR_BARE);
}

BENCHMARK(BM_StartupBareQtWindow)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(3.0);
BENCHMARK(BM_StartupLynvarBook)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(3.0);

} // namespace

BENCHMARK_MAIN();
