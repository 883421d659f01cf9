// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary text to the filter parser as a data set's filter, and evaluates what it accepts
// against a few records of the diary and of the lakes (texts, numbers, dates, decimals and nulls).
// What must hold for any input: parsing either gives an expression or a lynvar::Error, never a
// crash, a hang or another exception; and NOT of an accepted expression matches exactly the
// records the expression does not.
#include "common/Error.h"
#include "data/FieldValue.h"
#include "data/FilterExpression.h"
#include "data/Schema.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using namespace lynvar;

void check(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// Records whose fields take values from `samples` in turn, every field's text normalised as a post
// would; the first record is all null.
std::vector<QList<QVariant>> recordsOf(const TableDef &table)
{
    const QStringList samples = {QStringLiteral("Десна"),
                                 QStringLiteral("2014-05-17T13:07:35.869"),
                                 QStringLiteral("-3"),
                                 QStringLiteral("2.5"),
                                 QStringLiteral("В'юнове"),
                                 QStringLiteral("1"),
                                 QString(),
                                 QStringLiteral("Короп\nКарась")};
    std::vector<QList<QVariant>> records(1, QList<QVariant>(table.fields.size()));
    for (int r = 0; r < samples.size(); ++r) {
        QList<QVariant> values;
        for (int f = 0; f < table.fields.size(); ++f)
            values << fieldvalue::normalise(table.fields[f].type, samples[(r + f) % samples.size()]);
        records.push_back(values);
    }
    return records;
}

void evaluate(const QString &text, const TableDef &table, const std::vector<QList<QVariant>> &records)
{
    FilterExpression expression;
    try {
        expression = FilterExpression::parse(text, table);
    } catch (const Error &) {
        return; // refused with a message: what a bad filter should get
    }
    FilterExpression negated;
    try {
        negated = FilterExpression::parse(QStringLiteral("NOT (") + text + u')', table);
    } catch (const Error &) {
        return; // one level deeper or a few characters longer than allowed, or text that only the
                // parentheses make invalid (a trailing comment-like tail, an unbalanced ')')
    }
    for (const QList<QVariant> &record : records) {
        const bool match = expression.matches(record);
        if (!expression.isEmpty())
            check(negated.matches(record) != match, "NOT matches exactly what the expression does not");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const TableDef &diary = *schema::findTable(u"Schodennyk");
    static const TableDef &lakes = *schema::findTable(u"Ozera");
    static const std::vector<QList<QVariant>> diaryRecords = recordsOf(diary);
    static const std::vector<QList<QVariant>> lakeRecords = recordsOf(lakes);

    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    evaluate(text, diary, diaryRecords);
    evaluate(text, lakes, lakeRecords);
    return 0;
}
