// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Query.h"

#include "common/Error.h"
#include "data/Connection.h"

namespace lynvar {

Query::Query(const QString &name, Connection &connection, QObject *parent)
    : QObject(parent), m_connection(connection)
{
    setObjectName(name);
}

void Query::execSQL()
{
    try {
        Statement(m_connection, m_sql.join(u'\n')).exec();
    } catch (const Error &e) {
        throw Error(QStringLiteral("%1: %2").arg(objectName(), e.message()));
    }
}

} // namespace lynvar
