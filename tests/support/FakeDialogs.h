// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/UserDialogs.h"

#include <QStringList>

namespace lynvar::test {

// Answers every box at once and records what it was asked to show.
class FakeDialogs final : public UserDialogs
{
public:
    void showMessage(const QString &text) override { messages << text; }
    void showError(const QString &text) override { errors << text; }
    bool askYesNo(const QString &text) override
    {
        questions << text;
        return nextAnswer;
    }

    QStringList messages;
    QStringList errors;
    QStringList questions;
    bool nextAnswer = true;
};

} // namespace lynvar::test
