// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/PageHarness.h"

#include "controls/DBGrid.h"
#include "controls/DBText.h"
#include "controls/FieldControl.h"
#include "data/DataSource.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace lynvar::test {

Binding bindingOf(const QObject *control)
{
    const auto of = [](const DataSource *source, const QString &field) {
        return Binding{source ? source->objectName() : QStringLiteral("(unbound)"), field};
    };
    if (auto *grid = qobject_cast<const DBGrid *>(control))
        return of(grid->dataSource(), QString());
    if (auto *field = dynamic_cast<const FieldControl *>(control))
        return of(field->dataSource(), field->dataField());
    return {};
}

bool hasOwnCaption(const QObject *control)
{
    // Bound texts are labels too, but what they show comes from the data.
    return qobject_cast<const QGroupBox *>(control) || qobject_cast<const QAbstractButton *>(control) ||
           (qobject_cast<const QLabel *>(control) && !qobject_cast<const DBText *>(control));
}

QWidget *uniqueChild(const QWidget *root, const QString &name)
{
    const QList<QWidget *> found = root->findChildren<QWidget *>(name);
    return found.size() == 1 ? found.first() : nullptr;
}

} // namespace lynvar::test
