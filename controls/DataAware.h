// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace lynvar {

class DataSource;

// A control bound to a data source. The standard data-set commands (new, edit, save) act on the
// data set of the focused control that is data-aware.
class DataAware
{
public:
    virtual ~DataAware() = default;
    virtual DataSource *dataSource() const = 0;
};

// The data-aware control that holds `widget` (the widget itself or one of its parents), or null.
DataAware *dataAwareControlOf(QWidget *widget);

} // namespace lynvar
