// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/StartedApplication.h"

#include "app/TDovidnykForm.h"
#include "tests/support/PageHarness.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

namespace lynvar::test {

namespace {
AppServices fakeServices(FakeDialogs &dialogs, FakeShell &shell, FakeNetwork &network, FakeClock &clock,
                         FakeWebViewFactory &webViews)
{
    AppServices services;
    services.dialogs = &dialogs;
    services.shell = &shell;
    services.network = &network;
    services.clock = &clock;
    services.webViews = &webViews;
    return services;
}
} // namespace

StartedApplication::StartedApplication(const ProgramFolder &folder, bool allPages)
    : app(folder.path(), fakeServices(dialogs, shell, network, clock, webViews))
{
    app.create();
    app.showMainWindow();
    if (allPages)
        form().pages().buildAll();
}

void StartedApplication::showPage(int index)
{
    form().PageControlGeneral->setCurrentIndex(index);
    QCoreApplication::processEvents();
}

ShownApplication::ShownApplication(const ProgramFolder &folder) : StartedApplication(folder)
{
    form().showNormal();
    form().resize(1024, 726);
    QCoreApplication::processEvents();
}

QWidget *ShownApplication::control(const QString &name)
{
    return uniqueChild(&form(), name);
}

QString captionOf(const QObject *control)
{
    if (auto *group = qobject_cast<const QGroupBox *>(control))
        return group->title();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    // A page of a tab widget: its tab's text.
    auto *widget = qobject_cast<const QWidget *>(control);
    for (QWidget *p = widget ? widget->parentWidget() : nullptr; p; p = p->parentWidget()) {
        if (auto *tabs = qobject_cast<QTabWidget *>(p);
            tabs && tabs->indexOf(const_cast<QWidget *>(widget)) >= 0)
            return tabs->tabText(tabs->indexOf(const_cast<QWidget *>(widget)));
    }
    return {};
}

} // namespace lynvar::test
