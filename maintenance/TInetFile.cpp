// SPDX-License-Identifier: GPL-3.0-or-later
#include "maintenance/TInetFile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QUrl>
#include <cstring>
#include <curl/curl.h>
#include <memory>

namespace lynvar {
namespace {

// How long one wait for the network lasts before the caller's events are handled again.
constexpr int PollMs = 15;
// curl keeps its own limits; this one only ends a wait should curl ever fail to.
constexpr int SafetyMarginMs = 5000;

bool startsWithNoCase(const char *data, size_t size, const char *prefix)
{
    const size_t n = std::strlen(prefix);
    return size >= n && qstrnicmp(data, prefix, n) == 0;
}

} // namespace

// One transfer: curl's multi handle (driven by us, never blocking for long) with its one easy handle.
struct TInetFile::Transfer
{
    CURLM *multi = nullptr;
    CURL *easy = nullptr;
    QByteArray pending; // received and not yet read
    qint64 taken = 0;   // body bytes taken in, never more than the cap
    qint64 cap = 0;
    bool answered = false;    // the final answer's headers, or its first data, have come
    bool sawLocation = false; // in the headers of the answer being read
    bool capped = false;
    bool done = false;
    CURLcode result = CURLE_OK;
    char errorBuffer[CURL_ERROR_SIZE] = {};

    ~Transfer()
    {
        if (multi && easy)
            curl_multi_remove_handle(multi, easy);
        if (easy)
            curl_easy_cleanup(easy);
        if (multi)
            curl_multi_cleanup(multi);
    }

    static size_t onBody(char *data, size_t size, size_t count, void *user)
    {
        auto *t = static_cast<Transfer *>(user);
        const qint64 bytes = qint64(size * count);
        t->answered = true;
        const qint64 room = t->cap - t->taken;
        const qint64 take = std::min(room, bytes);
        t->pending.append(data, take);
        t->taken += take;
        if (take < bytes) {
            t->capped = true;
            return 0; // ends the transfer: nothing beyond the cap is wanted
        }
        return size_t(bytes);
    }

    static size_t onHeader(char *data, size_t size, size_t count, void *user)
    {
        auto *t = static_cast<Transfer *>(user);
        const size_t bytes = size * count;
        if (startsWithNoCase(data, bytes, "HTTP/")) {
            t->sawLocation = false; // a new answer begins
        } else if (startsWithNoCase(data, bytes, "location:")) {
            t->sawLocation = true;
        } else if ((bytes == 2 && data[0] == '\r' && data[1] == '\n') || (bytes == 1 && data[0] == '\n')) {
            long code = 0;
            curl_easy_getinfo(t->easy, CURLINFO_RESPONSE_CODE, &code);
            // An interim answer, or a redirection about to be followed, is not the answer.
            const bool redirected = code >= 300 && code < 400 && t->sawLocation;
            if (code >= 200 && !redirected)
                t->answered = true;
        }
        return bytes;
    }

