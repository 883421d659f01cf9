// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/DataAware.h"
#include "controls/FieldLink.h"

#include <QComboBox>

namespace lynvar {

// An editable combo box over a text field of the current record: the user types a text or picks
// one of a fixed list of items; either is written at once (automatic edit). The field may hold a
// text that is not among the items; it is shown as it is.
class DBComboBox final : public QComboBox, public DataAware
{
    Q_OBJECT
public:
    explicit DBComboBox(QWidget *parent = nullptr);

    void bind(DataSource *source, const QString &fieldName);
    void setDataSource(DataSource *source) { m_link.setDataSource(source); }
    DataSource *dataSource() const override { return m_link.dataSource(); }
    void setDataField(const QString &fieldName) { m_link.setFieldName(fieldName); }
    const QString &dataField() const { return m_link.fieldName(); }

    void setItems(const QStringList &items);
    QStringList items() const;

    void setReadOnly(bool readOnly) { m_link.setReadOnly(readOnly); }
    bool isReadOnly() const { return m_link.isReadOnly(); }

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void showRecord();
    void userEdited(const QString &text);

    FieldLink m_link;
    bool m_showing = false;
};

} // namespace lynvar
