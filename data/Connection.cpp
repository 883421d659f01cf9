// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Connection.h"

#include "common/Error.h"

#include <QDateTime>
#include <QFileInfo>
#include <sqlite3.h>

namespace lynvar {
namespace {

constexpr int BusyTimeoutMs = 2000;

} // namespace

Connection::Connection(const QString &name, QObject *parent) : QObject(parent)
{
    setObjectName(name);
}

Connection::~Connection()
{
    if (m_db)
        sqlite3_close_v2(m_db);
}

void Connection::open()
{
    if (m_db)
        return;
    const QString nativePath = QFileInfo(m_path).absoluteFilePath();
    // Opening never creates a file: a missing database is a failure, not a new empty file.
    if (!QFileInfo(nativePath).isFile())
        throw Error(QStringLiteral("Could not find file '%1'.").arg(m_path));

    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(nativePath.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        const QString why = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
        sqlite3_close_v2(db);
        throw Error(QStringLiteral("Could not use '%1'; %2").arg(m_path, why));
    }
    sqlite3_busy_timeout(db, BusyTimeoutMs);
    sqlite3_extended_result_codes(db, 1);

    // The first read tells a database from another kind of file, and a file another program locks.
    const int check = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (check != SQLITE_OK) {
        const int primary = check & 0xff;
        sqlite3_close_v2(db);
        if (primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT)
            throw Error(QStringLiteral("Unrecognized database format '%1'.").arg(m_path));
        if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
            throw Error(QStringLiteral("Could not use '%1'; file already in use").arg(m_path));
        throw Error(
            QStringLiteral("Could not use '%1'; %2").arg(m_path, QString::fromUtf8(sqlite3_errstr(check))));
    }
    // Shared use with readers and writers; a read-only file or folder simply keeps its journal mode.
    sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
    sqlite3_exec(db, "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
    m_db = db;
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
    if (sqlite3_prepare_v2(connection.handle(), utf8.constData(), int(utf8.size()), &m_stmt, nullptr) !=
        SQLITE_OK)
        throw Error(connection.lastError());
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

int Statement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
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
