// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/DataSet.h"

#include "common/Error.h"
#include "data/Connection.h"
#include "data/FieldValue.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

namespace lynvar {
namespace {

QString quoted(const QString &name)
{
    return u'"' + name + u'"';
}

// Diaries repeat their places, weather keys, fish and tackle many times over. A short text equal to
// one of the last few read in its column shares that one's characters instead of being decoded and
// allocated again: less time to open a table, and less memory to hold it.
class RepeatedTexts
{
public:
    QString text(QByteArrayView utf8)
    {
        if (utf8.size() > MaxBytes)
            return QString::fromUtf8(utf8);
        for (const Slot &s : m_slots) {
            if (s.size == utf8.size() &&
                (s.size == 0 || std::memcmp(s.bytes.data(), utf8.data(), size_t(s.size)) == 0))
                return s.text;
        }
        Slot &s = m_slots[m_next];
        m_next = (m_next + 1) % Slots;
        s.size = utf8.size();
        if (s.size > 0)
            std::memcpy(s.bytes.data(), utf8.data(), size_t(s.size));
        s.text = QString::fromUtf8(utf8);
        return s.text;
    }

private:
    static constexpr qsizetype MaxBytes = 64;
    static constexpr int Slots = 8;
    struct Slot
    {
        qsizetype size = -1;
        std::array<char, MaxBytes> bytes;
        QString text;
    };
    std::array<Slot, Slots> m_slots;
    int m_next = 0;
};

QVariant readColumn(const Statement &st, int column, FieldType type, RepeatedTexts &texts)
{
    if (st.isNull(column))
        return {};
    switch (type) {
    case FieldType::AutoNumber:
    case FieldType::Int16:
    case FieldType::Int32:
        return st.integer(column);
    case FieldType::Boolean:
        return st.integer(column) != 0;
    case FieldType::Float:
        return st.real(column);
    case FieldType::Bytes:
        return st.bytes(column);
    case FieldType::Decimal:
        return fieldvalue::normalise(type, st.text(column));
    case FieldType::DateTime:
    case FieldType::Text:
    case FieldType::Memo:
    case FieldType::RichText:
        return texts.text(st.utf8(column));
    }
    return {};
}

// What the database stores for an in-memory value.
QVariant storedForm(FieldType type, const QVariant &value)
{
    if (value.isNull())
        return {};
    if (type == FieldType::Boolean)
        return qint64(value.toBool() ? 1 : 0);
    return value;
}

// yyyy-MM-ddTHH:mm:ss.zzz as yyyyMMdd days of 86,400,000 ms plus the milliseconds of the day: a
// number that orders as the dates do and stays exact in a double.
double dateSortNumber(const QString &iso)
{
    qint64 day = 0, time = 0, ms = 0;
    int digits = 0;
    for (QChar c : iso) {
        const char16_t u = c.unicode();
        if (u < u'0' || u > u'9')
            continue;
        const int d = u - u'0';
        if (digits < 8)
            day = day * 10 + d;
        else if (digits < 14)
            time = time * 10 + d;
        else if (digits < 17)
            ms = ms * 10 + d;
        else
            break;
        ++digits;
    }
    for (int i = std::max(digits, 8); i < 14; ++i)
        time *= 10;
    for (int i = std::max(digits, 14); i < 17; ++i)
        ms *= 10;
    const qint64 hours = time / 10000, minutes = time / 100 % 100, seconds = time % 100;
    return double(day * 86400000 + ((hours * 60 + minutes) * 60 + seconds) * 1000 + ms);
}

} // namespace

// ---------------------------------------------------------------- Field

const FieldDef &Field::def() const
{
    return m_dataSet->m_table.fields[m_index];
}
QVariant Field::value() const
{
    return m_dataSet->value(m_index);
}
bool Field::isNull() const
{
    return value().isNull();
}
QString Field::asString() const
{
    return fieldvalue::toText(def().type, value());
}
qint64 Field::asInteger() const
{
    return fieldvalue::toInteger(def().type, value());
}
double Field::asFloat() const
{
    return fieldvalue::toDouble(def().type, value());
}
bool Field::asBoolean() const
{
    return fieldvalue::toBool(def().type, value());
}
QDateTime Field::asDateTime() const
{
    return fieldvalue::toDateTime(def().type, value());
}
void Field::setString(const QString &v)
{
    m_dataSet->setValue(m_index, v);
}
void Field::setInteger(qint64 v)
{
    m_dataSet->setValue(m_index, v);
}
void Field::setFloat(double v)
{
    m_dataSet->setValue(m_index, v);
}
void Field::setBoolean(bool v)
{
    m_dataSet->setValue(m_index, v);
}
void Field::setDateTime(const QDateTime &v)
{
    m_dataSet->setValue(m_index, v);
}
void Field::setValue(const QVariant &v)
{
    m_dataSet->setValue(m_index, v);
}
void Field::clear()
{
    m_dataSet->setValue(m_index, QVariant());
}

// ---------------------------------------------------------------- DataSet

DataSet::DataSet(const QString &name, Connection &connection, const TableDef &table, QObject *parent)
    : QObject(parent), m_connection(connection), m_table(table)
{
    setObjectName(name);
    // Closing a connection closes every data set on it.
    connect(&m_connection, &Connection::aboutToClose, this, &DataSet::close);
}

DataSet::~DataSet() = default;

void DataSet::checkActive() const
{
    if (m_state == State::Inactive)
        throw Error(
            QStringLiteral("%1: Cannot perform this operation on a closed dataset").arg(objectName()));
}

void DataSet::checkEditing() const
{
    checkActive();
    if (!isEditing())
        throw Error(QStringLiteral("%1: Dataset not in edit or insert mode").arg(objectName()));
}

void DataSet::setState(State s)
{
    if (m_state == s)
        return;
    m_state = s;
    Q_EMIT stateChanged();
}

void DataSet::scrolled()
{
    if (afterScroll)
        afterScroll(*this);
}

// ---- open, close

void DataSet::readTable()
{
    QStringList columns;
    for (const FieldDef &f : m_table.fields)
        columns << quoted(f.name);
    const int idField = fieldIndex(u"ID");
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(columns.join(u','), quoted(m_table.name));
    if (idField >= 0)
        sql += QStringLiteral(" ORDER BY \"ID\"");

    std::vector<Record> records;
    try {
        Statement st(m_connection, sql);
        const int n = int(m_table.fields.size());
        std::vector<RepeatedTexts> texts(n);
        while (st.step()) {
            Record r;
            r.values.reserve(n);
            for (int i = 0; i < n; ++i)
                r.values.append(readColumn(st, i, m_table.fields[i].type, texts[i]));
            records.push_back(std::move(r));
        }
    } catch (const Error &e) {
        throw Error(
            QStringLiteral("%1: cannot read table %2: %3").arg(objectName(), m_table.name, e.message()));
    }
    m_records = std::move(records);
    ++m_recordsVersion;
}

void DataSet::open()
{
    if (isActive())
        return;
    if (!m_connection.isConnected())
        throw Error(QStringLiteral("%1: the database %2 is not connected")
                        .arg(objectName(), m_connection.databaseFile()));
    // A table or field missing from the file is named here, before any value is read.
    schema::check(m_connection, m_table);
    readTable();
    // A reopened table keeps its index field names and filter; a sort given as sort text is not kept.
    m_sortText.clear();
    m_order = parseSort(m_indexFieldNames);
    m_state = State::Browse;
    rebuildView(false);
    m_current = m_view.empty() ? -1 : 0;
    m_eof = m_bof = m_view.empty();
    Q_EMIT activeChanged(true);
    Q_EMIT stateChanged();
    Q_EMIT recordsReset();
    Q_EMIT currentChanged();
    if (!m_view.empty())
        scrolled();
}

void DataSet::close()
{
    if (!isActive())
        return;
    // An unposted edit or insertion is dropped, never written.
    m_buffer.clear();
    m_modified = false;
    m_records.clear();
    ++m_recordsVersion;
    m_view.clear();
    m_current = -1;
    m_eof = m_bof = true;
    m_state = State::Inactive;
    Q_EMIT activeChanged(false);
    Q_EMIT stateChanged();
    Q_EMIT recordsReset();
    Q_EMIT currentChanged();
}

// ---- the view

bool DataSet::inRange(const Record &r) const
{
    if (m_detailField < 0)
        return true;
    if (!m_master || !m_master->isActive() || m_master->isEmpty())
        return false;
    const QVariant key = m_master->value(m_masterField);
    const QVariant &own = r.values[m_detailField];
    if (key.isNull() || own.isNull())
        return false;
    const FieldType type = m_table.fields[m_detailField].type;
    return fieldvalue::compare(type, own, fieldvalue::normalise(type, key)) == 0;
}

void DataSet::rebuildView(bool keepCurrent)
{
    const int keep = keepCurrent ? currentRecordIndex() : -1;
    m_view.clear();
    m_view.reserve(m_records.size());
    for (int i = 0; i < int(m_records.size()); ++i) {
        const Record &r = m_records[i];
        if (r.pending || !inRange(r))
            continue;
        if (m_filtered && !m_filter.matches(r.values))
            continue;
        m_view.push_back(i);
    }
    applyOrder();
    m_current = -1;
    if (keep >= 0) {
        const auto it = std::find(m_view.begin(), m_view.end(), keep);
        if (it != m_view.end())
            m_current = int(it - m_view.begin());
    }
    if (m_current < 0 && !m_view.empty() && keepCurrent)
        m_current = 0;
}

std::vector<DataSet::SortKey> DataSet::parseSort(const QString &text) const
{
    std::vector<SortKey> keys;
    const QStringList parts = QString(text).replace(u';', u',').split(u',', Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        QStringList words = part.simplified().split(u' ', Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        bool descending = false;
        if (words.size() == 2 && words[1].compare(u"DESC", Qt::CaseInsensitive) == 0)
            descending = true;
        else if (words.size() == 2 && words[1].compare(u"ASC", Qt::CaseInsensitive) != 0)
            throw Error(QStringLiteral("%1: sort order \"%2\" is not valid").arg(objectName(), part));
        else if (words.size() > 2)
            throw Error(QStringLiteral("%1: sort order \"%2\" is not valid").arg(objectName(), part));
        const int field = fieldIndex(words[0]);
        if (field < 0)
            throw Error(QStringLiteral("%1: Field '%2' not found").arg(objectName(), words[0]));
        keys.push_back({field, descending});
    }
    return keys;
}

const DataSet::SortColumn &DataSet::sortColumn(int field)
{
    SortColumn &c = m_sortColumns[field];
    if (c.version == m_recordsVersion && c.nulls.size() == m_records.size())
        return c;
    const FieldDef &def = m_table.fields[field];
    const bool isDate = def.type == FieldType::DateTime;
    c.numeric = def.isNumeric() || isDate;
    c.numbers.clear();
    c.texts.clear();
    c.nulls.clear();
    c.nulls.reserve(m_records.size());
    (c.numeric ? c.numbers.reserve(m_records.size()) : c.texts.reserve(m_records.size()));
    for (const Record &r : m_records) {
        const QVariant &v = r.values[field];
        c.nulls.push_back(v.isNull());
        if (isDate)
            c.numbers.push_back(v.isNull() ? 0.0 : dateSortNumber(v.toString()));
        else if (c.numeric)
            c.numbers.push_back(v.isNull() ? 0.0 : v.toDouble());
        else if (def.isText())
            c.texts.push_back(v.isNull() ? QString() : fieldvalue::textSortKey(v.toString()));
        else
            c.texts.push_back(v.toString());
    }
    if (!c.numeric)
        rankTexts(c);
    c.version = m_recordsVersion;
    return c;
}

void DataSet::rankTexts(SortColumn &c)
{
    // Each text becomes its rank among the distinct keys, so a sort compares numbers. Diaries repeat
    // their places and fish many times over, so there are far fewer distinct keys than rows.
    QHash<QString, int> rank;
    rank.reserve(int(c.texts.size()));
    for (const QString &key : c.texts)
        rank.insert(key, 0);
    QList<QString> distinct = rank.keys();
    std::sort(distinct.begin(), distinct.end());
    for (int i = 0; i < distinct.size(); ++i)
        rank[distinct[i]] = i;
    c.numbers.reserve(c.texts.size());
    for (const QString &key : c.texts)
        c.numbers.push_back(rank.value(key));
    c.texts.clear();
    c.numeric = true;
}

void DataSet::applyOrder()
{
    if (m_order.empty())
        return; // database order: m_view is already ascending by record index
    // Keys are made once per field and kept until the records change, so toggling a sort only sorts.
    std::vector<std::pair<const SortColumn *, bool>> columns;
    for (const SortKey &k : m_order)
        columns.emplace_back(&sortColumn(k.field), k.descending);

    if (columns.size() == 1) {
        // The common case, one field: sort (key, record) pairs held side by side.
        const SortColumn &c = *columns[0].first;
        const double nullKey = -std::numeric_limits<double>::infinity(); // nulls first
        std::vector<std::pair<double, int>> keyed;
        keyed.reserve(m_view.size());
        for (int r : m_view)
            keyed.emplace_back(c.nulls[r] ? nullKey : c.numbers[r], r);
        if (columns[0].second)
            std::stable_sort(keyed.begin(), keyed.end(),
                             [](const auto &a, const auto &b) { return a.first > b.first; });
        else
            std::stable_sort(keyed.begin(), keyed.end(),
                             [](const auto &a, const auto &b) { return a.first < b.first; });
        for (size_t i = 0; i < keyed.size(); ++i)
            m_view[i] = keyed[i].second;
        return;
    }
    std::stable_sort(m_view.begin(), m_view.end(), [&](int a, int b) {
        for (const auto &[c, descending] : columns) {
            int order;
            if (c->nulls[a] || c->nulls[b])
                order = c->nulls[a] == c->nulls[b] ? 0 : (c->nulls[a] ? -1 : 1);
            else
                order = c->numbers[a] < c->numbers[b] ? -1 : (c->numbers[b] < c->numbers[a] ? 1 : 0);
            if (order != 0)
                return descending ? order > 0 : order < 0;
        }
        return false;
    });
}

int DataSet::currentRecordIndex() const
{
    return m_current >= 0 && m_current < int(m_view.size()) ? m_view[m_current] : -1;
}

const QList<QVariant> &DataSet::currentValues() const
{
    static const QList<QVariant> none;
    if (isEditing())
        return m_buffer;
    const int r = currentRecordIndex();
    return r >= 0 ? m_records[r].values : none;
}

// ---- moving

void DataSet::finishEditBeforeMove()
{
    if (m_state == State::Edit) {
        if (m_modified) {
            post();
        } else {
            m_buffer.clear();
            setState(State::Browse);
        }
    } else if (m_state == State::Insert) {
        if (m_modified)
            post();
        else
            cancel();
    }
}

void DataSet::finishDetailEdits()
{
    for (const QPointer<DataSet> &detail : m_details) {
        if (detail && detail->isActive())
            detail->finishEditsBeforeMove();
    }
}

void DataSet::finishEditsBeforeMove()
{
    finishDetailEdits();
    finishEditBeforeMove();
}

void DataSet::first()
{
    checkActive();
    finishEditsBeforeMove();
    m_bof = true;
    if (m_view.empty()) {
        m_current = -1;
        m_eof = true;
        return;
    }
    m_eof = false;
    m_current = 0;
    Q_EMIT currentChanged();
    scrolled();
}

void DataSet::next()
{
    checkActive();
    finishEditsBeforeMove();
    if (m_current + 1 >= int(m_view.size())) {
        m_eof = true;
        return;
    }
    ++m_current;
    m_eof = m_bof = false;
    Q_EMIT currentChanged();
    scrolled();
}

void DataSet::prior()
{
    checkActive();
    finishEditsBeforeMove();
    if (m_current <= 0) {
        m_bof = true;
        return;
    }
    --m_current;
    m_eof = m_bof = false;
    Q_EMIT currentChanged();
    scrolled();
}

void DataSet::last()
{
    checkActive();
    finishEditsBeforeMove();
    m_eof = true;
    if (m_view.empty())
        return;
    m_bof = false;
    m_current = int(m_view.size()) - 1;
    Q_EMIT currentChanged();
    scrolled();
}

void DataSet::moveTo(int row)
{
    checkActive();
    if (row == m_current || row < 0 || row >= int(m_view.size()))
        return;
    // Leaving an unchanged insertion removes its row: follow the target record, not its position.
    const int target = m_view[row];
    finishEditsBeforeMove();
    const auto it = std::find(m_view.begin(), m_view.end(), target);
    if (it == m_view.end())
        return;
    m_current = int(it - m_view.begin());
    m_eof = m_bof = false;
    Q_EMIT currentChanged();
    scrolled();
}

bool DataSet::eof() const
{
    checkActive();
    return m_eof || m_view.empty();
}

bool DataSet::bof() const
{
    checkActive();
    return m_bof || m_view.empty();
}

bool DataSet::isEmpty() const
{
    checkActive();
    return m_view.empty();
}

int DataSet::recordCount() const
{
    checkActive();
    return int(m_view.size());
}

int DataSet::currentRow() const
{
    return isActive() ? m_current : -1;
}

// ---- editing

void DataSet::edit()
{
    checkActive();
    if (isEditing())
        return;
    if (m_view.empty()) {
        insert(); // editing an empty table starts a new record
        return;
    }
    m_buffer = m_records[currentRecordIndex()].values;
    m_modified = false;
    setState(State::Edit);
}

void DataSet::insert()
{
    checkActive();
    finishEditsBeforeMove();
    Record r;
    r.pending = true;
    for (int i = 0; i < m_table.fields.size(); ++i)
        r.values.append(QVariant());
    if (m_detailField >= 0 && m_master && m_master->isActive())
        r.values[m_detailField] =
            fieldvalue::normalise(m_table.fields[m_detailField].type, m_master->value(m_masterField));
    m_records.push_back(r);
    ++m_recordsVersion;
    const int at = std::max(m_current, 0);
    m_view.insert(m_view.begin() + at, int(m_records.size()) - 1);
    m_current = at;
    m_buffer = r.values;
    m_modified = false;
    m_eof = m_bof = false;
    setState(State::Insert);
    Q_EMIT recordsReset();
    Q_EMIT currentChanged();
    if (afterInsert)
        afterInsert(*this);
    scrolled();
}

bool DataSet::fieldChangedInBuffer(int field) const
{
    if (m_state == State::Insert)
        return !m_buffer[field].isNull();
    const QVariant &stored = m_records[currentRecordIndex()].values[field];
    return m_buffer[field] != stored || m_buffer[field].isNull() != stored.isNull();
}

void DataSet::validate() const
{
    for (int i = 0; i < m_table.fields.size(); ++i) {
        const FieldDef &f = m_table.fields[i];
        const QVariant &v = m_buffer[i];
        // Only what the user changed: a record that another program or an old version stored out of
        // range stays editable in its other fields.
        if (v.isNull() || !fieldChangedInBuffer(i))
            continue;
        if (f.type == FieldType::Text && f.width > 0 && v.toString().size() > f.width)
            throw Error(QStringLiteral("Field '%1' holds at most %2 characters; the value has %3")
                            .arg(f.name)
                            .arg(f.width)
                            .arg(v.toString().size()));
        const qint64 n = f.type == FieldType::Int16 || f.type == FieldType::Int32 ? v.toLongLong() : 0;
        if (f.type == FieldType::Int16 && (n < -32768 || n > 32767))
            throw Error(QStringLiteral("Field '%1' takes a whole number from -32768 to 32767, not %2")
                            .arg(f.name)
                            .arg(n));
        if (f.type == FieldType::Int32 &&
            (n < std::numeric_limits<qint32>::min() || n > std::numeric_limits<qint32>::max()))
            throw Error(
                QStringLiteral("Field '%1' takes a whole number from -2147483648 to 2147483647, not %2")
                    .arg(f.name)
                    .arg(n));
    }
}

void DataSet::writeRecord()
{
    const int idField = fieldIndex(u"ID");
    Record &record = m_records[currentRecordIndex()];
    if (m_state == State::Insert) {
        QStringList columns;
        QList<int> fields;
        for (int i = 0; i < m_table.fields.size(); ++i) {
            if (m_table.fields[i].type != FieldType::AutoNumber && !m_buffer[i].isNull()) {
                columns << quoted(m_table.fields[i].name);
                fields << i;
            }
        }
        const QString sql = columns.isEmpty()
                                ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(m_table.name))
                                : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                      .arg(quoted(m_table.name), columns.join(u','),
                                           QStringList(columns.size(), QStringLiteral("?")).join(u','));
        Statement st(m_connection, sql);
        for (int k = 0; k < fields.size(); ++k)
            st.bind(k + 1, storedForm(m_table.fields[fields[k]].type, m_buffer[fields[k]]));
        st.exec();
        if (idField >= 0)
            m_buffer[idField] = m_connection.lastInsertId();
        return;
    }
    // Only the fields that changed are written, so another program's edits to other fields survive.
    QStringList assignments;
    QList<int> fields;
    for (int i = 0; i < m_table.fields.size(); ++i) {
        if (m_table.fields[i].type == FieldType::AutoNumber)
            continue;
        if (fieldChangedInBuffer(i)) {
            assignments << quoted(m_table.fields[i].name) + QStringLiteral("=?");
            fields << i;
        }
    }
    if (fields.isEmpty() || idField < 0)
        return;
    Statement st(
        m_connection,
        QStringLiteral("UPDATE %1 SET %2 WHERE \"ID\"=?").arg(quoted(m_table.name), assignments.join(u',')));
    for (int k = 0; k < fields.size(); ++k)
        st.bind(k + 1, storedForm(m_table.fields[fields[k]].type, m_buffer[fields[k]]));
    st.bind(int(fields.size()) + 1, record.values[idField]);
    st.exec();
    if (m_connection.changes() == 0)
        throw Error(QStringLiteral("Row cannot be located for updating. Some values may have been changed "
                                   "since it was last read (table %1, record %2)")
                        .arg(m_table.name, record.values[idField].toString()));
}

void DataSet::post()
{
    checkActive();
    if (!isEditing())
        return;
    if (beforePost)
        beforePost(*this);
    validate();
    // A refused write throws here and leaves the record in its editing state, nothing lost.
    writeRecord();
    Record &record = m_records[currentRecordIndex()];
    record.values = m_buffer;
    ++m_recordsVersion;
    record.pending = false;
    m_buffer.clear();
    m_modified = false;
    setState(State::Browse);
    Q_EMIT recordChanged(m_current);
    if (afterPost)
        afterPost(*this);
}

void DataSet::cancel()
{
    checkActive();
    if (m_state == State::Edit) {
        m_buffer.clear();
        m_modified = false;
        setState(State::Browse);
        Q_EMIT recordChanged(m_current);
        return;
    }
    if (m_state != State::Insert)
        return;
    // The pending record is always the last one read in.
    m_records.pop_back();
    ++m_recordsVersion;
    m_view.erase(m_view.begin() + m_current);
    m_buffer.clear();
    m_modified = false;
    if (m_current >= int(m_view.size()))
        m_current = int(m_view.size()) - 1;
    m_eof = m_bof = m_view.empty();
    setState(State::Browse);
    Q_EMIT recordsReset();
    Q_EMIT currentChanged();
    // Also when nothing is left: the views must stop showing the record that is gone.
    scrolled();
}

void DataSet::deleteRecord()
{
    checkActive();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (m_view.empty())
        throw Error(
            QStringLiteral("%1: Cannot perform this operation on an empty dataset").arg(objectName()));
    finishDetailEdits();
    if (m_state == State::Edit) {
        m_buffer.clear();
        m_modified = false;
        setState(State::Browse);
    }
    const int index = currentRecordIndex();
    const int idField = fieldIndex(u"ID");
    if (idField >= 0) {
        Statement st(m_connection, QStringLiteral("DELETE FROM %1 WHERE \"ID\"=?").arg(quoted(m_table.name)));
        st.bind(1, m_records[index].values[idField]);
        st.exec();
    }
    m_records.erase(m_records.begin() + index);
    ++m_recordsVersion;
    m_view.erase(m_view.begin() + m_current);
    for (int &i : m_view) {
        if (i > index)
            --i;
    }
    if (m_current >= int(m_view.size()))
        m_current = int(m_view.size()) - 1;
    m_eof = m_bof = m_view.empty();
    Q_EMIT recordsReset();
    Q_EMIT currentChanged();
    // Also when nothing is left: the views must stop showing the record that is gone.
    scrolled();
}

// ---- fields

int DataSet::fieldIndex(QStringView name) const
{
    return m_table.indexOf(name);
}

Field DataSet::field(QStringView name)
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw Error(QStringLiteral("%1: Field '%2' not found").arg(objectName(), name.toString()));
    return Field(*this, i);
}

