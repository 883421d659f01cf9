// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/UserDialogs.h"

namespace lynvar {

// The real boxes, with the application title as caption.
class QtUserDialogs final : public UserDialogs
{
public:
    void showMessage(const QString &text) override;
    void showError(const QString &text) override;
    bool askYesNo(const QString &text) override;
};

} // namespace lynvar
