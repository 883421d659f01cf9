// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/rtf/RtfLexer.h"

#include <limits>

namespace lynvar::rtf {
namespace {

bool isLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

int hexValue(char16_t c)
{
    if (isDigit(c))
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

} // namespace

RtfToken RtfLexer::next()
{
    const qsizetype size = m_input.size();
    while (m_pos < size) {
        const char16_t c = m_input[m_pos].unicode();
        switch (c) {
        case u'{':
            ++m_pos;
            return RtfToken::make(RtfToken::GroupOpen);
        case u'}':
            ++m_pos;
            return RtfToken::make(RtfToken::GroupClose);
        case u'\r':
        case u'\n':
            ++m_pos;
            continue;
        case u'\\':
            return controlWord();
        default: {
            const qsizetype start = m_pos;
            while (m_pos < size) {
                const char16_t d = m_input[m_pos].unicode();
                if (d == u'{' || d == u'}' || d == u'\\' || d == u'\r' || d == u'\n')
                    break;
                ++m_pos;
            }
            RtfToken token = RtfToken::make(RtfToken::Text);
            token.text = m_input.sliced(start, m_pos - start);
            return token;
        }
        }
    }
    return RtfToken::make(RtfToken::End);
}

RtfToken RtfLexer::controlWord()
{
    const qsizetype size = m_input.size();
    ++m_pos; // the backslash
    if (m_pos >= size)
        return RtfToken::make(RtfToken::End);

    const char16_t first = m_input[m_pos].unicode();
    if (!isLetter(first)) {
        ++m_pos;
        if (first == u'\'')
            return hexByte();
        RtfToken token = RtfToken::make(RtfToken::Symbol);
        token.symbol = first;
        return token;
    }

    const qsizetype start = m_pos;
    while (m_pos < size && isLetter(m_input[m_pos].unicode()))
        ++m_pos;
    RtfToken token = RtfToken::make(RtfToken::Word);
    token.text = m_input.sliced(start, m_pos - start);

    bool negative = false;
    if (m_pos + 1 < size && m_input[m_pos] == u'-' && isDigit(m_input[m_pos + 1].unicode())) {
        negative = true;
        ++m_pos;
    }
    if (m_pos < size && isDigit(m_input[m_pos].unicode())) {
        // Clamped rather than wrapped, so a runaway number stays a large one.
        constexpr qint64 limit = std::numeric_limits<int>::max();
        qint64 value = 0;
        while (m_pos < size && isDigit(m_input[m_pos].unicode())) {
            value = std::min(limit, value * 10 + (m_input[m_pos].unicode() - u'0'));
            ++m_pos;
        }
        token.hasParam = true;
        token.param = static_cast<int>(negative ? -value : value);
    }
    if (m_pos < size && m_input[m_pos] == u' ')
        ++m_pos;

    if (token.text == u"bin") {
        const qsizetype length = token.hasParam && token.param > 0 ? token.param : 0;
        m_pos += std::min(length, size - m_pos);
        token.kind = RtfToken::Binary;
    }
    return token;
}

RtfToken RtfLexer::hexByte()
{
    int value = 0;
    int digits = 0;
    while (digits < 2 && m_pos < m_input.size()) {
        const int digit = hexValue(m_input[m_pos].unicode());
        if (digit < 0)
            break;
        value = value * 16 + digit;
        ++digits;
        ++m_pos;
    }
    if (digits == 0) { // a stray \' carries no byte
        RtfToken token = RtfToken::make(RtfToken::Symbol);
        token.symbol = u'\'';
        return token;
    }
    RtfToken token = RtfToken::make(RtfToken::Hex);
    token.byte = static_cast<unsigned char>(value);
    return token;
}

} // namespace lynvar::rtf
