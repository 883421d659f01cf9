// SPDX-License-Identifier: GPL-3.0-or-later
#include "maintenance/CurlNetwork.h"

#include "maintenance/TInetFile.h"

namespace lynvar {

FetchResult CurlNetwork::fetch(const QString &url, const FetchLimits &limits)
{
    FetchResult result;
    TInetFile file(limits);
    if (file.OpenUrl(url) != 0) {
        result.errorText = file.errorText();
        return result;
    }
    result.status = file.status();
    result.declaredSize = file.QuerySize();
    char buffer[16 * 1024];
    // One read may bring only the first piece of what the server sends: read to the end.
    for (qint64 n; (n = file.Read(buffer, sizeof buffer)) > 0;)
        result.body.append(buffer, n);
    result.truncated = file.truncated();
    result.errorText = file.errorText();
    const bool goodStatus = result.status == 0 || (result.status >= 200 && result.status < 400);
    if (!goodStatus && result.errorText.isEmpty())
        result.errorText =
            QStringLiteral("The server answered %1 with status %2").arg(url).arg(result.status);
    result.ok = goodStatus && result.errorText.isEmpty();
    return result;
}

} // namespace lynvar
