// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace lynvar {

class Connection;
class DataSet;
class TDataModule2;

// One record of the handbook that holds what was searched for.
struct SearchHit
{
    QString table;    // "Fish", "Vuzly", ...
    qint64 id = 0;    // the record's ID
    QString language; // "ua" or "ru": the texts the words were found in
    QString title;    // the record's name in that language
    QString snippet;  // a piece of the text around the words, each found word between MarkOpen and MarkClose
};

/*
 * Finding words across the whole handbook: SQLite FTS5 over the plain texts.
 *
 * The index is the table HandbookSearch of the reference database, built with the database at build
 * time (buildIndex), one row per record and language: its name, its other names (the fish's
 * classification, Latin names in both rows) and its text. The records database never holds it. A
 * reference database from before the index existed gets one in the connection's temporary schema when
 * first searched, so nothing is written into the file for it.
 *
 * Words match by their beginning and without regard to case in both languages (the unicode61
 * tokenizer folds Cyrillic case and, with remove_diacritics 0, keeps й, ї, ё apart from и, і, е). The
 * apostrophe inside a word (' ’ ʼ) is one letter, ʼ, in the index and in the query alike.
 *
 * All SQL of the search is in this class; every value is bound, never pasted.
 */
class HandbookSearch final
{
public:
    static constexpr char16_t MarkOpen = 0x0001;
    static constexpr char16_t MarkClose = 0x0002;

    // A table the index covers, with the fields of each language and the main-window page that shows it
    // (-1: none does).
    struct Source
    {
        QString table;
        QString title[2];     // Ukrainian, Russian
        QStringList names[2]; // further names in that language (Latin ones in both)
        QString text[2];      // the rich or plain text
        int page = -1;
    };
    static const QList<Source> &sources();
    static const Source *source(const QString &table);

    // `connection` is the reference database's; it outlives the search.
    explicit HandbookSearch(Connection &connection);

    // (Re)builds the index in the reference database: what the build of the shipped database runs.
    static void buildIndex(Connection &connection);

    // The records holding every word of `text`, each word as the beginning of a word: best first, one hit
    // per record, in `language` ("ua"/"ru") where a record matched in both; at most `limit`.
    [[nodiscard]] QList<SearchHit> find(const QString &text, const QString &language, int limit = 60);

    // Brings one record's rows up to date after it was posted; nothing when there is no index yet.
    void reindex(const QString &table, qint64 id);

    // The FTS5 query for the words of `text`: each word quoted, as a prefix; empty without a word.
    static QString matchExpression(const QString &text);
    // The apostrophe forms inside a word become ʼ, which the tokenizer counts as a letter.
    static QString normalise(QString text);

    // The data set of an indexed table; null for another table.
    static DataSet *dataSetOf(TDataModule2 &data, const QString &table);
    // Makes `hit`'s record the current one of its data set (opening the way through the master record
    // or the filter that hides it); false when the record is not there.
    static bool makeCurrent(TDataModule2 &data, const SearchHit &hit);

private:
    enum class Where
    {
        None,
        Database,
        Temporary
    };
    Where indexPlace() const;
    void ensureIndex();

    Connection &m_connection;
};

} // namespace lynvar
