// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace lynvar {

// A font as the font dialog shows and returns it: face, size, style and colour.
struct FontChoice
{
    QString family;
    int pixelSize = 11;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    unsigned int rgb = 0x000000; // 0xRRGGBB

    friend bool operator==(const FontChoice &, const FontChoice &) = default;
};

// The modal boxes and dialogs the program shows. The windows install the real ones; tests install
// a fake that answers and records, so no test ever waits on a window.
class UserDialogs
{
public:
    virtual ~UserDialogs() = default;

    // A plain message box with an OK button.
    virtual void showMessage(const QString &text) = 0;
    // The standard error box: error icon, the application title as caption.
    virtual void showError(const QString &text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool askYesNo(const QString &text) = 0;
    // A question with Yes and No under its own caption, kept above other windows; true for Yes.
    virtual bool askQuestion(const QString & /*caption*/, const QString &text) { return askYesNo(text); }
    // One of `items` picked from a list (the first offered); nothing when cancelled.
    virtual std::optional<int> chooseItem(const QString & /*caption*/, const QString & /*prompt*/,
                                          const QStringList & /*items*/)
    {
        return std::nullopt;
    }

    // A one-line text prompt; nothing when the user cancels.
    virtual std::optional<QString> askText(const QString &caption, const QString &prompt,
                                           const QString &initial) = 0;
    // A file to open, starting in `folder`; `filter` as "Pictures (*.jpg *.jpeg)"; empty when cancelled.
    virtual QString chooseOpenFile(const QString &caption, const QString &folder, const QString &filter) = 0;
    // Several files to open at once; empty when cancelled.
    virtual QStringList chooseOpenFiles(const QString &caption, const QString &folder,
                                        const QString &filter) = 0;
    // A file to save into; empty when cancelled.
    virtual QString chooseSaveFile(const QString &caption, const QString &suggested,
                                   const QString &filter) = 0;
    // The font dialog, opened on `initial`; nothing when cancelled.
    virtual std::optional<FontChoice> chooseFont(const FontChoice &initial) = 0;
    // The colour dialog; nothing when cancelled.
    virtual std::optional<unsigned int> chooseColor(unsigned int initialRgb) = 0;
};

} // namespace lynvar
