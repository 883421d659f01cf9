// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/HandbookSearch.h"

#include "common/rtf/Rtf.h"
#include "data/Connection.h"
#include "data/DataModule2.h"

#include <QHash>
#include <exception>

namespace lynvar {

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t LetterApostrophe = 0x02BC; // ʼ: a letter to the tokenizer
constexpr char16_t RightQuote = 0x2019;       // ’: a separator to the tokenizer

const QString Languages[2] = {u"ua"_s, u"ru"_s};

QString createStatement(const QString &schema)
{
    return u"CREATE VIRTUAL TABLE %1.HandbookSearch USING fts5(title, names, body, tbl UNINDEXED, "
           "rid UNINDEXED, lang UNINDEXED, tokenize = \"unicode61 remove_diacritics 0\")"_s.arg(schema);
}

QString quoted(const QString &name)
{
    return u'"' + name + u'"';
}

// The fields a source's rows are made of, in the order rowsOf() reads them: ID, both titles, the names
// of each language, both texts.
QStringList sourceFields(const HandbookSearch::Source &source)
{
    QStringList fields{u"ID"_s, source.title[0], source.title[1]};
    fields << source.names[0] << source.names[1] << source.text[0] << source.text[1];
    return fields;
}

QString selectStatement(const HandbookSearch::Source &source, bool oneRecord)
{
    QStringList columns;
    for (const QString &field : sourceFields(source))
        columns << quoted(field);
    QString sql = u"SELECT %1 FROM %2"_s.arg(columns.join(u','), quoted(source.table));
    if (oneRecord)
        sql += u" WHERE \"ID\" = ?"_s;
    return sql;
}

struct IndexRow
{
    QString language, title, names, body;
    bool operator==(const IndexRow &) const = default;
};

// The index rows of the record `select` stands on: one per language.
QList<IndexRow> rowsOf(const HandbookSearch::Source &source, const Statement &select)
{
    int column = 1;
    QString titles[2];
    for (QString &title : titles)
        title = select.text(column++);
    QStringList names[2];
    for (int lang = 0; lang < 2; ++lang)
        for (qsizetype i = 0; i < source.names[lang].size(); ++i)
            if (QString name = select.text(column++); !name.isEmpty())
                names[lang] << name;
    QList<IndexRow> rows;
    for (int lang = 0; lang < 2; ++lang) {
        const QString body = rtf::plainText(select.text(column + lang));
        rows.append({Languages[lang], HandbookSearch::normalise(titles[lang]),
                     HandbookSearch::normalise(names[lang].join(u" "_s)), HandbookSearch::normalise(body)});
    }
    return rows;
}

void insertRows(Connection &connection, const QString &schema, const QString &table, qint64 id,
                const QList<IndexRow> &rows)
{
    const QString sql =
        u"INSERT INTO %1.HandbookSearch (title, names, body, tbl, rid, lang) VALUES (?, ?, ?, ?, ?, ?)"_s.arg(
            schema);
    for (const IndexRow &row : rows) {
        Statement insert(connection, sql);
        insert.bind(1, row.title);
        insert.bind(2, row.names);
        insert.bind(3, row.body);
        insert.bind(4, table);
        insert.bind(5, id);
        insert.bind(6, row.language);
        insert.exec();
    }
}

// Runs `work` as one transaction: all of it or nothing.
template <typename Work> void inTransaction(Connection &connection, Work work)
{
    connection.execute(u"BEGIN"_s);
    try {
        work();
    } catch (...) {
        connection.execute(u"ROLLBACK"_s);
        throw;
    }
    connection.execute(u"COMMIT"_s);
}

void buildInto(Connection &connection, const QString &schema)
{
    inTransaction(connection, [&] {
        connection.execute(u"DROP TABLE IF EXISTS %1.HandbookSearch"_s.arg(schema));
        connection.execute(createStatement(schema));
        for (const HandbookSearch::Source &source : HandbookSearch::sources()) {
            Statement select(connection, selectStatement(source, false));
            while (select.step())
                insertRows(connection, schema, source.table, select.integer(0), rowsOf(source, select));
        }
    });
}

} // namespace

DataSet *HandbookSearch::dataSetOf(TDataModule2 &data, const QString &table)
{
    const std::pair<const char16_t *, DataSet *> sets[] = {
        {u"Fish", &data.FishTable},         {u"Vuzly", &data.VuzlyTable},
        {u"Rive", &data.RiveTable},         {u"Ozera", &data.OzeraTable},
        {u"Slovnyk", &data.SlovnykTable},   {u"Kuhnya", &data.KuhnyaTable},
        {u"Anecdot", &data.AnecdotTable},   {u"Snast", &data.SnastTable},
        {u"Osnastka", &data.OsnastkaTable}, {u"Nazhyvka", &data.NazhyvkaTable},
    };
    for (const auto &[name, dataSet] : sets)
        if (table == QStringView(name))
            return dataSet;
    return nullptr;
}

