// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/RichTextCommands.h"

#include "controls/DBRichEdit.h"

#include <QApplication>
#include <QPalette>
#include <QTextCursor>
#include <QTextDocument>

namespace lynvar {
namespace {

// Sizes travel in pixels; the documents keep whole points, as the font dialog offers them.
int pointsOf(int pixels)
{
    return qRound(pixels * 72.0 / 96.0);
}

int pixelsOf(qreal points)
{
    return qRound(points * 96.0 / 72.0);
}

unsigned int rgbOf(const QColor &colour)
{
    return colour.rgb() & 0xFFFFFFu;
}

} // namespace

RichTextCommands::RichTextCommands(UserDialogs &dialogs, QObject *parent)
    : QObject(parent), FontDialog1(startFont()), FontDialog2(startFont()), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("RichTextCommands"));
}

FontChoice RichTextCommands::startFont()
{
    FontChoice font;
    font.family = QStringLiteral("Tahoma");
    font.pixelSize = 11;
    font.rgb = rgbOf(QApplication::palette().color(QPalette::WindowText));
    return font;
}

void RichTextCommands::addView(DBRichEdit *view, Role role)
{
    if (!view)
        return;
    if (role == Role::EnteredByMouse)
        connect(view, &DBRichEdit::mouseEntered, this, [this, view] { DBRichEditFishOpysEnter(view); });
    else
        connect(view, &DBRichEdit::entered, this, [this, view] { DBRichEditFishOpysEnter(view); });

    const auto selectionChanged = [this, view, role] {
        if (view->isShowingRecord())
            return;
        if (role == Role::FollowsSelection)
            DBRichEditFishOpysEnter(view);
        else
            DBRichEditFishOpysSelectionChange(view);
    };
    // The caret moving is a change of the (empty) selection too.
    connect(view, &QTextEdit::selectionChanged, this, selectionChanged);
    connect(view, &QTextEdit::cursorPositionChanged, this, selectionChanged);
}

void RichTextCommands::DBRichEditFishOpysEnter(DBRichEdit *view)
{
    ActiveRichEdit = view;
}

void RichTextCommands::DBRichEditFishOpysSelectionChange(DBRichEdit *view)
{
    if (view)
        FontDialog1 = selectionFont(*view);
}

DBRichEdit *RichTextCommands::changeableTarget() const
{
    DBRichEdit *view = ActiveRichEdit.data();
    return view && !view->isReadOnly() ? view : nullptr;
}

void RichTextCommands::ToolButtonFontClick()
{
    DBRichEdit *view = changeableTarget();
    if (!view)
        return;
    const std::optional<FontChoice> chosen = m_dialogs.chooseFont(FontDialog1);
    if (!chosen)
        return;
    FontDialog1 = *chosen;
    // The dialog may have taken long: the view may be gone or have become read-only meanwhile.
    if (changeableTarget() == view)
        applyFont(*view, *chosen);
}

void RichTextCommands::MenuFontPasteClick()
{
    DBRichEdit *view = changeableTarget();
    if (view && view->hasFocus())
        applyFont(*view, FontDialog2);
}

void RichTextCommands::MenuFontInstallClick()
{
    if (const std::optional<FontChoice> chosen = m_dialogs.chooseFont(FontDialog2))
        FontDialog2 = *chosen;
}

FontChoice RichTextCommands::selectionFont(const QTextEdit &view)
{
    const QTextCursor cursor = view.textCursor();
    QTextCharFormat format;
    if (cursor.hasSelection()) {
        // The font of the selection is the font of its first character.
        QTextCursor first(view.document());
        first.setPosition(cursor.selectionStart() + 1);
        format = first.charFormat();
    } else {
        format = view.currentCharFormat();
    }
    const QFont font = format.font().resolve(view.document()->defaultFont());

    FontChoice choice;
    choice.family = font.family();
    choice.pixelSize = font.pixelSize() > 0 ? font.pixelSize() : pixelsOf(font.pointSizeF());
    choice.bold = font.bold();
    choice.italic = font.italic();
    choice.underline = font.underline();
    choice.strikeOut = font.strikeOut();
    choice.rgb = format.foreground().style() != Qt::NoBrush ? rgbOf(format.foreground().color())
                                                            : rgbOf(view.palette().color(QPalette::Text));
    return choice;
}

void RichTextCommands::applyFont(QTextEdit &view, const FontChoice &font)
{
    QTextCharFormat change;
    change.setForeground(QColor::fromRgb(font.rgb));
    change.setFontFamilies({font.family});
    change.setFontPointSize(pointsOf(font.pixelSize));
    change.setFontWeight(font.bold ? QFont::Bold : QFont::Normal);
    change.setFontItalic(font.italic);
    change.setFontUnderline(font.underline);
    change.setFontStrikeOut(font.strikeOut);
    QTextCursor cursor = view.textCursor();
    if (cursor.hasSelection())
        cursor.mergeCharFormat(change);
    else
        view.mergeCurrentCharFormat(change);
}

} // namespace lynvar
