// SPDX-License-Identifier: GPL-3.0-or-later
//
// How the reader works
//
// RTF is a tree of groups. Every group starts with a copy of its parent's state and may change it;
// closing the group throws the changes away. The reader keeps that state in a stack:
//
//     m_saved:  [ before {\rtf ] [ rtf group ] [ ... ]      m_state: the innermost open group
//                                                         (character state, paragraph state,
//     '{'  pushes a copy of m_state                        destination, \uc count)
//     '}'  pops it back
//
// The destination says where the group's text goes: the body (to the sink), the font table or the
// colour table. Groups whose text goes nowhere (\*-groups, \pict, \info, headers, ...) are not
// pushed at all: the group is popped at once and m_skipDepth counts braces until it closes, so a
// skipped group costs no memory however deep it nests. The same counter takes over beyond
// kMaxDepth open groups, which bounds the stack for any input.
//
// Two things cut across tokens:
// - After \uN, the next \uc "characters" (a literal character, a \'hh, a control word or \bin)
//   are the fallback for readers without Unicode and are dropped (m_fallbackLeft); a brace ends it.
// - \'hh bytes are gathered in m_bytes and decoded together at the next other token, so that
//   multi-byte code pages see whole characters. The code page is that of the current font.
//
// Paragraph properties are those in force at the \par that ends the paragraph (or at the end of
// the document for a last paragraph without one), as word processors read them.

#include "common/rtf/RtfReader.h"

#include "common/rtf/RtfSink.h"

#include <algorithm>

