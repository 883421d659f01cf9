// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Connection.h"

#include "common/Error.h"

#include <QFileInfo>
#include <sqlite3.h>

namespace lynvar {
namespace {

constexpr int BusyTimeoutMs = 2000;

} // namespace

QString newerFileMessage(const QString &file, int fileVersion, int knownVersion)
{
    return QStringLiteral("'%1' was written by a newer version of LynvarBook (schema version %2; this "
                          "version knows up to %3). The file is left as it is.")
        .arg(file)
        .arg(fileVersion)
        .arg(knownVersion);
}

Connection::Connection(const QString &name, QObject *parent) : QObject(parent)
{
    setObjectName(name);
}

Connection::~Connection()
{
    if (m_db)
        sqlite3_close_v2(m_db);
}

void Connection::openFile(int flags)
{
    const QString nativePath = QFileInfo(m_path).absoluteFilePath();
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(nativePath.toUtf8().constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString why = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
        sqlite3_close_v2(db);
        throw Error(QStringLiteral("Could not use '%1'; %2").arg(m_path, why));
    }
    sqlite3_busy_timeout(db, BusyTimeoutMs);
    sqlite3_extended_result_codes(db, 1);
    // A double-quoted name that matches no column must be an error, not a text of that name.
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    m_db = db;
}

void Connection::open()
{
    if (m_db)
        return;
    // Opening never creates a file: a missing database is a failure, not a new empty file.
    const QFileInfo file(m_path);
    if (!file.isFile())
        throw Error(QStringLiteral("Could not find file '%1'.").arg(m_path));
    // SQLite takes an empty file for an empty database and would write one into it. (An empty file
    // beside a write-ahead log is a database whose pages are all still in the log.)
    if (file.size() == 0 && QFileInfo(m_path + QStringLiteral("-wal")).size() == 0)
        throw Error(QStringLiteral("Unrecognized database format '%1'.").arg(m_path));

    openFile(SQLITE_OPEN_READWRITE);
    // The first read tells a database from another kind of file, and a file another program locks.
    const int check = sqlite3_exec(m_db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (check != SQLITE_OK) {
        const int primary = check & 0xff;
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        if (primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT)
            throw Error(QStringLiteral("Unrecognized database format '%1'.").arg(m_path));
        if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
            throw Error(QStringLiteral("Could not use '%1'; file already in use").arg(m_path));
        throw Error(
            QStringLiteral("Could not use '%1'; %2").arg(m_path, QString::fromUtf8(sqlite3_errstr(check))));
    }
    // A file of a newer program is refused before anything (even the journal mode) is written to it.
    if (m_schemaVersion > 0 && userVersion() > m_schemaVersion) {
        const QString why = newerFileMessage(m_path, userVersion(), m_schemaVersion);
        close();
        throw Error(why);
    }
    // Shared use with readers and writers; a read-only file or folder simply keeps its journal mode.
    sqlite3_exec(m_db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
    sqlite3_exec(m_db, "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
}

void Connection::create()
{
    if (m_db)
        throw Error(QStringLiteral("Connection %1 is already open").arg(objectName()));
    if (QFileInfo::exists(m_path))
        throw Error(QStringLiteral("Cannot create '%1': the file exists").arg(m_path));
    openFile(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    execute(QStringLiteral("PRAGMA journal_mode=DELETE"));
}

void Connection::close()
{
    if (!m_db)
        return;
    Q_EMIT aboutToClose();
    sqlite3_close_v2(m_db);
    m_db = nullptr;
}

sqlite3 *Connection::handle() const
{
    if (!m_db)
        throw Error(QStringLiteral("Connection %1 is not open").arg(objectName()));
    return m_db;
}

QString Connection::lastError() const
{
    if (!m_db)
        return QString();
    return QStringLiteral("%1 (%2)").arg(QString::fromUtf8(sqlite3_errmsg(m_db)), m_path);
}

void Connection::execute(const QString &sql)
{
    Statement statement(*this, sql);
    statement.exec();
}

qint64 Connection::lastInsertId() const
{
    return sqlite3_last_insert_rowid(handle());
}

int Connection::changes() const
{
    return sqlite3_changes(handle());
}

qint64 Connection::totalChanges() const
{
    return sqlite3_total_changes64(handle());
}

int Connection::userVersion() const
{
    Statement st(*this, QStringLiteral("PRAGMA user_version"));
    return st.step() ? int(st.integer(0)) : 0;
}

void Connection::setUserVersion(int version)
{
    // A pragma takes no bound value; the number is ours.
    execute(QStringLiteral("PRAGMA user_version = %1").arg(version));
}

QStringList Connection::columns(const QString &table) const
{
    Statement st(*this, QStringLiteral("SELECT name FROM pragma_table_info(?)"));
    st.bind(1, table);
    QStringList names;
    while (st.step())
        names << st.text(0);
    return names;
}

// ---------------------------------------------------------------- Transaction

Transaction::Transaction(Connection &connection) : m_connection(connection)
{
    m_connection.execute(QStringLiteral("BEGIN IMMEDIATE"));
}

Transaction::~Transaction()
{
    if (!m_open || !m_connection.isConnected())
        return;
    // Nothing may escape a destructor; a failed rollback leaves SQLite to roll back on close.
    sqlite3_exec(m_connection.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit()
{
    m_connection.execute(QStringLiteral("COMMIT"));
    m_open = false;
}

// ---------------------------------------------------------------- Statement

bool Connection::checkpoint()
{
    int logFrames = 0;
    int done = 0;
    const int rc =
        sqlite3_wal_checkpoint_v2(handle(), nullptr, SQLITE_CHECKPOINT_TRUNCATE, &logFrames, &done);
    return rc == SQLITE_OK && logFrames == done;
}

Statement::Statement(const Connection &connection, const QString &sql) : m_connection(connection)
{
    const QByteArray utf8 = sql.toUtf8();
    const char *tail = nullptr;
    if (sqlite3_prepare_v2(connection.handle(), utf8.constData(), int(utf8.size()), &m_stmt, &tail) !=
        SQLITE_OK)
        throw Error(connection.lastError());
    const bool onlyOne = QByteArrayView(tail, utf8.constData() + utf8.size() - tail).trimmed().isEmpty();
    if (!m_stmt || !onlyOne) {
        const QString why = onlyOne ? QStringLiteral("no statement in \"%1\"").arg(sql)
                                    : QStringLiteral("one statement at a time: \"%1\"").arg(sql);
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        throw Error(why);
    }
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

void Statement::bind(int index, const QVariant &value)
{
    int rc = SQLITE_OK;
    if (!value.isValid() || value.isNull()) {
        rc = sqlite3_bind_null(m_stmt, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
            rc = sqlite3_bind_int(m_stmt, index, value.toBool() ? 1 : 0);
            break;
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
        case QMetaType::Short:
            rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(m_stmt, index, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_blob64(m_stmt, index, bytes.constData(), sqlite3_uint64(bytes.size()),
                                     SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray utf8 = value.toString().toUtf8();
            rc = sqlite3_bind_text64(m_stmt, index, utf8.constData(), sqlite3_uint64(utf8.size()),
                                     SQLITE_TRANSIENT, SQLITE_UTF8);
            break;
        }
        }
    }
    if (rc != SQLITE_OK)
        throw Error(m_connection.lastError());
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throw Error(m_connection.lastError());
}

void Statement::reset()
{
    // The failure of the last step was reported by step() already.
    sqlite3_reset(m_stmt);
}

int Statement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

QString Statement::columnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, column));
}

bool Statement::isNull(int column) const
{
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

QString Statement::text(int column) const
{
    const auto *data = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    return QString::fromUtf8(data, sqlite3_column_bytes(m_stmt, column));
}

QByteArrayView Statement::utf8(int column) const
{
    const auto *data = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    return QByteArrayView(data, sqlite3_column_bytes(m_stmt, column));
}

qint64 Statement::integer(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

double Statement::real(int column) const
{
    return sqlite3_column_double(m_stmt, column);
}

QByteArray Statement::bytes(int column) const
{
    const auto *data = static_cast<const char *>(sqlite3_column_blob(m_stmt, column));
    return QByteArray(data, sqlite3_column_bytes(m_stmt, column));
}

} // namespace lynvar
