// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line, run as the program in a program folder and without any display,
// as cron would run it.
#include "tests/support/ProgramFolder.h"

#include <QProcess>
#include <QtTest>

using namespace lynvar::test;

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run lynvarbook(const ProgramFolder &folder, const QStringList &arguments)
{
    QProcess process;
    process.setProgram(QStringLiteral(LYNVAR_PROGRAM));
    process.setArguments(arguments);
    process.setWorkingDirectory(folder.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start();
    if (!process.waitForFinished(120000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commands_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("printed");
        QTest::newRow("version") << QStringList{QStringLiteral("--version")} << 0
                                 << QByteArray("LynvarBook ");
        QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0
                              << QByteArray("--restore ARCHIVE");
        QTest::newRow("not understood") << QStringList{QStringLiteral("--bakup")} << 2 << QByteArray("Usage");
        QTest::newRow("restore without an archive")
            << QStringList{QStringLiteral("--restore")} << 2 << QByteArray("Usage");
        QTest::newRow("restore of no archive")
            << QStringList{QStringLiteral("--restore"), QStringLiteral("copy/none.zip")} << 1
            << QByteArray("none.zip");
    }

    void commands()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, printed);
        const ProgramFolder folder;
        const Run run = lynvarbook(folder, arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2((run.out + run.err).contains(printed), (run.out + run.err).constData());
    }

    void backupAndRestore()
    {
        const ProgramFolder folder;
        QFile::copy(folder.file(QStringLiteral("newbd/lynvarzapys.db")),
                    folder.file(QStringLiteral("data/lynvarzapys.db")));
        const Run backup = lynvarbook(folder, {QStringLiteral("--backup")});
        QCOMPARE(backup.exitCode, 0);
        const QString archive = QString::fromLocal8Bit(backup.out).trimmed();
        QVERIFY2(archive.startsWith(folder.file(QStringLiteral("copy/"))) && QFileInfo(archive).isFile(),
                 backup.out.constData());

        folder.writeFile(QStringLiteral("data/after.txt"), "after");
        const Run restore = lynvarbook(folder, {QStringLiteral("--restore"), archive});
        QCOMPARE(restore.exitCode, 0);
        QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("data/after.txt"))));
        QVERIFY(restore.out.contains("copy/data-before-restore"));

        // An archiver that fails: no archive is announced and the exit status says so.
        folder.writeFile(QStringLiteral("7za"), "#!/bin/sh\nexit 2\n");
        QFile::setPermissions(folder.file(QStringLiteral("7za")),
                              QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const Run failed = lynvarbook(folder, {QStringLiteral("--backup")});
        QCOMPARE(failed.exitCode, 1);
        QVERIFY(failed.out.isEmpty());
        QVERIFY(!failed.err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
