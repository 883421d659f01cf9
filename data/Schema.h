// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace lynvar {

class Connection;

enum class FieldType
{
    AutoNumber, // the record number the database gives on the first post
    Text,       // UTF-16 text of at most `width` characters
    Memo,       // text without a set length
    RichText,   // memo holding an RTF document
    Float,
    Decimal, // 18 digits, 6 after the point; stored as canonical text, never as binary float
    Boolean,
    Int16,
    Int32,
    Bytes,
    DateTime, // ISO-8601 text in the database
};

struct FieldDef
{
    QString name;
    FieldType type = FieldType::Text;
    int width = 0; // characters, for Text only

    bool isText() const
    {
        return type == FieldType::Text || type == FieldType::Memo || type == FieldType::RichText;
    }
    bool isNumeric() const
    {
        return type == FieldType::AutoNumber || type == FieldType::Float || type == FieldType::Decimal ||
               type == FieldType::Int16 || type == FieldType::Int32 || type == FieldType::Boolean;
    }
};

struct TableDef
{
    QString name;
    QList<FieldDef> fields;

    // Field names match without regard to case, as the database engine's do.
    int indexOf(QStringView fieldName) const;
    const FieldDef &field(QStringView fieldName) const; // throws lynvar::Error when missing
    QString createStatement() const;
};

namespace schema {

// The handbook that ships with the program.
const QList<TableDef> &referenceTables();
// What the user writes: fishing places, diary, methods used.
const QList<TableDef> &recordsTables();
// Either list, by table name; nullptr when unknown.
const TableDef *findTable(QStringView name);

// Creates every table of `tables` in an open database (throws lynvar::Error on failure).
void create(Connection &db, const QList<TableDef> &tables);

// Throws lynvar::Error naming the file, the table and the first missing field when the file's table
// lacks a field of `table`. Columns the program does not know are left alone.
void check(const Connection &db, const TableDef &table);

// The records database's schema version (PRAGMA user_version). Version 1 is the schema the program
// started with; every later change to the records tables adds a version and its migration.
inline constexpr int RecordsVersion = 1;

// Brings an open records database up to RecordsVersion: a file of an older version is first copied
// into `copyFolder` (made when missing), then migrated in one transaction. Throws lynvar::Error, with
// the file unchanged, when the copy or the migration fails or the file is newer than the program.
void upgradeRecords(Connection &db, const QString &copyFolder);

} // namespace schema
} // namespace lynvar
