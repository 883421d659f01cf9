// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

namespace lynvar {

// One database file. Opened shared (WAL journal, busy timeout); every statement is its own
// transaction, written at once, so a process killed at any moment loses nothing already posted.
class Connection final : public QObject
{
    Q_OBJECT
public:
    explicit Connection(const QString &name, QObject *parent = nullptr);
    ~Connection() override;

    void setDatabaseFile(const QString &path) { m_path = path; }
    const QString &databaseFile() const { return m_path; }

    // Throws lynvar::Error naming the file when it is missing, locked or not a database.
    void open();
    // Closes every data set on this connection first.
    void close();
    bool isConnected() const { return m_db != nullptr; }

    sqlite3 *handle() const;
    // Runs one statement that returns no rows (throws lynvar::Error).
    void execute(const QString &sql);
    // Writes what the write-ahead log holds into the database file and empties the log, so that
    // the file alone is complete (before a copy). False when another connection kept it from
    // finishing; what was posted then stays safe in the log.
    bool checkpoint();

    // A short message for the last failure, naming the file.
    QString lastError() const;

Q_SIGNALS:
    void aboutToClose();

private:
    QString m_path;
    sqlite3 *m_db = nullptr;
};

// A prepared statement with bound parameters; finalised when it goes out of scope.
class Statement final
{
public:
    Statement(const Connection &connection, const QString &sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    void bind(int index, const QVariant &value); // index from 1
    // True while a row is available; throws lynvar::Error on failure.
    bool step();
    void exec() { step(); }

    int columnCount() const;
    bool isNull(int column) const;
    QString text(int column) const;
    qint64 integer(int column) const;
    double real(int column) const;
    QByteArray bytes(int column) const;
    sqlite3_stmt *handle() const { return m_stmt; }

private:
    const Connection &m_connection;
    sqlite3_stmt *m_stmt = nullptr;
};

} // namespace lynvar
