// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QObject;
class QWidget;

namespace lynvar::test {

// What a control is bound to: the data source's object name ("(unbound)" when none yet) and the
// field; both empty for a control that is not data-aware.
struct Binding
{
    QString source;
    QString field;
    friend bool operator==(const Binding &, const Binding &) = default;
};
Binding bindingOf(const QObject *control);

// Whether the control shows a caption of its own (a group's title, a button's or a label's
// text), rather than a value from the data.
bool hasOwnCaption(const QObject *control);

// The one descendant of `root` named `name`, or null when there is none or more than one.
QWidget *uniqueChild(const QWidget *root, const QString &name);

} // namespace lynvar::test
