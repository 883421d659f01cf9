// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/DatePicker.h"

namespace lynvar {

DatePicker::DatePicker(QWidget *parent) : QDateEdit(parent)
{
    setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    setCalendarPopup(true);
    connect(this, &QDateEdit::dateChanged, this, [this] {
        if (!m_setting)
            Q_EMIT userChanged();
    });
}

void DatePicker::setValue(const QDateTime &value)
{
    m_time = value.time();
    setDateOnly(value.date());
}

void DatePicker::setDateOnly(const QDate &date)
{
    m_setting = true;
    setDate(date);
    m_setting = false;
}

} // namespace lynvar
