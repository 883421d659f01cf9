// SPDX-License-Identifier: GPL-3.0-or-later
// The new-version check against a version file served on 127.0.0.1: the installed and remote
// numbers, the question and the download page, lastvers.ini, and servers that misbehave.
#include "common/Error.h"
#include "common/IniFile.h"
#include "maintenance/CurlNetwork.h"
#include "maintenance/MaintenanceTexts.h"
#include "maintenance/VersionCheck.h"
#include "tests/maintenance/LocalHttpServer.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeServices.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace lynvar;
using namespace lynvar::test;
using Reply = LocalHttpServer::Reply;
Q_DECLARE_METATYPE(Reply)

namespace {

QByteArray versionFile(const QByteArray &number, int paddingBefore = 0)
{
    return QByteArray(paddingBefore, ';') + "\r\n[Version]\r\nNamberVersion=" + number + "\r\n";
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestVersionCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        for (const char *name : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"})
            qunsetenv(name);
    }

    void check_data()
    {
        QTest::addColumn<QByteArray>("installed"); // the options.ini line, or nothing
        QTest::addColumn<Reply>("reply");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("opened");

        const QByteArray v10001 = versionFile("10001");
        QTest::newRow("newer, Yes") << QByteArray("NamberVersion=10000") << LocalHttpServer::ok(v10001)
                                    << true << true << true;
        QTest::newRow("newer, No") << QByteArray("NamberVersion=10000") << LocalHttpServer::ok(v10001)
                                   << false << true << false;
        QTest::newRow("the same") << QByteArray("NamberVersion=10001") << LocalHttpServer::ok(v10001) << true
                                  << false << false;
        QTest::newRow("older") << QByteArray("NamberVersion=10002") << LocalHttpServer::ok(v10001) << true
                               << false << false;
        QTest::newRow("nothing installed, 10000 remote")
            << QByteArray() << LocalHttpServer::ok(versionFile("10000")) << true << false << false;
        QTest::newRow("in many small pieces")
            << QByteArray("NamberVersion=10000")
            << LocalHttpServer::ok(versionFile("10001", 1500), false, 16, 1) << true << true << true;
        QTest::newRow("beyond the first 2048 bytes")
            << QByteArray("NamberVersion=10000") << LocalHttpServer::ok(versionFile("10001", 2100)) << true
            << false << false;
        QTest::newRow("an error page")
            << QByteArray("NamberVersion=10000") << LocalHttpServer::status(404, "<html>no</html>") << true
            << false << false;
        QTest::newRow("a server that never answers")
            << QByteArray("NamberVersion=10000") << LocalHttpServer::silent() << true << false << false;
        QTest::newRow("an endless body")
            << QByteArray("NamberVersion=10000") << LocalHttpServer::endless() << true << false << false;
    }

    void check()
    {
        QFETCH(bool, answer);
        QFETCH(bool, asked);
        QFETCH(bool, opened);
        QFETCH(QByteArray, installed);
        QFETCH(Reply, reply);
        LocalHttpServer server;
        server.route("/downloads/lynvarbook.ini", reply);
        QTemporaryDir folder;
        writeFile(folder.filePath(QStringLiteral("options.ini")), "[Install]\r\n" + installed + "\r\n");
        writeFile(folder.filePath(QStringLiteral("services.ini")),
                  "[Maker]\r\nSite=https://maker.example\r\nVersionServer=" + server.url({}).toLatin1() +
                      "\r\n");

        IniFile settings(folder.filePath(QStringLiteral("options.ini")));
        CurlNetwork network;
        FakeShell shell;
        FakeDialogs dialogs;
        dialogs.nextAnswer = answer;
        const MaintenanceTexts texts;
        VersionCheck check(folder.path(), settings, network, shell, dialogs, texts);
        FetchLimits limits;
        limits.transferTimeoutMs = reply.kind == Reply::Silent ? 1000 : 20000;
        check.setLimits(limits);
        check.MenuNewVersionClick();

        QCOMPARE(dialogs.questions, asked ? QStringList{texts.MessageNewVersionTrue} : QStringList());
        QCOMPARE(dialogs.questionCaptions.size(), dialogs.questions.size());
        QCOMPARE(shell.opened,
                 opened ? QStringList{QStringLiteral("https://maker.example/lynvarbook/?lynvarbook")}
                        : QStringList());
        // lastvers.ini holds what the server sent, at most 2048 bytes of it.
        QFile copy(folder.filePath(QStringLiteral("lastvers.ini")));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        const QByteArray expected = reply.kind == Reply::Normal    ? reply.body.left(2048)
                                    : reply.kind == Reply::Endless ? QByteArray(2048, 'x')
                                                                   : QByteArray();
        QCOMPARE(copy.readAll(), expected);
    }

    void notANumber_data()
    {
        QTest::addColumn<QByteArray>("installed");
        QTest::addColumn<QByteArray>("remote");
        QTest::addColumn<QString>("named");
        QTest::newRow("installed") << QByteArray("abc") << QByteArray("10001") << QStringLiteral("'abc'");
        QTest::newRow("remote") << QByteArray("10000") << QByteArray("1.5e4") << QStringLiteral("'1.5e4'");
    }

    void notANumber()
    {
        QFETCH(QByteArray, remote);
        QFETCH(QString, named);
        QFETCH(QByteArray, installed);
        LocalHttpServer server;
        server.route("/downloads/lynvarbook.ini", LocalHttpServer::ok(versionFile(remote)));
        QTemporaryDir folder;
        writeFile(folder.filePath(QStringLiteral("options.ini")),
                  "[Install]\r\nNamberVersion=" + installed + "\r\n");
        writeFile(folder.filePath(QStringLiteral("services.ini")),
                  "[Maker]\r\nVersionServer=" + server.url({}).toLatin1() + "\r\n");
        IniFile settings(folder.filePath(QStringLiteral("options.ini")));
        CurlNetwork network;
        FakeShell shell;
        FakeDialogs dialogs;
        const MaintenanceTexts texts;
        VersionCheck check(folder.path(), settings, network, shell, dialogs, texts);
        try {
            check.MenuNewVersionClick();
            QFAIL("a version number that is not one was accepted");
        } catch (const Error &e) {
            QVERIFY2(e.message().contains(named), qPrintable(e.message()));
        }
        QVERIFY(dialogs.questions.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestVersionCheck)
#include "tst_versioncheck.moc"
