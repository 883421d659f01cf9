// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Network.h"

namespace lynvar {

// The real reader of the Network seam: one TInetFile per fetch, read to its end within the limits.
class CurlNetwork final : public Network
{
public:
    FetchResult fetch(const QString &url, const FetchLimits &limits = {}) override;
};

} // namespace lynvar
