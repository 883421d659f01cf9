// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Network.h"

#include <QByteArray>
#include <QString>

namespace lynvar {

/*
 * A read-only byte stream over a file on the internet (HTTP, HTTPS or FTP), on libcurl.
 *
 * OpenUrl returns once the server has answered (the status of an HTTP answer is known: an error
 * page is still an open stream whose body Read delivers), or the open was refused. Read waits for
 * the next piece of data and delivers what has come, which may be fewer bytes than asked while
 * more follows; 0 means the end, and every later Read returns 0 without touching the network.
 *
 * Every wait has a limit: connecting (FetchLimits::connectTimeoutMs) and the whole transfer
 * (transferTimeoutMs). A limit met before the answer refuses the open; met later, it ends the
 * data. So do more than maxRedirects redirections, a scheme other than http, https and ftp (also
 * when a redirection leads there), and the byte cap: no more than maxBytes are ever delivered.
 * While it waits, the caller's thread keeps handling its events except the user's input, so the
 * windows keep painting and no command can start meanwhile.
 *
 * Not for sharing between threads. Seeking is not offered.
 */
class TInetFile final
{
public:
    explicit TInetFile(const FetchLimits &limits = {});
    ~TInetFile();
    TInetFile(const TInetFile &) = delete;
    TInetFile &operator=(const TInetFile &) = delete;

    // 0: open and readable; 1: no transfer could be set up; 2: the address was refused.
    int OpenUrl(const QString &url);
    // The size the server announced, -1 when it announced none (or nothing is open).
    qint64 QuerySize();
    // Up to `count` bytes into `buffer`; the number delivered, 0 at the end.
    qint64 Read(char *buffer, qint64 count);
    // Writing is not offered: always 0, nothing written.
    qint64 Write(const char *buffer, qint64 count);

    int protocol() const { return FProtocol; } // 0 before any open, 1 for FTP, 2 for any other
    bool atEnd() const { return FAtEnd; }
    qint64 position() const { return FPosition; }
    qint64 size() const { return FSize; }
    // The HTTP status of the answer, 0 before one or where the protocol has none.
    int status() const { return m_status; }
    // The data stopped at the byte cap.
    bool truncated() const { return m_truncated; }
    // Why the open was refused or the data ended early; empty after a clean end.
    const QString &errorText() const { return m_errorText; }

    static constexpr const char *AgentName = "LynvarBook";

private:
    struct Transfer;

    void closeHandles();
    // Lets the transfer go on until `enough` holds or it has finished.
    template <typename Enough> void driveUntil(Enough enough);

    Transfer *FUrlHandle = nullptr; // the open transfer, when there is one
    int FProtocol = 0;
    bool FAtEnd = true;
    qint64 FPosition = 0;
    qint64 FSize = 0;

    FetchLimits m_limits;
    int m_status = 0;
    bool m_truncated = false;
    QString m_errorText;
};

} // namespace lynvar
