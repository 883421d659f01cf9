// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/rtf/RtfDocumentBuilder.h"

#include "common/rtf/RtfTables.h"

#include <QTextBlock>
#include <QTextDocument>

namespace lynvar::rtf {

RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument &document, const RtfTables &tables)
    : m_tables(tables), m_cursor(&document)
{
}

void RtfDocumentBuilder::text(QStringView text, const CharState &state)
{
    if (m_blockPending)
        startPendingBlock();
    if (!(state == m_runState)) {
        flushRun();
        m_runState = state;
    }
    m_run.append(text);
}

void RtfDocumentBuilder::paragraphEnd(const ParaState &para, const CharState &state)
{
    if (m_blockPending) // the paragraph before this one was empty
        startPendingBlock();
    endBlock(para, state);
    m_blockPending = true;
}

void RtfDocumentBuilder::finish(const ParaState &para, const CharState &state)
{
    if (!m_blockPending)
        endBlock(para, state);
    m_blockPending = false;
}

void RtfDocumentBuilder::startPendingBlock()
{
    m_cursor.insertBlock();
    m_blockPending = false;
}

void RtfDocumentBuilder::flushRun()
{
    if (m_run.isEmpty())
        return;
    m_cursor.insertText(m_run, charFormat(m_runState));
    m_run.clear();
}

void RtfDocumentBuilder::endBlock(const ParaState &para, const CharState &state)
{
    flushRun();
    // An empty paragraph is as high as the font of its paragraph mark.
    if (m_cursor.block().length() <= 1)
        m_cursor.setBlockCharFormat(charFormat(state));
    m_cursor.setBlockFormat(blockFormat(para));
}

QTextCharFormat RtfDocumentBuilder::charFormat(const CharState &state) const
{
    QTextCharFormat format;
    if (const FontEntry *font = m_tables.font(state.font); font && !font->name.isEmpty())
        format.setFontFamilies({font->name});
    format.setFontPointSize(state.halfPoints / 2.0);
    if (state.bold)
        format.setFontWeight(QFont::Bold);
    if (state.italic)
        format.setFontItalic(true);
    if (state.underline)
        format.setFontUnderline(true);
    if (state.strike)
        format.setFontStrikeOut(true);
    if (const QColor colour = m_tables.colour(state.foreground); colour.isValid())
        format.setForeground(colour);
    if (state.background > 0) {
        if (const QColor colour = m_tables.colour(state.background); colour.isValid())
            format.setBackground(colour);
    }
    return format;
}

QTextBlockFormat RtfDocumentBuilder::blockFormat(const ParaState &para)
{
    QTextBlockFormat format;
    switch (para.alignment) {
    case Alignment::Left:
        break;
    case Alignment::Centre:
        format.setAlignment(Qt::AlignHCenter);
        break;
    case Alignment::Right:
        format.setAlignment(Qt::AlignRight);
        break;
    case Alignment::Justify:
        format.setAlignment(Qt::AlignJustify);
        break;
    }
    if (para.leftIndent != 0)
        format.setLeftMargin(para.leftIndent / kTwipsPerPixel);
    if (para.rightIndent != 0)
        format.setRightMargin(para.rightIndent / kTwipsPerPixel);
    if (para.firstIndent != 0)
        format.setTextIndent(para.firstIndent / kTwipsPerPixel);
    if (para.spaceBefore != 0)
        format.setTopMargin(para.spaceBefore / kTwipsPerPixel);
    if (para.spaceAfter != 0)
        format.setBottomMargin(para.spaceAfter / kTwipsPerPixel);
    return format;
}

} // namespace lynvar::rtf