QVariant DataSet::value(int field) const
{
    checkActive();
    const QList<QVariant> &values = currentValues();
    return field >= 0 && field < values.size() ? values[field] : QVariant();
}

void DataSet::setValue(int field, const QVariant &value)
{
    checkEditing();
    const FieldDef &def = m_table.fields[field];
    if (def.type == FieldType::AutoNumber)
        throw Error(QStringLiteral("Field '%1' cannot be modified").arg(def.name));
    const QVariant v = fieldvalue::normalise(def.type, value);
    if (v.isNull() && !value.isNull() &&
        !(value.typeId() == QMetaType::QString && value.toString().isEmpty()))
        throw Error(
            QStringLiteral("'%1' is not a valid value for field '%2'").arg(value.toString(), def.name));
    if (v == m_buffer[field] && v.isNull() == m_buffer[field].isNull())
        return;
    m_buffer[field] = v;
    m_modified = true;
    Q_EMIT fieldChanged(field);
    Q_EMIT recordChanged(m_current);
}

QVariant DataSet::valueAt(int row, int field) const
{
    if (!isActive() || row < 0 || row >= int(m_view.size()) || field < 0 || field >= m_table.fields.size())
        return {};
    if (row == m_current && isEditing())
        return m_buffer[field];
    return m_records[m_view[row]].values[field];
}

