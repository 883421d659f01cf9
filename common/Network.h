// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace lynvar {

struct FetchLimits
{
    int connectTimeoutMs = 10'000;
    int transferTimeoutMs = 30'000;
    qint64 maxBytes = 1 << 20; // more is cut off, and `truncated` says so
    int maxRedirects = 5;
};

struct FetchResult
{
    bool ok = false;          // a answer came and it was not an error status
    int status = 0;           // HTTP status, or 0 where the protocol has none
    qint64 declaredSize = -1; // the length the server announced, -1 without one
    QByteArray body;
    bool truncated = false;
    QString errorText; // why it failed, for the user
};

// Reading a file over HTTP, HTTPS or FTP, always within time and size limits. The application
// owns the real reader; tests install a fake, or start a server of their own on 127.0.0.1.
class Network
{
public:
    virtual ~Network() = default;

    [[nodiscard]] virtual FetchResult fetch(const QString &url, const FetchLimits &limits = {}) = 0;
};

} // namespace lynvar
