// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

namespace lynvar::rtf {

// The control words the reader acts on. Everything else is ignored.
enum class Keyword
{
    Unknown,
    // Document
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    // Destinations
    FontTable,
    ColourTable,
    SkippedDestination,
    // Font and colour tables
    Font,
    FontCharset,
    FontCodePage,
    Red,
    Green,
    Blue,
    // Unicode
    UnicodeSkip,
    Unicode,
    // Breaks and special characters
    Par,
    Line,
    Tab,
    Cell,
    Row,
    Section,
    Character,
    // Paragraph
    ParagraphDefault,
    AlignLeft,
    AlignCentre,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    // Character
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    FontSize,
    Foreground,
    Background,
};

struct KeywordInfo
{
    Keyword keyword = Keyword::Unknown;
    char16_t character = 0; // for Keyword::Character
};

KeywordInfo lookupKeyword(QStringView name);

} // namespace lynvar::rtf
