// SPDX-License-Identifier: GPL-3.0-or-later
// The real desktop shell: programs run from argument lists within a time limit while events go on,
// and folder trees removed only strictly inside their root, links never followed.
#include "maintenance/DesktopShell.h"

#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace lynvar;

class TestShell : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void runAndWait_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<bool>("started");
        QTest::addColumn<bool>("timedOut");
        QTest::addColumn<bool>("crashed");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("output");
        const QString sh = QStringLiteral("/bin/sh");
        const auto c = [](const char *script) {
            return QStringList{QStringLiteral("-c"), QString::fromUtf8(script)};
        };
        QTest::newRow("ends well") << sh << c("echo done") << 10000 << true << false << false << 0
                                   << QByteArray("done\n");
        QTest::newRow("exit status") << sh << c("echo why >&2; exit 3") << 10000 << true << false << false
                                     << 3 << QByteArray("why\n");
        QTest::newRow("killed") << sh << c("kill -9 $$") << 10000 << true << false << true << -1
                                << QByteArray();
        QTest::newRow("over its time")
            << sh << c("sleep 30") << 300 << true << true << false << -1 << QByteArray();
        QTest::newRow("a question finds no answer") << QStringLiteral("/bin/cat") << QStringList() << 10000
                                                    << true << false << false << 0 << QByteArray();
        QTest::newRow("arguments stay whole")
            << sh
            << QStringList({QStringLiteral("-c"), QStringLiteral("printf '%s|' \"$@\""), QStringLiteral("sh"),
                            QStringLiteral("a b"), QStringLiteral("\"q\" $HOME;x")})
            << 10000 << true << false << false << 0 << QByteArray("a b|\"q\" $HOME;x|");
        QTest::newRow("no such program") << QStringLiteral("/nonexistent/7za") << QStringList() << 10000
                                         << false << false << false << -1 << QByteArray();
    }

    void runAndWait()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(bool, started);
        QFETCH(bool, timedOut);
        QFETCH(bool, crashed);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, output);
        QFETCH(int, timeoutMs);
        DesktopShell shell;
        int ticks = 0;
        QTimer tick;
        connect(&tick, &QTimer::timeout, this, [&] { ++ticks; });
        tick.start(10);
        const ProcessResult r = shell.runAndWait(program, arguments, QString(), timeoutMs);
        QCOMPARE(r.started, started);
        QCOMPARE(r.timedOut, timedOut);
        QCOMPARE(r.crashed, crashed);
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(r.output, output);
        QCOMPARE(r.errorText.isEmpty(), r.succeeded());
        if (QTest::currentDataTag() == QByteArray("over its time"))
            QVERIFY2(ticks > 0, "events were handled while the program ran");
    }

    void removeTreeInside_data()
    {
        QTest::addColumn<QString>("path"); // under the temporary folder; the root is "root"
        QTest::addColumn<bool>("removed");
        QTest::newRow("a tree inside") << QStringLiteral("root/tree") << true;
        QTest::newRow("the root itself") << QStringLiteral("root") << false;
        QTest::newRow("beside the root") << QStringLiteral("outside") << false;
        QTest::newRow("a sibling sharing the name") << QStringLiteral("rootless") << false;
        QTest::newRow("out by ..") << QStringLiteral("root/tree/../../outside") << false;
        QTest::newRow("through a link that leaves") << QStringLiteral("root/away/victim") << false;
        QTest::newRow("a link inside, to outside") << QStringLiteral("root/away") << true;
    }

    void removeTreeInside()
    {
        QFETCH(bool, removed);
        QTemporaryDir temp;
        const auto at = [&](const QString &p) { return temp.filePath(p); };
        for (const char *dir : {"root/tree/sub", "outside/victim", "rootless"})
            QDir().mkpath(at(QString::fromLatin1(dir)));
        for (const char *file : {"root/tree/sub/.hidden", "outside/victim/keep.txt", "rootless/keep.txt"}) {
            QFile f(at(QString::fromLatin1(file)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        // Links inside the tree and at its top lead out; removing must take the links only.
        QVERIFY(QFile::link(at(QStringLiteral("outside")), at(QStringLiteral("root/tree/sub/link"))));
        QVERIFY(QFile::link(at(QStringLiteral("outside")), at(QStringLiteral("root/away"))));

        QFETCH(QString, path);
        DesktopShell shell;
        QCOMPARE(shell.removeTreeInside(at(QStringLiteral("root")), at(path)), removed);
        QCOMPARE(QFileInfo::exists(at(path)) || QFileInfo(at(path)).isSymLink(), !removed);
        QVERIFY(QFileInfo::exists(at(QStringLiteral("outside/victim/keep.txt"))));
        QVERIFY(QFileInfo::exists(at(QStringLiteral("rootless/keep.txt"))));
        QVERIFY(QFileInfo::exists(at(QStringLiteral("root"))));
    }

    void openTargetRefusesWhatIsNoTarget()
    {
        DesktopShell shell;
        QVERIFY(!shell.openTarget(QString()));
        QVERIFY(!shell.openTarget(QStringLiteral("no scheme here")));
    }
};

QTEST_GUILESS_MAIN(TestShell)
#include "tst_shell.moc"
