// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/DiaryRules.h"

#include <QRegularExpression>

namespace lynvar::diaryrules {

QStringList itemLines(const QString &text)
{
    if (text.isEmpty())
        return {};
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(lineBreak);
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString joinItems(const QStringList &items)
{
    return items.join(u'\n');
}

int moonAge(const QDate &date)
{
    const int g = date.year() % 19 + 1;
    const int l = 11 * g + date.day() + date.month() - 14;
    return l % 30; // C++ keeps the dividend's sign, as the rule wants for l = -1
}

QString moonHint(int age)
{
    return QStringLiteral("Місяцю %1 днів").arg(age);
}

Temperature temperature(const QVariant &value)
{
    const int degrees = value.isNull() ? 0 : value.toInt();
    Temperature t;
    if (degrees > 0) {
        t.text = u'+' + QString::number(degrees) + QStringLiteral("C°");
        t.color = QColor(255, 0, 0);
    } else {
        t.text = QString::number(degrees) + QStringLiteral("C°");
        t.color = QColor(0, 0, 255);
    }
    if (value.isNull())
        t.text.clear();
    return t;
}

} // namespace lynvar::diaryrules
