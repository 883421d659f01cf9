// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Schema.h"

#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

namespace lynvar {

// A data set's filter, parsed once and evaluated on each record; never pasted into SQL.
// Grammar: comparisons `Field op literal` joined by AND / OR, NOT and parentheses;
// op is one of = <> < > <= >= LIKE; a literal is 'text' (a doubled '' stands for one apostrophe,
// as in "NameUA = 'В''юн'"), a number, TRUE, FALSE or NULL. In a LIKE pattern % and * stand for any
// run of characters, _ and ? for one. Text compares without regard to case, as the database
// engine's filters do. An expression of more than 65,536 characters or nested more than 64 levels
// (parentheses and NOT) is refused.
class FilterExpression
{
public:
    FilterExpression();
    ~FilterExpression();
    FilterExpression(FilterExpression &&) noexcept;
    FilterExpression &operator=(FilterExpression &&) noexcept;

    // Throws lynvar::Error for a malformed expression or a field the table does not have.
    static FilterExpression parse(const QString &text, const TableDef &table);

    bool isEmpty() const { return !m_root; }
    bool matches(const QList<QVariant> &record) const;

    struct Node;

private:
    std::unique_ptr<Node> m_root;
};

} // namespace lynvar
