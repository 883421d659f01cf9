// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateEdit>
#include <QDateTime>

namespace lynvar {

// Shows and picks a date, but holds a whole date and time: the time of day comes with setValue and
// is kept when a date is picked or set. userChanged() is emitted only for the user's own picks.
class DatePicker final : public QDateEdit
{
    Q_OBJECT
public:
    explicit DatePicker(QWidget *parent = nullptr);

    QDateTime value() const { return QDateTime(date(), m_time); }
    void setValue(const QDateTime &value);
    // Replaces the date and keeps the time of day.
    void setDateOnly(const QDate &date);

Q_SIGNALS:
    void userChanged();

private:
    QTime m_time;
    bool m_setting = false;
};

} // namespace lynvar
