// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBuffer>
#include <QHash>
#include <QImage>
#include <QTcpServer>
#include <QTcpSocket>

namespace lynvar::test {

// Answers every request with one map tile and counts the tiles asked for.
class TileServer final : public QObject
{
public:
    TileServer()
    {
        QImage tile(256, 256, QImage::Format_RGB32);
        tile.fill(QColor(0xB5, 0xD0, 0xD0));
        QBuffer buffer(&m_tile);
        buffer.open(QIODevice::WriteOnly);
        tile.save(&buffer, "PNG");
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        });
        m_server.listen(QHostAddress::LocalHost);
    }

    QString tileAddress() const
    {
        return QStringLiteral("http://127.0.0.1:%1/{z}/{x}/{y}.png").arg(m_server.serverPort());
    }
    int tilesServed() const { return m_served; }

private:
    void answer(QTcpSocket *socket)
    {
        QByteArray &request = m_requests[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        m_requests.remove(socket);
        ++m_served;
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: image/png\r\nAccess-Control-Allow-Origin: *\r\n"
                      "Connection: close\r\nContent-Length: " +
                      QByteArray::number(m_tile.size()) + "\r\n\r\n" + m_tile);
        socket->disconnectFromHost();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }

    QTcpServer m_server;
    QByteArray m_tile;
    QHash<QTcpSocket *, QByteArray> m_requests;
    int m_served = 0;
};

} // namespace lynvar::test
