// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/LynvarApplication.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeServices.h"
#include "tests/support/FakeWebView.h"
#include "tests/support/ProgramFolder.h"

class QObject;
class QWidget;

namespace lynvar {
class TDataModule2;
class TDovidnykForm;
} // namespace lynvar

namespace lynvar::test {

// A whole application started in a program folder, its main window shown, every box answered.
struct StartedApplication
{
    // Every page is built at once, so that tests reach every control; `allPages` false leaves
    // pages to be built when shown, as the program does.
    explicit StartedApplication(const ProgramFolder &folder, bool allPages = true);

    TDovidnykForm &form() { return *app.DovidnykForm; }
    TDataModule2 &data() { return *app.DataModule2; }
    // Shows a page and lets its layout settle, as a user's click on its tab would.
    void showPage(int index);

    // The fakes come before the application, which keeps pointers to them.
    FakeDialogs dialogs;
    FakeShell shell;
    FakeNetwork network;
    FakeClock clock;
    FakeWebViewFactory webViews;
    LynvarApplication app;
};

// The whole program with its window at the size the layout is designed for (the test screen is
// smaller than that).
struct ShownApplication : StartedApplication
{
    explicit ShownApplication(const ProgramFolder &folder);

    // The one control of the window with this name; null when there is none or more than one.
    QWidget *control(const QString &name);
    template <typename T> T *control(const QString &name) { return qobject_cast<T *>(control(name)); }
};

// What a control shows as its own text: a group's title, a button's, label's or edit's text, a
// page's tab text.
QString captionOf(const QObject *control);

} // namespace lynvar::test
