// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Hint.h"

#include <QAction>
#include <QToolButton>
#include <QVariant>
#include <QWidget>

namespace lynvar {
namespace {

constexpr char HintProperty[] = "hint";

} // namespace

QString shortHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.left(bar);
}

QString longHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void setHint(QWidget *control, const QString &hint)
{
    control->setProperty(HintProperty, hint);
    control->setToolTip(shortHint(hint));
    control->setStatusTip(longHint(hint));
    // A tool button shows a picture only: a screen reader reads its hint as its name.
    if (qobject_cast<QToolButton *>(control))
        control->setAccessibleName(shortHint(hint));
}

void setHint(QAction *action, const QString &hint)
{
    action->setProperty(HintProperty, hint);
    action->setToolTip(shortHint(hint));
    action->setStatusTip(longHint(hint));
}

QString hintOf(const QObject *target)
{
    return target->property(HintProperty).toString();
}

} // namespace lynvar
