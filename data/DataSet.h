// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/FilterExpression.h"
#include "data/Schema.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QVariant>
#include <functional>
#include <map>
#include <vector>

namespace lynvar {

class Connection;
class DataSet;

struct LocateOptions
{
    bool caseInsensitive = false;
    bool partialKey = false; // a value matches a field that begins with it
};

// Typed access to one field of a data set's current record.
// Null rules: text reads empty, numbers 0, yes/no false, a date 30 December 1899.
class Field
{
public:
    Field(DataSet &dataSet, int index) : m_dataSet(&dataSet), m_index(index) {}

    const FieldDef &def() const;
    QString asString() const;
    qint64 asInteger() const;
    double asFloat() const;
    bool asBoolean() const;
    QDateTime asDateTime() const;
    QVariant value() const;
    bool isNull() const;

    void setString(const QString &v);
    void setInteger(qint64 v);
    void setFloat(double v);
    void setBoolean(bool v);
    void setDateTime(const QDateTime &v);
    void setValue(const QVariant &v);
    void clear();

private:
    DataSet *m_dataSet;
    int m_index;
};

/*
 * A client-side static cursor over one table.
 *
 * Opening reads the whole table into m_records (database order). What views and walks see is
 * m_view: the indices of the records that pass the master-detail range and, while filtering is on,
 * the filter, in the order of the sort. m_current is a position in m_view.
 *
 * States: Inactive -> open() -> Browse; edit() -> Edit, insert() -> Insert; post() writes the edit
 * buffer to the database at once (one statement, one transaction) and returns to Browse; cancel()
 * drops the buffer. Any move of the current record first posts a changed record or leaves an
 * unchanged one without writing (post on move); a master first does so for its details, so a detail
 * edit that cannot be posted keeps the master where it is. An inserted record lives at the end of m_records
 * and at the current position of m_view; cancelling it removes it again.
 *
 * Hooks run as the program's handlers expect: afterScroll after every move of the current record,
 * after opening a non-empty table, after an insert (once afterInsert returned), after a delete or a
 * cancelled insert (also when no record is left), after a filter or master-detail range change;
 * never on a sort or index change, which keep the current record.
 */
class DataSet final : public QObject
{
    Q_OBJECT
public:
    enum class State
    {
        Inactive,
        Browse,
        Edit,
        Insert
    };

    using Hook = std::function<void(DataSet &)>;

    DataSet(const QString &name, Connection &connection, const TableDef &table, QObject *parent = nullptr);
    ~DataSet() override;

    const TableDef &table() const { return m_table; }
    Connection &connection() const { return m_connection; }

    // --- open, close
    void open();
    void close(); // drops an unposted edit
    bool isActive() const { return m_state != State::Inactive; }
    State state() const { return m_state; }
    bool isEditing() const { return m_state == State::Edit || m_state == State::Insert; }

    // --- walking and moving
    void first();
    void next();
    void prior();
    void last();
    void moveTo(int row); // a row of the view, as a grid selects it
    bool eof() const;
    bool bof() const;
    bool isEmpty() const;
    int recordCount() const;
    int currentRow() const; // -1 when there is no current record

    // --- editing
    void edit();
    void insert();
    void post();
    void cancel();
    void deleteRecord();
    bool isModified() const { return m_modified; }

    // --- fields of the current record (the edit buffer while editing)
    int fieldIndex(QStringView name) const; // -1 when missing
    Field field(QStringView name);          // throws when missing
    Field field(int index) { return Field(*this, index); }
    QVariant value(int field) const;
    void setValue(int field, const QVariant &value);
    // A cell of the view, for grids.
    QVariant valueAt(int row, int field) const;

    // --- refresh, filter, order
    void refresh();
    void setFilter(const QString &expression);
    const QString &filter() const { return m_filterText; }
    void setFiltered(bool on);
    bool filtered() const { return m_filtered; }
    void setSort(const QString &sortText);
    const QString &sort() const { return m_sortText; }
    void setIndexFieldNames(const QString &names);
    const QString &indexFieldNames() const { return m_indexFieldNames; }

    // --- master-detail: show only records whose detailField equals master's current masterField
    void setMasterLink(DataSet *master, const QString &masterField, const QString &detailField);
    DataSet *master() const { return m_master; }

    [[nodiscard]] bool locate(const QString &fieldName, const QVariant &value, LocateOptions options = {});

    // --- hooks
    Hook afterScroll;
    Hook afterInsert;
    Hook beforePost;
    Hook afterPost;

Q_SIGNALS:
    void stateChanged();
    void recordsReset();          // the visible rows or their order changed
    void currentChanged();        // another record became current
    void recordChanged(int row);  // the values of one row changed
    void fieldChanged(int field); // a field of the current record changed while editing
    void activeChanged(bool active);

private:
    friend class Field;
    struct Record
    {
        QList<QVariant> values;
        bool pending = false; // inserted, not yet posted
    };
    struct SortKey
    {
        int field;
        bool descending;
    };

    void checkActive() const;
    void checkEditing() const;
    void setState(State s);
    void readTable();
    void rebuildView(bool keepCurrent);
    bool inRange(const Record &r) const;
    std::vector<SortKey> parseSort(const QString &text) const;
    void applyOrder();
    void finishEditBeforeMove();
    // Before the current record moves, the details' pending edits are posted first: a refused post
    // stops the move while every detail still shows the records of the current master.
    void finishDetailEdits();
    void finishEditsBeforeMove();
    void scrolled();
    // After the visible records changed: the first of them becomes current and the scroll hook runs.
    void showFromFirstVisible();
    void masterMoved();
    void writeRecord();
    bool fieldChangedInBuffer(int field) const;
    // Checks the widths and ranges of the fields the edit changed.
    void validate() const;
    const QList<QVariant> &currentValues() const;
    int currentRecordIndex() const;

    Connection &m_connection;
    const TableDef &m_table;
    State m_state = State::Inactive;

    std::vector<Record> m_records;
    std::vector<int> m_view;
    int m_current = -1;
    bool m_eof = true;
    bool m_bof = true;

    QList<QVariant> m_buffer;
    bool m_modified = false;

    QString m_filterText;
    FilterExpression m_filter;
    bool m_filtered = false;
    QString m_sortText;
    QString m_indexFieldNames;
    std::vector<SortKey> m_order;

    // Sort keys of one field for every record, made again only after the records change.
    struct SortColumn
    {
        quint64 version = ~quint64(0);
        bool numeric = false;
        std::vector<double> numbers; // numbers, dates as yyyyMMddHHmmss, texts as their rank
        std::vector<QString> texts;  // collation keys while the ranks are made
        std::vector<char> nulls;
    };
    const SortColumn &sortColumn(int field);
    static void rankTexts(SortColumn &column);
    quint64 m_recordsVersion = 0;
    std::map<int, SortColumn> m_sortColumns;

    QPointer<DataSet> m_master;
    std::vector<QPointer<DataSet>> m_details;
    int m_masterField = -1;
    int m_detailField = -1;
    QVariant m_rangeKey; // the master value the view was last built for
};

} // namespace lynvar
