// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace lynvar::rtf {

// Character properties as an RTF document states them. Fonts and colours are indices into the
// document's tables; -1 means "not set" (the default font, the automatic colour, no background).
struct CharState
{
    int font = -1;
    int halfPoints = 24;
    int foreground = -1;
    int background = -1;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;

    friend bool operator==(const CharState &, const CharState &) = default;
};

enum class Alignment : quint8
{
    Left,
    Centre,
    Right,
    Justify
};

// Paragraph properties; lengths in twips (1/1440 inch), as RTF writes them.
struct ParaState
{
    Alignment alignment = Alignment::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;

    friend bool operator==(const ParaState &, const ParaState &) = default;
};

// Bounds that keep absurd values from reaching the text layout.
inline constexpr int kMinHalfPoints = 2;
inline constexpr int kMaxHalfPoints = 3276;
inline constexpr int kMaxTwips = 31680; // 22 inches, the widest page a word processor offers

inline constexpr int kMaxFontName = 256;

// Characters that are never text: control characters other than tab, a paragraph separator
// (QTextDocument would split the block on it) and an object mark with no object.
inline constexpr bool isDroppedCharacter(char16_t c)
{
    return (c < 0x20 && c != u'\t') || c == 0x7F || c == 0x2029 || c == 0xFFFC;
}

// QTextDocument lengths are pixels at 96 dpi; RTF lengths are twips, 1440 an inch.
inline constexpr qreal kTwipsPerPixel = 15.0;

} // namespace lynvar::rtf
