// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonValue>
#include <QString>
#include <QStringList>

namespace lynvar {

struct TableDef;
struct FieldDef;

// Builds the shipped databases: the reference database from the readable seed files
// (seed/reference/<Table>.json and <Table>.<part>.json) and the empty records database.
// Every problem in a seed file is an error naming the file, the row and the field.
class SeedBuilder
{
public:
    explicit SeedBuilder(QString seedFolder) : m_seedFolder(std::move(seedFolder)) {}

    void buildReferenceDatabase(const QString &outputFile) const;
    static void buildRecordsDatabase(const QString &outputFile);

    // A rich-text seed value (an array of paragraphs) as the RTF the program stores.
    static QString richTextFromParagraphs(const QStringList &paragraphs);

private:
    QStringList seedFiles(const QString &table) const;
    QString m_seedFolder;
};

} // namespace lynvar
