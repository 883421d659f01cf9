// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/controls/ControlsTestSupport.h"

#include "common/Error.h"
#include "data/Schema.h"
#include "tests/support/EmptyDatabase.h"

#include <QTest>
#include <sqlite3.h>

namespace lynvar::test {

bool RecordingApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const Error &e) {
        m_failures << e.message();
    } catch (const std::exception &e) {
        m_failures << QString::fromLocal8Bit(e.what());
    }
    return false;
}

QStringList RecordingApplication::takeFailures()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    auto *app = static_cast<RecordingApplication *>(QCoreApplication::instance());
    return std::exchange(app->m_failures, {});
}

void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        const Qt::Key key =
            c.isLetterOrNumber() && c.unicode() < 0x80 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Press, widget, key, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, key, QString(c), Qt::NoModifier);
    }
}

TestDatabase::TestDatabase() : m_file(m_dir.filePath(QStringLiteral("test.db")))
{
    m_connection = openEmptyDatabase(m_file, schema::referenceTables() + schema::recordsTables());
}

TestDatabase::~TestDatabase() = default;

std::unique_ptr<DataSet> TestDatabase::dataSet(const char *table)
{
    const QString name = QString::fromLatin1(table);
    return std::make_unique<DataSet>(name + QStringLiteral("Table"), *m_connection, *schema::findTable(name));
}

namespace {

struct Handle
{
    explicit Handle(const QString &file) { sqlite3_open(file.toUtf8().constData(), &db); }
    ~Handle() { sqlite3_close(db); }
    sqlite3 *db = nullptr;
};

sqlite3_stmt *prepare(sqlite3 *db, const QString &sql, const QVariantList &parameters)
{
    sqlite3_stmt *st = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK)
        qFatal("cannot prepare %s: %s", qPrintable(sql), sqlite3_errmsg(db));
    for (int i = 0; i < parameters.size(); ++i) {
        const QVariant &p = parameters[i];
        if (p.isNull()) {
            sqlite3_bind_null(st, i + 1);
        } else if (p.typeId() == QMetaType::QByteArray) {
            const QByteArray b = p.toByteArray();
            sqlite3_bind_blob(st, i + 1, b.constData(), int(b.size()), SQLITE_TRANSIENT);
        } else if (p.typeId() == QMetaType::Int || p.typeId() == QMetaType::LongLong ||
                   p.typeId() == QMetaType::Bool) {
            sqlite3_bind_int64(st, i + 1, p.toLongLong());
        } else if (p.typeId() == QMetaType::Double) {
            sqlite3_bind_double(st, i + 1, p.toDouble());
        } else {
            const QByteArray t = p.toString().toUtf8();
            sqlite3_bind_text(st, i + 1, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        }
    }
    return st;
}

} // namespace

void TestDatabase::exec(const QString &sql, const QVariantList &parameters) const
{
    Handle h(m_file);
    sqlite3_busy_timeout(h.db, 2000);
    sqlite3_stmt *st = prepare(h.db, sql, parameters);
    const int rc = sqlite3_step(st);
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE && rc != SQLITE_ROW)
        qFatal("cannot run %s: %s", qPrintable(sql), sqlite3_errmsg(h.db));
}

QByteArray TestDatabase::raw(const QString &query) const
{
    Handle h(m_file);
    sqlite3_stmt *st = prepare(h.db, query, {});
    QByteArray result;
    if (sqlite3_step(st) == SQLITE_ROW && sqlite3_column_type(st, 0) != SQLITE_NULL) {
        const void *data = sqlite3_column_blob(st, 0);
        result = QByteArray(static_cast<const char *>(data), sqlite3_column_bytes(st, 0));
    }
    sqlite3_finalize(st);
    return result;
}

QString TestDatabase::text(const QString &query) const
{
    return QString::fromUtf8(raw(query));
}

QString TestDatabase::dump(const QString &table) const
{
    Handle h(m_file);
    sqlite3_stmt *st = prepare(h.db, QStringLiteral("SELECT * FROM \"%1\" ORDER BY ID").arg(table), {});
    QStringList rows;
    while (sqlite3_step(st) == SQLITE_ROW) {
        QStringList values;
        for (int c = 0; c < sqlite3_column_count(st); ++c) {
            const int type = sqlite3_column_type(st, c);
            const void *data = sqlite3_column_blob(st, c);
            const QByteArray bytes(static_cast<const char *>(data), sqlite3_column_bytes(st, c));
            values << QString::number(type) + u':' + QString::fromLatin1(bytes.toHex());
        }
        rows << values.join(u'|');
    }
    sqlite3_finalize(st);
    return rows.join(u'\n');
}

int TestDatabase::changesByProgram() const
{
    return sqlite3_total_changes(m_connection->handle());
}

BoundTable::BoundTable(TestDatabase &db, const char *table)
    : dataSet(db.dataSet(table)), source(QString::fromLatin1(table) + QStringLiteral("DS"), dataSet.get())
{
    dataSet->open();
}

} // namespace lynvar::test
