// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/FieldControl.h"

#include <QComboBox>
#include <QPointer>

namespace lynvar {

// A pick-only list whose choices are the rows of another data set (the list source): it shows the
// list field of each row and stores the key field of the picked row in its own field.
//
// It also keeps the list data set's current record on the shown key (as the weather hints of the
// diary expect): whenever another key is shown, the list data set is located on it; an empty key,
// or one that no row has, leaves it where it is. The list field can be changed at run time (the
// language switch); the shown choice and the stored key stay.
class DBLookupComboBox final : public QComboBox, public FieldControl
{
    Q_OBJECT
public:
    explicit DBLookupComboBox(QWidget *parent = nullptr);

    void setListSource(DataSource *source);
    DataSource *listSource() const { return m_listSource; }
    void setKeyField(const QString &fieldName);
    const QString &keyField() const { return m_keyField; }
    void setListField(const QString &fieldName);
    const QString &listField() const { return m_listField; }

    bool isReadOnly() const { return readOnlyOption(); }

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    DataSet *listDataSet() const;
    void attachListDataSet();
    void rebuildItems();
    void showRecord();
    void selectKey(const QVariant &key);
    void userPicked(int index);
    void followKey(const QVariant &key);

    QPointer<DataSource> m_listSource;
    QPointer<DataSet> m_listDataSet;
    QString m_keyField;
    QString m_listField;
    bool m_showing = false;
};

} // namespace lynvar
