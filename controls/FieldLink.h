// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/DataSourceLink.h"
#include "data/DataSet.h"
#include "data/DataSource.h"

#include <QObject>
#include <QPointer>
#include <QVariant>

namespace lynvar {

/*
 * Binds one control to one field of the current record of a data source's data set.
 *
 * Following the record: every signal of the data set (another current record, new rows, a changed
 * value, open/close, state) and every rebinding (data source, data set, field name) compares what
 * the control would show now with what it showed last (data set, field, record identity, value);
 * only a difference emits showRecord(). So a re-sort that keeps the record, or the pair of signals
 * a filter change sends, loads a rich text once, while another record with the same text still
 * counts as a change. A control that holds input it has not written (see holdUnwrittenInput) is
 * told to show the record again on any signal.
 *
 * Writing: write() is the automatic edit: it puts the record into editing and stores the value.
 * Signals that arrive while it runs are the echo of the control's own change and are ignored.
 */
class FieldLink final : public QObject
{
    Q_OBJECT
public:
    explicit FieldLink(QObject *parent = nullptr);

    void setDataSource(DataSource *source);
    DataSource *dataSource() const { return m_link.dataSource(); }
    DataSet *dataSet() const { return m_link.dataSet(); }
    void setFieldName(const QString &name);
    const QString &fieldName() const { return m_fieldName; }
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }

    // Null (and -1) when there is no data set or it has no such field.
    const FieldDef *fieldDef() const;
    int fieldIndex() const { return m_field; }
    // An open data set with a current record, and the field exists.
    bool hasRecord() const;
    // The user may change the field: there is a record, the control is not read-only and the field
    // is not an auto number.
    bool canModify() const;
    // The current record's value; null without a record.
    QVariant value() const;
    // The value as the data set shows it as text; empty without a record.
    QString text() const;

    // The user changed the control: the automatic edit, then `value` goes into the field. Throws
    // lynvar::Error when the field refuses it; the record keeps its value.
    void write(const QVariant &value);
    // The user changed the control but there is nothing to write yet: only the automatic edit.
    void startEdit();
    // While true, the control shows input that is not in the record; the next signal of the data
    // set makes it show the record again.
    void holdUnwrittenInput(bool on) { m_unwritten = on; }
    bool holdsUnwrittenInput() const { return m_unwritten; }

    // Makes the control show the record now, whatever it showed before.
    void reload();

Q_SIGNALS:
    // The control must show value() (or nothing without a record) and its input state again.
    void showRecord();

private:
    struct Shown
    {
        const DataSet *dataSet = nullptr;
        int field = -1;
        bool hasRecord = false;
        QVariant identity; // the record's ID, or its row when it has none
        QVariant value;
        bool canModify = false;
        bool operator==(const Shown &other) const;
    };

    void resolveField();
    void update();
    Shown current() const;

    DataSourceLink m_link;
    QString m_fieldName;
    int m_field = -1;
    bool m_readOnly = false;
    bool m_writing = false;
    bool m_unwritten = false;
    Shown m_shown;
};

} // namespace lynvar
