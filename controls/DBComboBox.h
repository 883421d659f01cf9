// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/FieldControl.h"

#include <QComboBox>

namespace lynvar {

// An editable combo box over a text field of the current record: the user types a text or picks
// one of a fixed list of items; either is written at once (automatic edit). The field may hold a
// text that is not among the items; it is shown as it is.
class DBComboBox final : public QComboBox, public FieldControl
{
    Q_OBJECT
public:
    explicit DBComboBox(QWidget *parent = nullptr);

    void setItems(const QStringList &items);
    QStringList items() const;

    bool isReadOnly() const { return readOnlyOption(); }

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void showRecord();
    void userEdited(const QString &text);

    bool m_showing = false;
};

} // namespace lynvar
