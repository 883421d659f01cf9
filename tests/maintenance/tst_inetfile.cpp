// SPDX-License-Identifier: GPL-3.0-or-later
// The internet file reader and the network seam's real side against a server of the test's own on
// 127.0.0.1: answers of every shape, and servers that misbehave, all within the limits.
#include "maintenance/CurlNetwork.h"
#include "maintenance/TInetFile.h"
#include "tests/maintenance/LocalHttpServer.h"

#include <QtTest>

using namespace lynvar;
using namespace lynvar::test;
using Reply = LocalHttpServer::Reply;
Q_DECLARE_METATYPE(Reply)

namespace {

// Short limits, so a misbehaving server costs the test about a second.
FetchLimits quick(qint64 maxBytes = 1 << 20)
{
    FetchLimits limits;
    limits.connectTimeoutMs = 2000;
    limits.transferTimeoutMs = 1000;
    limits.maxBytes = maxBytes;
    return limits;
}

QByteArray versionFile(int number, int paddingBefore = 0)
{
    return QByteArray(paddingBefore, ';') + "\r\n[Version]\r\nNamberVersion=" + QByteArray::number(number) +
           "\r\n";
}

QByteArray readAll(TInetFile &file)
{
    QByteArray all;
    char buffer[700];
    for (qint64 n; (n = file.Read(buffer, sizeof buffer)) > 0;)
        all.append(buffer, n);
    return all;
}

} // namespace

class TestInetFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The test's server is reached directly, whatever proxy the machine names.
        for (const char *name :
             {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            qunsetenv(name);
    }

    void answers_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<Reply>("reply");
        QTest::addColumn<qint64>("cap");
        QTest::addColumn<int>("opened");
        QTest::addColumn<int>("status");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("truncated");

        const QByteArray file = versionFile(10001);
        const QByteArray long3k = versionFile(10002, 3000);
        QTest::newRow("with a length") << QByteArray("/v") << LocalHttpServer::ok(file) << qint64(1 << 20)
                                       << 0 << 200 << qint64(file.size()) << file << false;
        QTest::newRow("without a length") << QByteArray("/v") << LocalHttpServer::ok(file, false)
                                          << qint64(1 << 20) << 0 << 200 << qint64(-1) << file << false;
        QTest::newRow("an error page is still an answer")
            << QByteArray("/v") << LocalHttpServer::status(404, "<html>gone</html>") << qint64(1 << 20) << 0
            << 404 << qint64(17) << QByteArray("<html>gone</html>") << false;
        QTest::newRow("many small pieces") << QByteArray("/v") << LocalHttpServer::ok(long3k, false, 7, 1)
                                           << qint64(1 << 20) << 0 << 200 << qint64(-1) << long3k << false;
        QTest::newRow("a body at the cap is whole")
            << QByteArray("/v") << LocalHttpServer::ok(file) << qint64(file.size()) << 0 << 200
            << qint64(file.size()) << file << false;
        QTest::newRow("an endless body is capped")
            << QByteArray("/v") << LocalHttpServer::endless() << qint64(65536) << 0 << 200 << qint64(-1)
            << QByteArray(65536, 'x') << true;
        QTest::newRow("one redirection is followed")
            << QByteArray("/old") << LocalHttpServer::redirect("/v2") << qint64(1 << 20) << 0 << 200
            << qint64(file.size()) << file << false;
        QTest::newRow("a redirection loop is refused")
            << QByteArray("/loop") << LocalHttpServer::redirect("/loop") << qint64(1 << 20) << 2 << 0
            << qint64(-1) << QByteArray() << false;
        QTest::newRow("a redirection to a local file is refused")
            << QByteArray("/v") << LocalHttpServer::redirect("file:///etc/passwd") << qint64(1 << 20) << 2
            << 0 << qint64(-1) << QByteArray() << false;
        QTest::newRow("a server that never answers is refused")
            << QByteArray("/v") << LocalHttpServer::silent() << qint64(1 << 20) << 2 << 0 << qint64(-1)
            << QByteArray() << false;
    }

    void answers()
    {
        QFETCH(int, opened);
        QFETCH(int, status);
        QFETCH(qint64, size);
        QFETCH(QByteArray, body);
        QFETCH(bool, truncated);
        QFETCH(QByteArray, path);
        QFETCH(Reply, reply);
        QFETCH(qint64, cap);
        LocalHttpServer server;
        server.route(path, reply);
        server.route("/v2", LocalHttpServer::ok(versionFile(10001)));

        TInetFile file(quick(cap));
        QCOMPARE(file.OpenUrl(server.url(QString::fromLatin1(path))), opened);
        QCOMPARE(file.status(), status);
        QCOMPARE(file.QuerySize(), size);
        QCOMPARE(readAll(file), body);
        QCOMPARE(file.truncated(), truncated);
        QVERIFY(file.atEnd());
        if (QTest::currentDataTag() == QByteArray("a redirection loop is refused"))
            QCOMPARE(server.requests("/loop"), 1 + 5); // the first request and five redirections
    }

    void refusedAddresses_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<int>("protocol");
        QTest::newRow("nobody listens") << QStringLiteral("http://127.0.0.1:%1/v") << 2;
        QTest::newRow("ftp in lower case") << QStringLiteral("ftp://127.0.0.1:%1/v") << 1;
        QTest::newRow("FTP:// anywhere in the address")
            << QStringLiteral("http://127.0.0.1:%1/?from=FTP://x") << 1;
        QTest::newRow("a scheme not offered") << QStringLiteral("file:///etc/passwd%1") << 2;
        QTest::newRow("not an address") << QStringLiteral("::%1::") << 2;
    }

    void refusedAddresses()
    {
        QFETCH(int, protocol);
        QFETCH(QString, url);
        quint16 closedPort = 0;
        {
            LocalHttpServer gone; // a port that was just free, and is again
            closedPort = gone.port();
        }
        TInetFile file(quick());
        QCOMPARE(file.OpenUrl(url.arg(url.startsWith(u"file") ? QString() : QString::number(closedPort))), 2);
        QCOMPARE(file.protocol(), protocol);
        char byte = 0;
        QCOMPARE(file.Read(&byte, 1), qint64(0));
        QCOMPARE(file.QuerySize(), qint64(-1));
        QVERIFY(!file.errorText().isEmpty());
    }

    void streamRules()
    {
        LocalHttpServer server;
        server.route("/v", LocalHttpServer::ok(versionFile(10001, 3000), false, 100, 10));
        TInetFile never;
        QCOMPARE(never.protocol(), 0);
        QVERIFY(never.atEnd());
        QCOMPARE(never.Write("abc", 3), qint64(0));

        TInetFile file;
        QCOMPARE(file.OpenUrl(server.url(QStringLiteral("/v"))), 0);
        QCOMPARE(server.lastAgent(), QByteArray("LynvarBook"));
        char buffer[2048];
        QCOMPARE(file.Read(buffer, 0), qint64(0));
        QVERIFY(!file.atEnd()); // a read of nothing is not the end
        const qint64 first = file.Read(buffer, sizeof buffer);
        QVERIFY2(first > 0 && first < qint64(sizeof buffer),
                 "one read brings what has come, not all that is asked");
        QCOMPARE(file.Write(buffer, first), qint64(0));
        readAll(file);
        QVERIFY(file.atEnd());
        QCOMPARE(file.position(), qint64(versionFile(10001, 3000).size()));
        QCOMPARE(file.Read(buffer, 1), qint64(0));
    }

    void networkSeam_data()
    {
        QTest::addColumn<Reply>("reply");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("bodySize");
        QTest::newRow("a file") << LocalHttpServer::ok("abc") << true << 3;
        QTest::newRow("an error page") << LocalHttpServer::status(500, "broken") << false << 6;
        QTest::newRow("capped") << LocalHttpServer::endless() << true << 4096;
        QTest::newRow("no answer") << LocalHttpServer::silent() << false << 0;
    }

    void networkSeam()
    {
        QFETCH(bool, ok);
        QFETCH(int, bodySize);
        QFETCH(Reply, reply);
        LocalHttpServer server;
        server.route("/f", reply);
        CurlNetwork network;
        const FetchResult result = network.fetch(server.url(QStringLiteral("/f")), quick(4096));
        QCOMPARE(result.ok, ok);
        QCOMPARE(int(result.body.size()), bodySize);
        QCOMPARE(result.truncated, reply.kind == Reply::Endless);
        QCOMPARE(result.errorText.isEmpty(), result.ok);
    }
};

QTEST_GUILESS_MAIN(TestInetFile)
#include "tst_inetfile.moc"
