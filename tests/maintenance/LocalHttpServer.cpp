// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/maintenance/LocalHttpServer.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace lynvar::test {
namespace {

constexpr int TickMs = 20;

// Sends everything unless the client goes or the server stops; never blocks for longer than a tick.
bool sendAll(int socket, const char *data, qsizetype size, const std::atomic<bool> &stopping)
{
    while (size > 0) {
        if (stopping)
            return false;
        const ssize_t sent = ::send(socket, data, size_t(size), MSG_NOSIGNAL);
        if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            continue;
        if (sent <= 0)
            return false;
        data += sent;
        size -= sent;
    }
    return true;
}

// Waits up to one tick for `socket` to become readable.
bool readable(int socket)
{
    pollfd p{socket, POLLIN, 0};
    return ::poll(&p, 1, TickMs) > 0;
}

} // namespace

LocalHttpServer::Reply LocalHttpServer::ok(const QByteArray &body, bool withLength, int chunk, int pauseMs)
{
    Reply r;
    r.head = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close";
    if (withLength)
        r.head += "\r\nContent-Length: " + QByteArray::number(body.size());
    r.body = body;
    r.chunk = chunk;
    r.pauseMs = pauseMs;
    return r;
}

LocalHttpServer::Reply LocalHttpServer::status(int code, const QByteArray &body)
{
    Reply r = ok(body);
    r.head.replace("200 OK", QByteArray::number(code) + " Status");
    return r;
}

LocalHttpServer::Reply LocalHttpServer::redirect(const QByteArray &location)
{
    Reply r = status(302, {});
    r.head += "\r\nLocation: " + location;
    return r;
}

LocalHttpServer::Reply LocalHttpServer::silent()
{
    Reply r;
    r.kind = Reply::Silent;
    return r;
}

LocalHttpServer::Reply LocalHttpServer::endless()
{
    Reply r = ok({}, false);
    r.kind = Reply::Endless;
    return r;
}

LocalHttpServer::LocalHttpServer()
{
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    ::bind(m_listener, reinterpret_cast<sockaddr *>(&address), sizeof address);
    ::listen(m_listener, 16);
    socklen_t length = sizeof address;
    ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length);
    m_port = ntohs(address.sin_port);
    m_acceptor = std::thread([this] { acceptLoop(); });
}

LocalHttpServer::~LocalHttpServer()
{
    m_stopping = true;
    m_acceptor.join();
    for (std::thread &t : m_connections)
        t.join();
    ::close(m_listener);
}

void LocalHttpServer::route(const QByteArray &path, const Reply &reply)
{
    const std::lock_guard lock(m_mutex);
    m_routes[path] = reply;
}

QString LocalHttpServer::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path);
}

int LocalHttpServer::requests(const QByteArray &path)
{
    const std::lock_guard lock(m_mutex);
    return m_requests.value(path);
}

QByteArray LocalHttpServer::lastAgent()
{
    const std::lock_guard lock(m_mutex);
    return m_lastAgent;
}

void LocalHttpServer::acceptLoop()
{
    while (!m_stopping) {
        if (!readable(m_listener))
            continue;
        const int socket = ::accept(m_listener, nullptr, nullptr);
        if (socket < 0)
            continue;
        const std::lock_guard lock(m_mutex);
        m_connections.emplace_back([this, socket] {
            serve(socket);
            ::close(socket);
        });
    }
}

void LocalHttpServer::serve(int socket)
{
    timeval tick{0, TickMs * 1000};
    ::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &tick, sizeof tick);
    QByteArray request;
    while (!m_stopping && !request.contains("\r\n\r\n")) {
        if (!readable(socket))
            continue;
        char buffer[1024];
        const ssize_t n = ::recv(socket, buffer, sizeof buffer, 0);
        if (n <= 0)
            return;
        request.append(buffer, n);
    }
    const QList<QByteArray> lines = request.split('\n');
    const QByteArray path = lines.value(0).split(' ').value(1);
    Reply reply;
    {
        const std::lock_guard lock(m_mutex);
        ++m_requests[path];
        for (const QByteArray &line : lines)
            if (line.toLower().startsWith("user-agent:"))
                m_lastAgent = line.mid(11).trimmed();
        reply = m_routes.value(path, status(404, "<html>no such page</html>"));
    }

    if (reply.kind == Reply::Silent) {
        // Holds the connection until the client gives up.
        while (!m_stopping) {
            if (readable(socket)) {
                char buffer[256];
                if (::recv(socket, buffer, sizeof buffer, 0) <= 0)
                    return;
            }
        }
        return;
    }
    const QByteArray head = reply.head + "\r\n\r\n";
    if (!sendAll(socket, head.constData(), head.size(), m_stopping))
        return;
    if (reply.kind == Reply::Endless) {
        const QByteArray block(4096, 'x');
        while (!m_stopping && sendAll(socket, block.constData(), block.size(), m_stopping)) {
        }
        return;
    }
    const qsizetype step = reply.chunk > 0 ? reply.chunk : std::max<qsizetype>(1, reply.body.size());
    for (qsizetype at = 0; at < reply.body.size() && !m_stopping; at += step) {
        if (!sendAll(socket, reply.body.constData() + at, std::min(step, reply.body.size() - at), m_stopping))
            return;
        if (reply.pauseMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(reply.pauseMs));
    }
}

} // namespace lynvar::test
