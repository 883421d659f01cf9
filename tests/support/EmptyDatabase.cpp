// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/EmptyDatabase.h"

#include <sqlite3.h>

namespace lynvar::test {

std::unique_ptr<Connection> openEmptyDatabase(const QString &file, const QList<TableDef> &tables,
                                              const QString &connectionName)
{
    sqlite3 *db = nullptr;
    sqlite3_open(file.toUtf8().constData(), &db);
    schema::create(db, tables);
    sqlite3_close(db);
    auto connection = std::make_unique<Connection>(connectionName);
    connection->setDatabaseFile(file);
    connection->open();
    return connection;
}

} // namespace lynvar::test
