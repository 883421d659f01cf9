// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

namespace lynvar::rtf {

struct RtfToken
{
    enum Kind : quint8
    {
        End,
        GroupOpen,
        GroupClose,
        Word,   // \name or \nameN: name in text, N in param
        Symbol, // \ followed by one non-letter, in symbol
        Hex,    // \'hh, in byte
        Text,   // a run of literal characters, in text
        Binary, // \binN and the N characters it covers, already stepped over
    };

    Kind kind = End;
    bool hasParam = false;
    char16_t symbol = 0;
    unsigned char byte = 0;
    int param = 0;
    QStringView text;

    static RtfToken make(Kind kind)
    {
        RtfToken token;
        token.kind = kind;
        return token;
    }
};

// Splits RTF into tokens. Line breaks in the source are not text and are dropped; the data after
// \binN is stepped over here, since only the lexer can tell it from markup.
class RtfLexer
{
public:
    explicit RtfLexer(QStringView input) : m_input(input) {}

    RtfToken next();

private:
    RtfToken controlWord();
    RtfToken hexByte();

    QStringView m_input;
    qsizetype m_pos = 0;
};

} // namespace lynvar::rtf
