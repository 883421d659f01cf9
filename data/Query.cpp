// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Query.h"

#include "common/Error.h"
#include "data/Connection.h"

#include <sqlite3.h>

namespace lynvar {

Query::Query(const QString &name, Connection &connection, QObject *parent)
    : QObject(parent), m_connection(connection)
{
    setObjectName(name);
}

void Query::execSQL()
{
    const QByteArray utf8 = m_sql.join(u'\n').toUtf8();
    sqlite3_stmt *stmt = nullptr;
    const char *tail = nullptr;
    sqlite3 *db = m_connection.handle();
    if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &stmt, &tail) != SQLITE_OK)
        throw Error(QStringLiteral("%1: %2").arg(objectName(), m_connection.lastError()));
    const bool onlyOne = QByteArray(tail).trimmed().isEmpty();
    const int rc = onlyOne ? sqlite3_step(stmt) : SQLITE_MISUSE;
    const QString why = m_connection.lastError();
    sqlite3_finalize(stmt);
    if (!onlyOne)
        throw Error(QStringLiteral("%1: one statement at a time").arg(objectName()));
    if (rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw Error(QStringLiteral("%1: %2").arg(objectName(), why));
}

} // namespace lynvar
