// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>

// The small rules of the diary that need no window: how lists are kept in text fields, the moon age,
// how a temperature shows.
namespace lynvar::diaryrules {

// The lines of an item list kept in a text field, split at CR LF, LF or CR. A break at the very end
// makes no empty last line; an empty text has no lines.
QStringList itemLines(const QString &text);
// Items joined with one line feed between them.
QString joinItems(const QStringList &items);

// The moon's age in days on `date`: ((year mod 19) + 1) * 11 + day + month - 14, mod 30, the
// remainder taking the sign of the dividend. 0 to 29, and -1 on 1 January of a year divisible by 19.
int moonAge(const QDate &date);
// The moon picture's hint: "Місяцю 12 днів".
QString moonHint(int age);

struct Temperature
{
    QString text;
    QColor color;
};
// "+5C°" in red above zero, "0C°" or "-3C°" in blue otherwise; an empty field gives an empty text
// (in blue).
Temperature temperature(const QVariant &value);

} // namespace lynvar::diaryrules
