// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QAction;
class QObject;
class QWidget;

namespace lynvar {

// A hint is "short|long": the short part pops up over a control, the long part goes to the status
// bar. Without a bar both parts are the whole text.
QString shortHint(const QString &hint);
QString longHint(const QString &hint);

// Gives a control or an action its hint: tool tip = short part, status tip = long part. The whole
// text stays readable through hintOf(), so a caller can take the current hint as a default.
void setHint(QWidget *control, const QString &hint);
void setHint(QAction *action, const QString &hint);
QString hintOf(const QObject *target);

} // namespace lynvar
