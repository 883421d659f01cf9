// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/seedbuild/SeedBuilder.h"

#include "common/Error.h"
#include "common/rtf/Rtf.h"
#include "data/Connection.h"
#include "data/Schema.h"
#include "data/TitleDerivation.h"
#include "reference/HandbookSearch.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QTextCursor>
#include <QTextDocument>

namespace lynvar {
namespace {

// A new database file in place of any old one.
void createFile(Connection &db, const QString &file)
{
    QFile::remove(file);
    db.setDatabaseFile(file);
    db.create();
}

// Inline **bold** runs of one paragraph.
void insertInline(QTextCursor &cursor, const QString &text, const QTextCharFormat &base)
{
    const QStringList parts = text.split(QStringLiteral("**"));
    for (int i = 0; i < parts.size(); ++i) {
        QTextCharFormat format = base;
        if (i % 2 == 1)
            format.setFontWeight(QFont::Bold);
        cursor.insertText(parts[i], format);
    }
}

QString buildRelativeName(const QString &file, int row, const QString &field)
{
    return QStringLiteral("%1, row %2, field %3").arg(QFileInfo(file).fileName()).arg(row + 1).arg(field);
}

// Keys the seed carries for the handbook's own checks and the database has no field for. Each is a
// yes/no that every row of its table must state, so that no new row can leave the question open.
struct SeedOnlyKey
{
    QStringView table;
    QStringView key;
};
constexpr SeedOnlyKey SeedOnlyKeys[] = {
    {u"Fish", u"Protected"}, // the species is protected in Ukraine (Red Book of Ukraine)
};

bool isSeedOnlyKey(const QString &table, const QString &key)
{
    for (const SeedOnlyKey &k : SeedOnlyKeys)
        if (k.table == table && k.key == key)
            return true;
    return false;
}

void checkSeedOnlyKeys(const QString &table, const QJsonObject &row, const QString &file, int r)
{
    for (const SeedOnlyKey &k : SeedOnlyKeys) {
        if (k.table != table)
            continue;
        if (!row.value(k.key).isBool())
            throw Error(buildRelativeName(file, r, k.key.toString()) +
                        QStringLiteral(": true or false is required"));
    }
}

} // namespace

QString SeedBuilder::richTextFromParagraphs(const QStringList &paragraphs)
{
    QTextDocument document;
    // The handbook's texts are set in Times New Roman, as the views that show them are.
    document.setDefaultFont(QFont(QStringLiteral("Times New Roman"), 12));
    QTextCursor cursor(&document);
    QTextCharFormat plain;
    plain.setFontPointSize(12);
    for (int i = 0; i < paragraphs.size(); ++i) {
        QString text = paragraphs[i];
        QTextBlockFormat block;
        block.setBottomMargin(4);
        QTextCharFormat format = plain;
        if (text.startsWith(QStringLiteral("## "))) {
            text = text.mid(3);
            format.setFontWeight(QFont::Bold);
            format.setFontPointSize(14);
            block.setTopMargin(6);
        } else if (text.startsWith(QStringLiteral("- "))) {
            text = QStringLiteral("• ") + text.mid(2);
            block.setLeftMargin(18);
            block.setBottomMargin(1);
        }
        if (i == 0)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block, format);
        insertInline(cursor, text, format);
    }
    return rtf::write(document);
}

QStringList SeedBuilder::seedFiles(const QString &table) const
{
    QDir dir(m_seedFolder);
    QStringList files;
    if (dir.exists(table + QStringLiteral(".json")))
        files << dir.filePath(table + QStringLiteral(".json"));
    const QStringList parts = dir.entryList({table + QStringLiteral(".*.json")}, QDir::Files, QDir::Name);
    for (const QString &p : parts)
        files << dir.filePath(p);
    return files;
}

