// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/FieldControl.h"

#include <QGroupBox>

class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

namespace lynvar {

// A titled group of radio buttons, one per item, over a field of the current record: each item
// stores its value (its caption when no value is given). The button whose value the field holds
// is checked; none when the field holds no item's value. A click writes at once (automatic edit).
//
//   auto *tysk = new DBRadioGroup(tr("Зміна тиску"), parent);
//   tysk->setItems({u"Піднімається"_s, u"Опускається"_s, u"Не змінюється"_s}, {u"+"_s, u"-"_s, u"0"_s});
//   tysk->bind(&dm.SchodennykDS, u"TyskBool"_s);
class DBRadioGroup final : public QGroupBox, public FieldControl
{
    Q_OBJECT
public:
    explicit DBRadioGroup(QWidget *parent = nullptr);
    explicit DBRadioGroup(const QString &title, QWidget *parent = nullptr);

    // The captions; `values` replaces the stored values when given, else they stay (so a language
    // file can change the captions alone).
    void setItems(const QStringList &captions, const QStringList &values = {});
    QStringList items() const;
    QStringList values() const;
    // The checked item, -1 for none.
    int itemIndex() const;
    QRadioButton *button(int index) const;

    bool isReadOnly() const { return readOnlyOption(); }

private:
    QString valueOf(int index) const;
    void showRecord();
    void userChecked(int index);

    QVBoxLayout *m_layout;
    QButtonGroup *m_group;
    QStringList m_values;
    bool m_showing = false;
};

} // namespace lynvar
