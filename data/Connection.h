// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

namespace lynvar {

// The message for a file whose schema version is newer than the program knows.
QString newerFileMessage(const QString &file, int fileVersion, int knownVersion);

/*
 * One database file, and the program's only road to SQLite: every statement runs through a
 * Connection and a Statement (or a Transaction around several).
 *
 * open() uses an existing file only: a missing, empty or foreign file is an error naming it, and the
 * file is left as it was. Opened shared
 * (WAL journal, busy timeout); outside a Transaction every statement is its own transaction, written
 * at once, so a process killed at any moment loses nothing already posted. Double-quoted texts are
 * names only, never string literals, so a missing column is an error, not a column of its own name.
 */
class Connection final : public QObject
{
    Q_OBJECT
public:
    explicit Connection(const QString &name, QObject *parent = nullptr);
    ~Connection() override;

    void setDatabaseFile(const QString &path) { m_path = path; }
    const QString &databaseFile() const { return m_path; }

    // The newest schema version this program knows for the file (0: not checked). open() refuses a
    // file with a higher user_version before anything is written to it.
    void setSchemaVersion(int version) { m_schemaVersion = version; }
    int schemaVersion() const { return m_schemaVersion; }

    // Throws lynvar::Error naming the file when it is missing, empty, locked, not a database or
    // written by a newer program.
    void open();
    // Makes a new database file at databaseFile() and opens it, in rollback-journal mode so that the
    // finished file stands alone (for files built to be shipped or copied). Throws when a file is there.
    void create();
    // Closes every data set on this connection first.
    void close();
    bool isConnected() const { return m_db != nullptr; }

    // Runs one statement that returns no rows (throws lynvar::Error).
    void execute(const QString &sql);
    // The record number given by the last INSERT.
    qint64 lastInsertId() const;
    // Rows changed by the last INSERT, UPDATE or DELETE.
    int changes() const;
    // Rows changed since the connection was opened.
    qint64 totalChanges() const;
    // The file's schema version (PRAGMA user_version).
    int userVersion() const;
    void setUserVersion(int version);
    // The columns of `table` in the file, in their order; empty when there is no such table.
    QStringList columns(const QString &table) const;
    // Writes what the write-ahead log holds into the database file and empties the log, so that
    // the file alone is complete (before a copy). False when another connection kept it from
    // finishing; what was posted then stays safe in the log.
    bool checkpoint();

    // A short message for the last failure, naming the file.
    QString lastError() const;

    // The raw handle, for tests and benchmarks that look at the file directly. The program does not
    // use it.
    sqlite3 *handle() const;

Q_SIGNALS:
    void aboutToClose();

private:
    void openFile(int flags);
    QString m_path;
    int m_schemaVersion = 0;
    sqlite3 *m_db = nullptr;
};

// Several statements as one: all of them are written, or none. Rolls back unless committed.
class Transaction final
{
public:
    explicit Transaction(Connection &connection); // takes the write lock at once
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();

private:
    Connection &m_connection;
    bool m_open = true;
};

// A prepared statement with bound parameters; finalised when it goes out of scope.
class Statement final
{
public:
    // Throws lynvar::Error when the text is not valid SQL or holds more than one statement.
    Statement(const Connection &connection, const QString &sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    // index from 1; a null or invalid value binds NULL, bool binds 0/1, QByteArray a blob, numbers
    // as numbers, everything else as text.
    void bind(int index, const QVariant &value);
    // True while a row is available; throws lynvar::Error on failure.
    bool step();
    void exec() { step(); }
    // Makes the statement ready to run again; the bound values stay until bound anew.
    void reset();

    // Columns of the current row, from 0.
    int columnCount() const;
    QString columnName(int column) const;
    bool isNull(int column) const;
    QString text(int column) const;
    // The column's text as UTF-8, not copied: valid until the next step(), reset() or column read.
    QByteArrayView utf8(int column) const;
    qint64 integer(int column) const;
    double real(int column) const;
    QByteArray bytes(int column) const;

private:
    const Connection &m_connection;
    sqlite3_stmt *m_stmt = nullptr;
};

} // namespace lynvar