const QList<HandbookSearch::Source> &HandbookSearch::sources()
{
    static const QStringList latin = {u"Species"_s, u"Genus"_s, u"Familia"_s, u"Ordo"_s, u"Classis"_s};
    const auto ranks = [](const QString &suffix) {
        QStringList fields;
        for (const QString &rank : latin)
            fields << rank + suffix;
        return fields + latin;
    };
    // Page indices of the main window: 2 fish, 3 knots, 4 rivers, 5 dictionary, 6 cookery, 7 jokes,
    // 8 methods. No page shows the lakes.
    static const QList<Source> list = {
        {u"Fish"_s,
         {u"NameUA"_s, u"NameRU"_s},
         {ranks(u"UA"_s), ranks(u"RU"_s)},
         {u"OpysUA"_s, u"OpysRU"_s},
         2},
        {u"Vuzly"_s,
         {u"NameUA"_s, u"NameRU"_s},
         {{u"NameEN"_s}, {u"NameEN"_s}},
         {u"OpysUA"_s, u"OpysRU"_s},
         3},
        {u"Rive"_s,
         {u"NameUA"_s, u"NameRU"_s},
         {{u"VpadaeUA"_s}, {u"VpadaeRU"_s}},
         {u"OpysUA"_s, u"OpysRU"_s},
         4},
        {u"Ozera"_s,
         {u"NameUA"_s, u"NameRU"_s},
         {{u"Rozmischena"_s}, {u"Rozmischena"_s}},
         {u"OpysUA"_s, u"OpysRU"_s},
         -1},
        {u"Slovnyk"_s, {u"NameUA"_s, u"NameRU"_s}, {}, {u"OpysUA"_s, u"OpysRU"_s}, 5},
        {u"Kuhnya"_s, {u"NameUA"_s, u"NameRU"_s}, {}, {u"ReceptUA"_s, u"ReceptRU"_s}, 6},
        {u"Anecdot"_s, {u"NameUA"_s, u"NameRU"_s}, {}, {u"AnecdotUA"_s, u"AnecdotRU"_s}, 7},
        {u"Snast"_s, {u"NameUkr"_s, u"NameRus"_s}, {}, {u"OpysUkr"_s, u"OpysRus"_s}, 8},
        {u"Osnastka"_s, {u"NameUkr"_s, u"NameRus"_s}, {}, {u"OpysUkr"_s, u"OpysRus"_s}, 8},
        {u"Nazhyvka"_s, {u"NameUkr"_s, u"NameRus"_s}, {}, {u"OpysUkr"_s, u"OpysRus"_s}, 8},
    };
    return list;
}

const HandbookSearch::Source *HandbookSearch::source(const QString &table)
{
    for (const Source &s : sources())
        if (s.table == table)
            return &s;
    return nullptr;
}

HandbookSearch::HandbookSearch(Connection &connection) : m_connection(connection) {}

void HandbookSearch::buildIndex(Connection &connection)
{
    buildInto(connection, u"main"_s);
}

HandbookSearch::Where HandbookSearch::indexPlace() const
{
    // The temporary one stands in front of a database's own, as SQLite resolves the name.
    for (const auto &[catalogue, place] : {std::pair{u"sqlite_temp_master"_s, Where::Temporary},
                                           std::pair{u"sqlite_master"_s, Where::Database}}) {
        Statement exists(
            m_connection,
            u"SELECT 1 FROM %1 WHERE type = 'table' AND name = 'HandbookSearch'"_s.arg(catalogue));
        if (exists.step())
            return place;
    }
    return Where::None;
}

void HandbookSearch::ensureIndex()
{
    if (indexPlace() == Where::None)
        buildInto(m_connection, u"temp"_s);
}

QString HandbookSearch::normalise(QString text)
{
    text = text.normalized(QString::NormalizationForm_C);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'\'' && c != RightQuote && c != LetterApostrophe)
            continue;
        const bool inWord = i > 0 && i + 1 < text.size() && text[i - 1].isLetter() && text[i + 1].isLetter();
        if (inWord)
            text[i] = QChar(LetterApostrophe);
        else if (c == LetterApostrophe)
            text[i] = QChar(RightQuote); // a quotation mark, which must not stick to the word
    }
    return text;
}

QString HandbookSearch::matchExpression(const QString &text)
{
    QStringList terms;
    QString word;
    const auto flush = [&] {
        if (!word.isEmpty())
            terms << u'"' + word + u"\"*"_s;
        word.clear();
    };
    for (const QChar c : normalise(text)) {
        if (c.isLetterOrNumber())
            word += c;
        else
            flush();
    }
    flush();
    return terms.join(u' ');
}

