// SPDX-License-Identifier: GPL-3.0-or-later
// Walks the main window as a screen reader does and finds every interactive control named.
#include "app/TDovidnykForm.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/StartedApplication.h"

#include <QAccessible>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using namespace lynvar;
using namespace lynvar::test;

namespace {

bool isInteractive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::Table:
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::PageTab:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::SpinBox:
        return true;
    default:
        return false;
    }
}

// Every visible interactive element without a name, as "objectName (role)".
void collectNameless(QAccessibleInterface *node, QStringList &nameless)
{
    if (!node || node->state().invisible)
        return;
    const QAccessible::Role role = node->role();
    if (isInteractive(role) && node->text(QAccessible::Name).trimmed().isEmpty()) {
        const QObject *object = node->object();
        const QObject *owner = object && object->parent() ? object->parent() : nullptr;
        nameless << QStringLiteral("%1 in %2 (%3)")
                        .arg(object ? QString::fromLatin1(object->metaObject()->className())
                                    : QStringLiteral("?"),
                             owner ? owner->objectName() : QString())
                        .arg(int(role));
    }
    // The cells of a list or grid are read by their contents.
    if (role == QAccessible::Table || role == QAccessible::List || role == QAccessible::Tree)
        return;
    for (int i = 0; i < node->childCount(); ++i)
        collectNameless(node->child(i), nameless);
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyVisibleControlOfEveryPageHasAName()
    {
        ProgramFolder folder;
        StartedApplication run(folder);
        TDovidnykForm &form = run.form();
        QStringList nameless;
        for (int page = 0; page < form.PageControlGeneral->count(); ++page) {
            run.showPage(page);
            collectNameless(QAccessible::queryAccessibleInterface(&form), nameless);
        }
        nameless.removeDuplicates();
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(u", ")));
    }

    void toolButtonsAreReadByTheirHints()
    {
        ProgramFolder folder;
        StartedApplication run(folder);
        QAccessibleInterface *bold = QAccessible::queryAccessibleInterface(run.form().ToolButtonBold);
        QVERIFY(bold);
        QCOMPARE(bold->text(QAccessible::Name), run.form().ToolButtonBold->toolTip());
        QVERIFY(!bold->text(QAccessible::Name).isEmpty());
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
