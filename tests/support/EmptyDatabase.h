// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Connection.h"
#include "data/Schema.h"

#include <memory>

namespace lynvar::test {

// Makes a database file holding `tables` and no rows, and opens a connection on it.
std::unique_ptr<Connection>
openEmptyDatabase(const QString &file, const QList<TableDef> &tables,
                  const QString &connectionName = QStringLiteral("ADOConnectionZapys"));

} // namespace lynvar::test