namespace lynvar::rtf {
namespace {

constexpr char16_t kLineSeparator = 0x2028;

int twips(const RtfToken &token, int low)
{
    return token.hasParam ? std::clamp(token.param, low, kMaxTwips) : 0;
}

} // namespace

void RtfReader::read(QStringView rtf)
{
    RtfLexer lexer(rtf);
    while (handle(lexer.next())) {
    }
    flushBytes();
    m_sink.finish(m_state.para, m_state.chr);
}

bool RtfReader::handle(const RtfToken &token)
{
    if (m_skipDepth > 0) {
        if (token.kind == RtfToken::GroupOpen) {
            ++m_skipDepth;
        } else if (token.kind == RtfToken::GroupClose) {
            --m_skipDepth;
            return m_skipDepth > 0 || !m_saved.empty();
        }
        return token.kind != RtfToken::End;
    }

    if (token.kind != RtfToken::Hex && token.kind != RtfToken::Text)
        flushBytes();

    switch (token.kind) {
    case RtfToken::End:
        return false;
    case RtfToken::GroupOpen:
        m_fallbackLeft = 0;
        openGroup();
        return true;
    case RtfToken::GroupClose:
        m_fallbackLeft = 0;
        return closeGroup();
    case RtfToken::Text:
        literalText(token.text);
        return true;
    default:
        break;
    }

    if (consumeFallback())
        return true;
    switch (token.kind) {
    case RtfToken::Word:
        word(token);
        break;
    case RtfToken::Symbol:
        symbol(token.symbol);
        break;
    case RtfToken::Hex:
        byte(token.byte);
        break;
    default:
        break; // \bin data is never text
    }
    return true;
}

bool RtfReader::consumeFallback()
{
    if (m_fallbackLeft == 0)
        return false;
    --m_fallbackLeft;
    return true;
}

void RtfReader::openGroup()
{
    if (m_saved.size() >= kMaxDepth) {
        m_skipDepth = 1;
        return;
    }
    m_saved.push_back(m_state);
}

bool RtfReader::closeGroup()
{
    if (m_state.destination == Destination::FontTable)
        commitFont();
    if (m_state.destination == Destination::ColourTable && m_colour.set)
        commitColour();
    // The outermost group stays current, so that a last paragraph without \par keeps its properties.
    if (m_saved.size() <= 1)
        return false;
    m_state = m_saved.back();
    m_saved.pop_back();
    return true;
}

void RtfReader::skipCurrentGroup()
{
    flushBytes();
    m_skipDepth = 1;
    if (!m_saved.empty()) {
        m_state = m_saved.back();
        m_saved.pop_back();
    }
}

void RtfReader::word(const RtfToken &token)
{
    const KeywordInfo info = lookupKeyword(token.text);
    const int param = token.param;
    switch (info.keyword) {
    case Keyword::Unknown:
        return;
    case Keyword::Ansi:
        m_tables.setCodePage(1252);
        return;
    case Keyword::Mac:
        m_tables.setCodePage(10000);
        return;
    case Keyword::Pc:
        m_tables.setCodePage(437);
        return;
    case Keyword::Pca:
        m_tables.setCodePage(850);
        return;
    case Keyword::AnsiCodePage:
        if (token.hasParam)
            m_tables.setCodePage(param);
        return;
    case Keyword::DefaultFont:
        if (token.hasParam)
            m_tables.setDefaultFont(param);
        return;
    case Keyword::FontTable:
        m_state.destination = Destination::FontTable;
        m_font = {};
        return;
    case Keyword::ColourTable:
        m_state.destination = Destination::ColourTable;
        m_colour = {};
        return;
    case Keyword::SkippedDestination:
        skipCurrentGroup();
        return;
    case Keyword::UnicodeSkip:
        m_state.unicodeSkip = token.hasParam ? std::clamp(param, 0, 255) : 1;
        return;
    case Keyword::Unicode:
        if (token.hasParam) {
            // Values above 32767 are written as negative numbers.
            const int code = param < 0 ? param + 65536 : param;
            if (code >= 0 && code <= 0xFFFF) {
                const QChar c{char16_t(code)};
                character(QStringView(&c, 1));
            }
            m_fallbackLeft = m_state.unicodeSkip;
        }
        return;
    default:
        break;
    }
    switch (m_state.destination) {
    case Destination::Body:
        bodyWord(info, token);
        break;
    case Destination::FontTable:
        fontTableWord(info, token);
        break;
    case Destination::ColourTable:
        colourTableWord(info, token);
        break;
    }
}

void RtfReader::bodyWord(const KeywordInfo &info, const RtfToken &token)
{
    CharState &chr = m_state.chr;
    ParaState &para = m_state.para;
    const bool on = !token.hasParam || token.param != 0;
    switch (info.keyword) {
    case Keyword::Par:
    case Keyword::Row:
    case Keyword::Section:
        m_sink.paragraphEnd(para, chr);
        break;
    case Keyword::Line: {
        const QChar c{kLineSeparator};
        character(QStringView(&c, 1));
        break;
    }
    case Keyword::Tab:
    case Keyword::Cell:
        character(u"\t");
        break;
    case Keyword::Character:
        character(QStringView(&info.character, 1));
        break;

    case Keyword::ParagraphDefault:
        para = ParaState{};
        break;
    case Keyword::AlignLeft:
        para.alignment = Alignment::Left;
        break;
    case Keyword::AlignCentre:
        para.alignment = Alignment::Centre;
        break;
    case Keyword::AlignRight:
        para.alignment = Alignment::Right;
        break;
    case Keyword::AlignJustify:
        para.alignment = Alignment::Justify;
        break;
    case Keyword::LeftIndent:
        para.leftIndent = twips(token, -kMaxTwips);
        break;
    case Keyword::RightIndent:
        para.rightIndent = twips(token, -kMaxTwips);
        break;
    case Keyword::FirstIndent:
        para.firstIndent = twips(token, -kMaxTwips);
        break;
    case Keyword::SpaceBefore:
        para.spaceBefore = twips(token, 0);
        break;
    case Keyword::SpaceAfter:
        para.spaceAfter = twips(token, 0);
        break;

    case Keyword::Plain:
        chr = CharState{};
        break;
    case Keyword::Bold:
        chr.bold = on;
        break;
    case Keyword::Italic:
        chr.italic = on;
        break;
    case Keyword::Underline:
        chr.underline = on;
        break;
    case Keyword::UnderlineNone:
        chr.underline = false;
        break;
    case Keyword::Strike:
        chr.strike = on;
        break;
    case Keyword::FontSize:
        chr.halfPoints = token.hasParam && token.param > 0
                             ? std::clamp(token.param, kMinHalfPoints, kMaxHalfPoints)
                             : CharState{}.halfPoints;
        break;
    case Keyword::Font:
        if (token.hasParam)
            chr.font = token.param;
        break;
    case Keyword::Foreground:
        chr.foreground = token.hasParam ? std::max(token.param, -1) : 0;
        break;
    case Keyword::Background:
        chr.background = token.hasParam ? std::max(token.param, -1) : 0;
        break;
    default:
        break;
    }
}

void RtfReader::fontTableWord(const KeywordInfo &info, const RtfToken &token)
{
    switch (info.keyword) {
    case Keyword::Font:
        startFont(token.hasParam ? token.param : 0);
        break;
    case Keyword::FontCharset:
        if (m_font.codePage == 0)
            m_font.codePage = codePageForCharset(token.param);
        break;
    case Keyword::FontCodePage:
        if (token.param > 0)
            m_font.codePage = token.param;
        break;
    default:
        break;
    }
}

void RtfReader::colourTableWord(const KeywordInfo &info, const RtfToken &token)
{
    const int value = std::clamp(token.param, 0, 255);
    switch (info.keyword) {
    case Keyword::Red:
        m_colour.red = value;
        break;
    case Keyword::Green:
        m_colour.green = value;
        break;
    case Keyword::Blue:
        m_colour.blue = value;
        break;
    default:
        return;
    }
    m_colour.set = true;
}

void RtfReader::symbol(char16_t symbol)
{
    switch (symbol) {
    case u'*': // an optional destination this reader does not know
        skipCurrentGroup();
        break;
    case u'\\':
    case u'{':
    case u'}':
        character(QStringView(&symbol, 1));
        break;
    case u'~':
        character(u"\u00A0");
        break;
    case u'_':
        character(u"\u2011");
        break;
    case u'\t':
        character(u"\t");
        break;
    case u'\r':
    case u'\n': // a backslash before a line break is a \par
        if (m_state.destination == Destination::Body)
            m_sink.paragraphEnd(m_state.para, m_state.chr);
        break;
    default: // \- optional hyphen, \| \: index marks, a stray \'
        break;
    }
}

void RtfReader::literalText(QStringView text)
{
    if (m_fallbackLeft > 0) {
        const qsizetype dropped = std::min<qsizetype>(m_fallbackLeft, text.size());
        m_fallbackLeft -= static_cast<int>(dropped);
        text = text.sliced(dropped);
        if (text.isEmpty())
            return;
    }
    if (m_state.destination == Destination::Body) {
        const int codePage = m_tables.codePageForFont(m_state.chr.font);
        if (CodePageDecoder::isMultiByte(codePage)) {
            // In such a font the literal characters are bytes of the same sequences as the \'hh.
            for (QChar c : text) {
                if (c.unicode() < 0x100) {
                    pushByte(codePage, static_cast<unsigned char>(c.unicode()));
                } else {
                    flushBytes();
                    character(QStringView(&c, 1));
                }
            }
            return;
        }
    }
    flushBytes();
    character(text);
}

void RtfReader::byte(unsigned char byte)
{
    switch (m_state.destination) {
    case Destination::Body:
        pushByte(m_tables.codePageForFont(m_state.chr.font), byte);
        break;
    case Destination::FontTable:
        pushByte(m_font.codePage > 0 ? m_font.codePage : m_tables.codePage(), byte);
        break;
    case Destination::ColourTable:
        break;
    }
}

void RtfReader::pushByte(int codePage, unsigned char byte)
{
    if (!m_bytes.isEmpty() && codePage != m_bytesCodePage)
        flushBytes();
    m_bytesCodePage = codePage;
    m_bytes.append(static_cast<char>(byte));
}

void RtfReader::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    const QString text = m_decoder.decode(m_bytesCodePage, m_bytes);
    m_bytes.clear();
    character(text);
}

