// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/FieldControl.h"

#include <QLabel>

namespace lynvar {

// A label that shows a field of the current record as text; nothing without a record.
class DBText final : public QLabel, public FieldControl
{
    Q_OBJECT
public:
    explicit DBText(QWidget *parent = nullptr);
};

} // namespace lynvar
