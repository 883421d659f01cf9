// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/EmptyDatabase.h"

namespace lynvar::test {

std::unique_ptr<Connection> openEmptyDatabase(const QString &file, const QList<TableDef> &tables,
                                              const QString &connectionName)
{
    {
        Connection maker(QStringLiteral("maker"));
        maker.setDatabaseFile(file);
        maker.create();
        schema::create(maker, tables);
    }
    auto connection = std::make_unique<Connection>(connectionName);
    connection->setDatabaseFile(file);
    connection->open();
    return connection;
}

} // namespace lynvar::test
