// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

namespace lynvar {

class Connection;

// Runs one bulk statement (an UPDATE of the program's own text) that returns no rows.
class Query final : public QObject
{
    Q_OBJECT
public:
    Query(const QString &name, Connection &connection, QObject *parent = nullptr);

    QStringList &sql() { return m_sql; }
    // Throws lynvar::Error when the statement fails or holds more than one statement.
    void execSQL();
    void close() { m_sql.clear(); }

private:
    Connection &m_connection;
    QStringList m_sql;
};

} // namespace lynvar