    QString failure() const
    {
        if (result == CURLE_OK)
            return {};
        const QString detail = QString::fromLocal8Bit(errorBuffer).trimmed();
        return detail.isEmpty() ? QString::fromLocal8Bit(curl_easy_strerror(result)) : detail;
    }
};

TInetFile::TInetFile(const FetchLimits &limits) : m_limits(limits) {}

TInetFile::~TInetFile()
{
    closeHandles();
}

void TInetFile::closeHandles()
{
    delete FUrlHandle;
    FUrlHandle = nullptr;
    FAtEnd = true;
}

template <typename Enough> void TInetFile::driveUntil(Enough enough)
{
    Transfer &t = *FUrlHandle;
    const QDeadlineTimer deadline(qint64(m_limits.connectTimeoutMs) + m_limits.transferTimeoutMs +
                                  SafetyMarginMs);
    while (!t.done && !enough()) {
        int running = 0;
        curl_multi_perform(t.multi, &running);
        int left = 0;
        while (CURLMsg *message = curl_multi_info_read(t.multi, &left)) {
            if (message->msg == CURLMSG_DONE) {
                t.done = true;
                t.result = message->data.result;
            }
        }
        if (t.done || enough())
            break;
        if (deadline.hasExpired()) {
            t.done = true;
            t.result = CURLE_OPERATION_TIMEDOUT;
            break;
        }
        curl_multi_poll(t.multi, nullptr, 0, PollMs, nullptr);
        // The windows keep painting; the user's clicks and keys wait for the end.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

int TInetFile::OpenUrl(const QString &url)
{
    closeHandles();
    m_status = 0;
    m_truncated = false;
    m_errorText.clear();

    auto transfer = std::make_unique<Transfer>();
    transfer->cap = std::max<qint64>(0, m_limits.maxBytes);
    transfer->multi = curl_multi_init();
    transfer->easy = curl_easy_init();
    if (!transfer->multi || !transfer->easy) {
        m_errorText = QStringLiteral("The internet reader could not be set up");
        return 1;
    }

    FProtocol = url.toUpper().contains(QStringLiteral("FTP://")) ? 1 : 2;

    const QUrl parsed(url);
    const QByteArray address = parsed.isValid() ? parsed.toEncoded() : url.toUtf8();
    CURL *easy = transfer->easy;
    curl_easy_setopt(easy, CURLOPT_URL, address.constData());
    curl_easy_setopt(easy, CURLOPT_USERAGENT, AgentName);
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https,ftp");
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https,ftp");
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, long(std::max(0, m_limits.maxRedirects)));
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, long(std::max(1, m_limits.connectTimeoutMs)));
    curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, long(std::max(1, m_limits.transferTimeoutMs)));
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, transfer->errorBuffer);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Transfer::onBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, transfer.get());
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &Transfer::onHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, transfer.get());
    if (curl_multi_add_handle(transfer->multi, easy) != CURLM_OK) {
        m_errorText = QStringLiteral("The internet reader could not be set up");
        return 1;
    }

    FUrlHandle = transfer.release();
    Transfer &t = *FUrlHandle;
    driveUntil([&t] { return t.answered; });
    // An answer without any data (an empty file, "204 No Content") ends cleanly without one.
    if (!t.answered && t.done && t.result == CURLE_OK)
        t.answered = true;
    if (!t.answered) {
        m_errorText = t.failure();
        closeHandles();
        return 2;
    }

    const char *scheme = nullptr;
    curl_easy_getinfo(easy, CURLINFO_SCHEME, &scheme);
    if (scheme && qstrnicmp(scheme, "http", 4) == 0) {
        long code = 0;
        curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &code);
        m_status = int(code);
    }
    FAtEnd = false;
    QuerySize();
    FPosition = 0;
    return 0;
}

qint64 TInetFile::QuerySize()
{
    if (FAtEnd || !FUrlHandle)
        return -1;
    curl_off_t length = -1;
    if (curl_easy_getinfo(FUrlHandle->easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length) != CURLE_OK ||
        length < 0)
        return -1;
    FSize = qint64(length);
    return FSize;
}

qint64 TInetFile::Read(char *buffer, qint64 count)
{
    if (FAtEnd || !FUrlHandle)
        return 0;
    if (count <= 0)
        return 0;
    Transfer &t = *FUrlHandle;
    driveUntil([&t] { return !t.pending.isEmpty(); });
    const qint64 n = std::min<qint64>(count, t.pending.size());
    if (n > 0) {
        std::memcpy(buffer, t.pending.constData(), size_t(n));
        t.pending.remove(0, n);
    } else {
        FAtEnd = true;
        m_truncated = t.capped;
        if (!t.capped)
            m_errorText = t.failure();
    }
    FPosition += n;
    return n;
}

qint64 TInetFile::Write(const char *, qint64)
{
    return 0;
}

} // namespace lynvar
