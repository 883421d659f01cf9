// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/FieldControl.h"

#include <QCheckBox>

namespace lynvar {

// A check box for a yes/no field of the current record (an empty field shows unchecked). A click
// writes the field at once (automatic edit). Without a record, or read-only, a click changes nothing.
class DBCheckBox final : public QCheckBox, public FieldControl
{
    Q_OBJECT
public:
    explicit DBCheckBox(QWidget *parent = nullptr);
    explicit DBCheckBox(const QString &text, QWidget *parent = nullptr);

    bool isReadOnly() const { return readOnlyOption(); }

protected:
    void nextCheckState() override;

private:
    void showRecord();
    void userToggled(bool checked);

    bool m_showing = false;
};

} // namespace lynvar
