// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Schema.h"

#include <QDateTime>
#include <QVariant>

// How a field's value is kept in memory, converted and compared. In memory every field holds one
// representation per type: integers as qint64, yes/no as bool, floats as double, decimals and
// dates as canonical text (ISO-8601, with milliseconds when there are some; such dates sort
// correctly as text), texts as QString, bytes as
// QByteArray; null is an invalid QVariant.
namespace lynvar::fieldvalue {

// A null date reads as the zero date of the data store: 30 December 1899.
QDateTime zeroDate();

// The in-memory form of `value` for a field of `type`; null when it cannot be converted.
QVariant normalise(FieldType type, const QVariant &value);
// Parses text typed by a user or written in a filter; null when it is not a value of that type.
QVariant fromText(FieldType type, const QString &text);

// A key whose plain code-unit order is the order of texts: without regard to case, Ukrainian and
// Russian letters in alphabet order (г ґ, е ё є, и і ї й, щ ъ ы ь э ю я), apostrophes ignored.
QString textSortKey(const QString &text);

// Orders two non-null values of one field; text by its sort key.
int compare(FieldType type, const QVariant &a, const QVariant &b);
// Nulls first, as the database orders them.
int compareNullable(FieldType type, const QVariant &a, const QVariant &b);

QString toText(FieldType type, const QVariant &value);
qint64 toInteger(FieldType type, const QVariant &value);
double toDouble(FieldType type, const QVariant &value);
bool toBool(FieldType type, const QVariant &value);
QDateTime toDateTime(FieldType type, const QVariant &value);

// Canonical decimal text of at most 18 digits, 6 after the point; empty when not a decimal.
QString canonicalDecimal(const QString &text);

} // namespace lynvar::fieldvalue