// ---- refresh, filter, order

void DataSet::refresh()
{
    checkActive();
    finishEditsBeforeMove();
    const int idField = fieldIndex(u"ID");
    const QVariant currentId = idField >= 0 && currentRecordIndex() >= 0
                                   ? m_records[currentRecordIndex()].values[idField]
                                   : QVariant();
    readTable();
    rebuildView(false);
    m_current = m_view.empty() ? -1 : 0;
    if (!currentId.isNull()) {
        for (int row = 0; row < int(m_view.size()); ++row) {
            if (m_records[m_view[row]].values[idField] == currentId) {
                m_current = row;
                break;
            }
        }
    }
    m_eof = m_bof = m_view.empty();
    Q_EMIT recordsReset();
    Q_EMIT currentChanged();
}

void DataSet::showFromFirstVisible()
{
    rebuildView(false);
    m_current = m_view.empty() ? -1 : 0;
    m_eof = m_bof = m_view.empty();
    Q_EMIT recordsReset();
    Q_EMIT currentChanged();
    scrolled();
}

void DataSet::setFilter(const QString &expression)
{
    FilterExpression parsed = FilterExpression::parse(expression, m_table);
    if (isActive() && m_filtered)
        finishEditsBeforeMove();
    m_filterText = expression;
    m_filter = std::move(parsed);
    // While filtering is off the expression is only stored.
    if (!isActive() || !m_filtered)
        return;
    showFromFirstVisible();
}

