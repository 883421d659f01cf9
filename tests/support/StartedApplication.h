// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/LynvarApplication.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/ProgramFolder.h"

class QObject;

namespace lynvar {
class TDataModule2;
class TDovidnykForm;
} // namespace lynvar

namespace lynvar::test {

// A whole application started in a program folder, its main window shown, every box answered.
struct StartedApplication
{
    explicit StartedApplication(const ProgramFolder &folder);

    TDovidnykForm &form() { return *app.DovidnykForm; }
    TDataModule2 &data() { return *app.DataModule2; }
    // Shows a page and lets its layout settle, as a user's click on its tab would.
    void showPage(int index);

    FakeDialogs dialogs;
    LynvarApplication app;
};

// What a control shows as its own text: a group's title, a button's, label's or edit's text, a
// page's tab text.
QString captionOf(const QObject *control);

} // namespace lynvar::test
