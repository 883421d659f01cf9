// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

namespace lynvar {

// The windows whose texts a language file sets.
enum class LanguageWindow
{
    Main,
    EntryEditor, // EditSchodennykForm
    Methods,     // FormSposobyLovu
    About        // FormAbout
};

// What of its target a key sets.
enum class LanguageTarget
{
    MenuCaption,   // a menu's title or a menu item's caption
    Hint,          // a tool button's hint
    Caption,       // a page's tab, a group's title, a label's, button's or check box's text
    ColumnTitle,   // one column title of a grid
    WindowCaption, // the window's own title
    Message        // one of the message texts
};

// One key of an interface language file and the text it sets.
struct LanguageKey
{
    QString section;
    QString key;
    LanguageWindow window = LanguageWindow::Main;
    LanguageTarget target = LanguageTarget::Caption;
    QString control; // the control's object name; empty for a window caption or a message
    int column = -1; // ColumnTitle only
};

namespace languagekeys {

// Every key in the order a language file is applied: 188 keys in 15 sections.
const std::vector<LanguageKey> &applyOrder();
// The keys a template is exported with, in the order they are written: 187 (the entry editor's
// caption only once).
const std::vector<LanguageKey> &exportOrder();

// The text a message key stands for when a language file does not give it (Ukrainian).
QString builtInMessage(const QString &key);

} // namespace languagekeys
} // namespace lynvar
