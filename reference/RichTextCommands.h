// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/UserDialogs.h"

#include <QObject>
#include <QPointer>

class QTextEdit;

namespace lynvar {

class DBRichEdit;

/*
 * The font commands over the rich-text views of the main window.
 *
 * ActiveRichEdit is the view entered last: the target of the font command and of pasting the stored
 * format. FontDialog1 mirrors the font of the last selection made in a presetting view and is the font
 * the font dialog opens on; FontDialog2 is the stored format. A font is four values applied together:
 * colour, face, size, style.
 *
 * How each view takes part is its role (addView). A view that is read-only (every handbook text) is
 * never changed by these commands, and neither is anything before a view has been entered; changing
 * an editable view's format is an ordinary change of its record, which stores it only when posted.
 * Selection changes made by showing another record are no user's selection and are ignored.
 */
class RichTextCommands final : public QObject
{
    Q_OBJECT
public:
    enum class Role
    {
        // Becomes ActiveRichEdit when it takes the focus; its selection presets the font dialog.
        Presets,
        // Becomes ActiveRichEdit when it takes the focus and at every selection change; no preset.
        FollowsSelection,
        // Becomes ActiveRichEdit when the mouse pointer enters it; its selection presets the dialog.
        EnteredByMouse,
    };

    // `dialogs` outlives the commands.
    explicit RichTextCommands(UserDialogs &dialogs, QObject *parent = nullptr);

    void addView(DBRichEdit *view, Role role);

    // Makes `view` the target of the font commands.
    void DBRichEditFishOpysEnter(DBRichEdit *view);
    // The font dialog will open on the font of `view`'s selection.
    void DBRichEditFishOpysSelectionChange(DBRichEdit *view);
    // The font dialog; a confirmed font goes onto ActiveRichEdit's selection.
    void ToolButtonFontClick();
    // The stored format onto ActiveRichEdit's selection, only while ActiveRichEdit has the focus.
    void MenuFontPasteClick();
    // The font dialog on the stored format; a confirmed font becomes the stored format.
    void MenuFontInstallClick();

    // The font at the start: Tahoma, 8 points (11 pixels), window-text colour, regular.
    static FontChoice startFont();
    // The font of the selection (of the character after the caret without one).
    static FontChoice selectionFont(const QTextEdit &view);
    // Sets colour, face, size and style of the selection (of what is typed next without one).
    static void applyFont(QTextEdit &view, const FontChoice &font);

    QPointer<DBRichEdit> ActiveRichEdit;
    FontChoice FontDialog1;
    FontChoice FontDialog2;

private:
    // ActiveRichEdit, when the commands may change it.
    DBRichEdit *changeableTarget() const;

    UserDialogs &m_dialogs;
};

} // namespace lynvar
