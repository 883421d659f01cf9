// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QProgressBar;
class QToolBar;
class QToolButton;

namespace lynvar {

class UserDialogs;

// The export window of the jokes: the text in MemoEI, and a save button that writes it to a file.
// Made the first time it is needed, shown modally, kept until the program ends.
class TFormImportExport final : public QDialog
{
    Q_OBJECT
public:
    // `dialogs` outlives the window.
    explicit TFormImportExport(UserDialogs &dialogs, QWidget *parent = nullptr);

    // Asks for a file name; on confirmation writes the lines of MemoEI, each ended by CR LF, as UTF-8,
    // replacing any file of that name. A file that cannot be written throws lynvar::Error naming it
    // and writes nothing.
    void ToolButtonSaveClick();

    // The file text ToolButtonSaveClick writes for the memo's text.
    static QByteArray fileText(const QString &memoText);

    QPlainTextEdit *MemoEI = nullptr;
    QToolBar *ToolBar1 = nullptr;
    QToolButton *ToolButtonSave = nullptr;
    QProgressBar *ProgressBarImport = nullptr; // nothing moves it

private:
    UserDialogs &m_dialogs;
};

} // namespace lynvar