void DataSet::setFiltered(bool on)
{
    if (on == m_filtered)
        return;
    if (isActive())
        finishEditsBeforeMove();
    m_filtered = on;
    if (!isActive())
        return;
    showFromFirstVisible();
}

void DataSet::setSort(const QString &sortText)
{
    std::vector<SortKey> order = parseSort(sortText);
    if (isActive())
        finishEditBeforeMove();
    m_sortText = sortText;
    m_order = std::move(order);
    if (!isActive())
        return;
    rebuildView(true);
    Q_EMIT recordsReset();
}

void DataSet::setIndexFieldNames(const QString &names)
{
    std::vector<SortKey> order = parseSort(names);
    if (isActive())
        finishEditBeforeMove();
    m_indexFieldNames = names;
    m_sortText.clear();
    m_order = std::move(order);
    if (!isActive())
        return;
    rebuildView(true);
    Q_EMIT recordsReset();
}

// ---- master-detail

void DataSet::setMasterLink(DataSet *master, const QString &masterField, const QString &detailField)
{
    if (m_master) {
        disconnect(m_master, nullptr, this, nullptr);
        std::erase(m_master->m_details, QPointer<DataSet>(this));
    }
    m_master = master;
    m_masterField = master ? master->fieldIndex(masterField) : -1;
    m_detailField = master ? fieldIndex(detailField) : -1;
    if (master && (m_masterField < 0 || m_detailField < 0))
        throw Error(QStringLiteral("%1: master-detail fields %2 / %3 not found")
                        .arg(objectName(), masterField, detailField));
    if (!master)
        return;
    master->m_details.emplace_back(this);
    setIndexFieldNames(detailField);
    connect(master, &DataSet::currentChanged, this, &DataSet::masterMoved);
    // A closed master leaves the detail empty; its hook does not run for that.
    connect(master, &DataSet::activeChanged, this, [this](bool active) {
        if (!active && isActive()) {
            finishEditsBeforeMove();
            m_rangeKey = QVariant();
            rebuildView(false);
            m_current = -1;
            m_eof = m_bof = true;
            Q_EMIT recordsReset();
            Q_EMIT currentChanged();
        }
    });
    // A posted master record may have got its number just now, or its key changed.
    connect(master, &DataSet::recordChanged, this, [this](int row) {
        if (m_master && row == m_master->currentRow() && !m_master->isEditing() &&
            m_master->value(m_masterField) != m_rangeKey)
            masterMoved();
    });
    if (isActive())
        masterMoved();
}

