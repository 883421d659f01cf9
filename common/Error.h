// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <exception>
#include <string>

namespace lynvar {

// A failure a user must see: the message says what failed and, where it applies, which file.
// It travels up to the event loop, which shows it in the standard error box.
class Error : public std::exception
{
public:
    explicit Error(QString message) : m_message(std::move(message)), m_utf8(m_message.toStdString()) {}

    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_message;
    std::string m_utf8;
};

// Leaves a handler quietly: the event loop shows nothing for it.
class SilentAbort : public std::exception
{
public:
    const char *what() const noexcept override { return ""; }
};

} // namespace lynvar