void SeedBuilder::buildReferenceDatabase(const QString &outputFile) const
{
    const QString temporary = outputFile + QStringLiteral(".part");
    {
        Connection db(QStringLiteral("reference"));
        createFile(db, temporary);
        schema::create(db, schema::referenceTables());
        Transaction transaction(db);
        for (const TableDef &table : schema::referenceTables()) {
            QSet<qint64> ids;
            qint64 lastId = 0;
            for (const QString &file : seedFiles(table.name)) {
                QFile f(file);
                if (!f.open(QIODevice::ReadOnly))
                    throw Error(QStringLiteral("Cannot read %1").arg(file));
                QJsonParseError parseError;
                const QJsonDocument json = QJsonDocument::fromJson(f.readAll(), &parseError);
                if (!json.isArray())
                    throw Error(QStringLiteral("%1: not a JSON array (%2 at offset %3)")
                                    .arg(file, parseError.errorString())
                                    .arg(parseError.offset));
                const QJsonArray rows = json.array();
                for (int r = 0; r < rows.size(); ++r) {
                    const QJsonObject row = rows[r].toObject();
                    if (!row.contains(QStringLiteral("ID")) || !row.value(QStringLiteral("ID")).isDouble())
                        throw Error(buildRelativeName(file, r, QStringLiteral("ID")) +
                                    QStringLiteral(": missing"));
                    const qint64 id = qint64(row.value(QStringLiteral("ID")).toDouble());
                    if (ids.contains(id) || id <= lastId)
                        throw Error(buildRelativeName(file, r, QStringLiteral("ID")) +
                                    QStringLiteral(": %1 is not unique and rising").arg(id));
                    ids.insert(id);
                    lastId = id;

                    checkSeedOnlyKeys(table.name, row, file, r);

                    QStringList columns, marks;
                    QList<QVariant> values;
                    for (auto it = row.begin(); it != row.end(); ++it) {
                        if (isSeedOnlyKey(table.name, it.key()))
                            continue;
                        const int index = table.indexOf(it.key());
                        if (index < 0)
                            throw Error(buildRelativeName(file, r, it.key()) +
                                        QStringLiteral(": no such field"));
                        const FieldDef &field = table.fields[index];
                        const QJsonValue v = it.value();
                        QVariant value;
                        switch (field.type) {
                        case FieldType::RichText: {
                            QStringList paragraphs;
                            if (v.isString())
                                paragraphs << v.toString();
                            for (const QJsonValue &p : v.toArray())
                                paragraphs << p.toString();
                            value = richTextFromParagraphs(paragraphs);
                            break;
                        }
                        case FieldType::Memo:
                            if (v.isArray()) {
                                QStringList lines;
                                for (const QJsonValue &line : v.toArray())
                                    lines << line.toString();
                                value = lines.join(u'\n');
                            } else {
                                value = v.toString();
                            }
                            break;
                        case FieldType::Text:
                            value = v.toString();
                            if (field.width > 0 && value.toString().size() > field.width)
                                throw Error(buildRelativeName(file, r, field.name) +
                                            QStringLiteral(": longer than %1 characters").arg(field.width));
                            break;
                        case FieldType::Boolean:
                            value = v.toBool() ? 1 : 0;
                            break;
                        case FieldType::Float:
                            value = v.toDouble();
                            break;
                        case FieldType::Decimal:
                            value = QString::number(v.toDouble(), 'f', 6);
                            break;
                        case FieldType::AutoNumber:
                        case FieldType::Int16:
                        case FieldType::Int32:
                            value = qint64(v.toDouble());
                            break;
                        case FieldType::DateTime:
                            value = v.toString();
                            break;
                        case FieldType::Bytes:
                            continue;
                        }
                        if (v.isNull())
                            value = QVariant();
                        columns << QStringLiteral("\"%1\"").arg(field.name);
                        marks << QStringLiteral("?");
                        values << value;
                    }
                    // Joke and recipe titles come from their texts, as the program makes them on every post.
                    const QString textField = table.name == u"Anecdot"  ? QStringLiteral("Anecdot")
                                              : table.name == u"Kuhnya" ? QStringLiteral("Recept")
                                                                        : QString();
                    if (!textField.isEmpty()) {
                        for (const QString &lang : {QStringLiteral("UA"), QStringLiteral("RU")}) {
                            const int at = columns.indexOf(QStringLiteral("\"%1%2\"").arg(textField, lang));
                            columns << QStringLiteral("\"Name%1\"").arg(lang);
                            marks << QStringLiteral("?");
                            values << deriveTitleFromRichText(at >= 0 ? values[at].toString() : QString());
                        }
                    }

                    try {
                        Statement st(db, QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                                             .arg(table.name, columns.join(u','), marks.join(u',')));
                        for (int i = 0; i < values.size(); ++i)
                            st.bind(i + 1, values[i]);
                        st.exec();
                    } catch (const Error &e) {
                        throw Error(buildRelativeName(file, r, QStringLiteral("ID")) + QStringLiteral(": ") +
                                    e.message());
                    }
                }
            }
        }
        transaction.commit();
    }
    {
        // The handbook search index, from the texts as the database now holds them.
        Connection connection(QStringLiteral("ADOConnectionBook"));
        connection.setDatabaseFile(temporary);
        connection.open();
        HandbookSearch::buildIndex(connection);
        // The file ships in the journal mode it was made in; the program sets its own when it opens it.
        connection.execute(QStringLiteral("PRAGMA journal_mode=DELETE"));
        connection.close();
    }
    QFile::remove(outputFile);
    if (!QFile::rename(temporary, outputFile))
        throw Error(QStringLiteral("Cannot write %1").arg(outputFile));
}

void SeedBuilder::buildRecordsDatabase(const QString &outputFile)
{
    const QString temporary = outputFile + QStringLiteral(".part");
    {
        Connection db(QStringLiteral("records"));
        createFile(db, temporary);
        schema::create(db, schema::recordsTables());
        db.setUserVersion(schema::RecordsVersion);
    }
    QFile::remove(outputFile);
    if (!QFile::rename(temporary, outputFile))
        throw Error(QStringLiteral("Cannot write %1").arg(outputFile));
}

} // namespace lynvar