void DataSet::masterMoved()
{
    if (!isActive())
        return;
    finishEditsBeforeMove();
    m_rangeKey = m_master && m_master->isActive() ? m_master->value(m_masterField) : QVariant();
    showFromFirstVisible();
}

bool DataSet::locate(const QString &fieldName, const QVariant &value, LocateOptions options)
{
    checkActive();
    const int f = fieldIndex(fieldName);
    if (f < 0)
        throw Error(QStringLiteral("%1: Field '%2' not found").arg(objectName(), fieldName));
    finishEditsBeforeMove();
    const FieldDef &def = m_table.fields[f];
    const Qt::CaseSensitivity cs = options.caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
    const QString wanted = value.toString();
    const QVariant wantedValue = fieldvalue::normalise(def.type, value);
    for (int row = 0; row < int(m_view.size()); ++row) {
        const QVariant &v = m_records[m_view[row]].values[f];
        bool match;
        if (value.isNull())
            match = v.isNull();
        else if (v.isNull())
            match = false;
        else if (def.isText())
            match = options.partialKey ? v.toString().startsWith(wanted, cs)
                                       : v.toString().compare(wanted, cs) == 0;
        else if (options.partialKey)
            match = fieldvalue::toText(def.type, v).startsWith(wanted, cs);
        else
            match = !wantedValue.isNull() && fieldvalue::compare(def.type, v, wantedValue) == 0;
        if (!match)
            continue;
        m_current = row;
        m_eof = m_bof = false;
        Q_EMIT currentChanged();
        scrolled();
        return true;
    }
    return false;
}

} // namespace lynvar
