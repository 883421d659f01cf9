// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace lynvar::test {

// A throw-away HTTP server on 127.0.0.1 for one test, on plain sockets in threads of its own, so
// it answers whatever the caller's thread is doing. Each path gets a scripted answer, including
// the hostile ones: a server that accepts and never answers, and a body without end.
class LocalHttpServer
{
public:
    struct Reply
    {
        enum Kind
        {
            Normal,
            Silent,  // accepts, reads the request, never answers
            Endless, // headers, then data until the client goes
        };
        Kind kind = Normal;
        QByteArray head; // status line and headers, without the blank line
        QByteArray body;
        int chunk = 0;   // sent in pieces of this many bytes (0: at once)
        int pauseMs = 0; // between pieces
    };

    static Reply ok(const QByteArray &body, bool withLength = true, int chunk = 0, int pauseMs = 0);
    static Reply status(int code, const QByteArray &body);
    static Reply redirect(const QByteArray &location);
    static Reply silent();
    static Reply endless();

    LocalHttpServer();
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer &) = delete;
    LocalHttpServer &operator=(const LocalHttpServer &) = delete;

    void route(const QByteArray &path, const Reply &reply);
    quint16 port() const { return m_port; }
    QString url(const QString &path) const;
    // How many requests came for `path`, and the agent name of the last request.
    int requests(const QByteArray &path);
    QByteArray lastAgent();

private:
    void acceptLoop();
    void serve(int socket);

    int m_listener = -1;
    quint16 m_port = 0;
    std::atomic<bool> m_stopping{false};
    std::thread m_acceptor;
    std::mutex m_mutex;
    std::vector<std::thread> m_connections;
    QMap<QByteArray, Reply> m_routes;
    QMap<QByteArray, int> m_requests;
    QByteArray m_lastAgent;
};

} // namespace lynvar::test