QList<SearchHit> HandbookSearch::find(const QString &text, const QString &language, int limit)
{
    const QString match = matchExpression(text);
    if (match.isEmpty() || limit <= 0)
        return {};
    ensureIndex();
    QList<SearchHit> hits;
    QList<qint64> rows;             // the index row of each hit
    QHash<QString, qsizetype> seen; // table + id -> index in hits
    {
        Statement select(m_connection, u"SELECT rowid, tbl, rid, lang, title FROM HandbookSearch "
                                       "WHERE HandbookSearch MATCH ? ORDER BY rank LIMIT ?"_s);
        select.bind(1, match);
        select.bind(2, qint64(limit) * 2); // room for records found in both languages
        while (select.step()) {
            SearchHit hit{select.text(1), select.integer(2), select.text(3), select.text(4), QString()};
            const QString key = hit.table + u'#' + QString::number(hit.id);
            if (const auto at = seen.constFind(key); at != seen.constEnd()) {
                if (hit.language == language) {
                    hits[*at] = std::move(hit);
                    rows[*at] = select.integer(0);
                }
                continue;
            }
            if (hits.size() == limit)
                continue;
            seen.insert(key, hits.size());
            hits << std::move(hit);
            rows << select.integer(0);
        }
    }
    if (hits.isEmpty())
        return hits;
    // Pieces of text only for the rows kept: making them is the dearest part of a search.
    QStringList marks(rows.size(), u"?"_s);
    Statement snippets(
        m_connection,
        u"SELECT rowid, snippet(HandbookSearch, -1, char(1), char(2), '…', 12) FROM HandbookSearch "
        "WHERE HandbookSearch MATCH ? AND rowid IN (%1)"_s.arg(marks.join(u',')));
    snippets.bind(1, match);
    for (int i = 0; i < rows.size(); ++i)
        snippets.bind(i + 2, rows[i]);
    while (snippets.step()) {
        const qsizetype at = rows.indexOf(snippets.integer(0));
        if (at >= 0)
            hits[at].snippet = snippets.text(1);
    }
    return hits;
}

void HandbookSearch::reindex(const QString &table, qint64 id)
{
    const Source *from = source(table);
    const Where place = indexPlace();
    if (!from || place == Where::None)
        return;
    const QString schema = place == Where::Temporary ? u"temp"_s : u"main"_s;

    QList<IndexRow> rows;
    {
        Statement select(m_connection, selectStatement(*from, true));
        select.bind(1, id);
        if (select.step())
            rows = rowsOf(*from, select);
    }
    QList<IndexRow> indexed;
    {
        Statement select(m_connection, u"SELECT lang, title, names, body FROM %1.HandbookSearch "
                                       "WHERE tbl = ? AND rid = ? ORDER BY lang DESC"_s.arg(schema));
        select.bind(1, table);
        select.bind(2, id);
        while (select.step())
            indexed.append({select.text(0), select.text(1), select.text(2), select.text(3)});
    }
    // Most posts change nothing the index holds (a mark, a weight): then nothing is written.
    if (rows == indexed)
        return;
    inTransaction(m_connection, [&] {
        Statement remove(m_connection,
                         u"DELETE FROM %1.HandbookSearch WHERE tbl = ? AND rid = ?"_s.arg(schema));
        remove.bind(1, table);
        remove.bind(2, id);
        remove.exec();
        insertRows(m_connection, schema, table, id, rows);
    });
}

bool HandbookSearch::makeCurrent(TDataModule2 &data, const SearchHit &hit)
{
    DataSet *dataSet = dataSetOf(data, hit.table);
    if (!dataSet || !dataSet->isActive())
        return false;
    // Rigs and baits show under the fishing method that names them.
    if (dataSet->master() == &data.SnastTable) {
        Statement select(data.ADOConnectionBook,
                         u"SELECT \"IDSnast\" FROM %1 WHERE \"ID\" = ?"_s.arg(quoted(hit.table)));
        select.bind(1, hit.id);
        if (!select.step() || select.isNull(0))
            return false;
        const QString masterField = dataSet == &data.OsnastkaTable ? u"IDOsnastka"_s : u"IDTyp"_s;
        if (!data.SnastTable.isActive() || !data.SnastTable.locate(masterField, select.integer(0)))
            return false;
    }
    if (dataSet->locate(u"ID"_s, hit.id))
        return true;
    // A filter may hide it; the user asked for this record.
    if (!dataSet->filtered())
        return false;
    dataSet->setFiltered(false);
    return dataSet->locate(u"ID"_s, hit.id);
}

} // namespace lynvar
