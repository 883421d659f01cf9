// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Connection.h"
#include "data/DataSet.h"
#include "data/DataSource.h"

#include <QApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantList>
#include <memory>

namespace lynvar::test {

// The event loop of the program in small: a failure that escapes a handler or a posted call is
// recorded (the program shows it in the error box) and the loop goes on.
class RecordingApplication final : public QApplication
{
public:
    RecordingApplication(int &argc, char **argv) : QApplication(argc, argv) {}
    bool notify(QObject *receiver, QEvent *event) override;

    // Delivers posted calls, then hands over (and forgets) the failures recorded so far.
    static QStringList takeFailures();

private:
    QStringList m_failures;
};

// Types `text` into `widget` key by key, as a keyboard does; unlike QTest::keyClicks it takes any
// character (Cyrillic too).
void typeText(QWidget *widget, const QString &text);

// A temporary database with every table of both schemas, opened through our connection. The
// helpers read and write the file on their own handle, as another program would.
class TestDatabase
{
public:
    TestDatabase();
    ~TestDatabase();

    const QString &file() const { return m_file; }
    Connection &connection() { return *m_connection; }
    // A closed data set over `table`, named after it.
    std::unique_ptr<DataSet> dataSet(const char *table);

    void exec(const QString &sql, const QVariantList &parameters = {}) const;
    // The first column of the first row as text; empty for none or NULL.
    QString text(const QString &query) const;
    // The first column of the first row exactly as stored.
    QByteArray raw(const QString &query) const;
    // Every value of a table, for comparing a table before and after.
    QString dump(const QString &table) const;
    // Rows written through our own connection since it opened.
    int changesByProgram() const;

private:
    QTemporaryDir m_dir;
    QString m_file;
    std::unique_ptr<Connection> m_connection;
};

// An open data set with its data source, as the data module has them.
struct BoundTable
{
    BoundTable(TestDatabase &db, const char *table);
    std::unique_ptr<DataSet> dataSet;
    DataSource source;
};

} // namespace lynvar::test

#define LYNVAR_CONTROLS_TEST_MAIN(TestClass)                                                                 \
    int main(int argc, char **argv)                                                                          \
    {                                                                                                        \
        lynvar::test::RecordingApplication app(argc, argv);                                                  \
        TestClass test;                                                                                      \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