void RtfReader::character(QStringView text)
{
    switch (m_state.destination) {
    case Destination::Body:
        bodyText(text);
        break;
    case Destination::FontTable:
        fontTableText(text);
        break;
    case Destination::ColourTable:
        colourTableText(text);
        break;
    }
}

void RtfReader::bodyText(QStringView text)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isDroppedCharacter(text[i].unicode())) {
            if (i > start)
                m_sink.text(text.sliced(start, i - start), m_state.chr);
            start = i + 1;
        }
    }
    if (start < text.size())
        m_sink.text(text.sliced(start), m_state.chr);
}

void RtfReader::fontTableText(QStringView text)
{
    for (QChar c : text) {
        if (c == u';')
            commitFont();
        else if (m_font.index >= 0 && !isDroppedCharacter(c.unicode()) && c != u'\t' &&
                 m_font.name.size() < kMaxFontName)
            m_font.name.append(c);
    }
}

void RtfReader::colourTableText(QStringView text)
{
    for (QChar c : text) {
        if (c == u';')
            commitColour();
    }
}

void RtfReader::startFont(int index)
{
    commitFont();
    m_font.index = index;
}

void RtfReader::commitFont()
{
    if (m_font.index >= 0)
        m_tables.addFont(m_font.index, {m_font.name.trimmed(), m_font.codePage});
    m_font = {};
}

void RtfReader::commitColour()
{
    m_tables.addColour(m_colour.set ? QColor(m_colour.red, m_colour.green, m_colour.blue) : QColor());
    m_colour = {};
}

} // namespace lynvar::rtf
