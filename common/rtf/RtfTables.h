// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QString>

namespace lynvar::rtf {

struct FontEntry
{
    QString name;
    int codePage = 0; // 0: the document's code page
};

// The document-wide part of an RTF document: code page, default font, font and colour tables.
// The reader fills it; the document builder resolves character states against it.
class RtfTables
{
public:
    static constexpr int kMaxEntries = 65536;

    int codePage() const { return m_codePage; }
    void setCodePage(int codePage);

    int defaultFont() const { return m_defaultFont; }
    void setDefaultFont(int index) { m_defaultFont = index; }

    void addFont(int index, FontEntry font);
    // Null when the document has no such font; -1 is the default font.
    const FontEntry *font(int index) const;
    // The code page \'hh bytes are read in while the font is current.
    int codePageForFont(int index) const;

    // An invalid colour stands for "automatic".
    void addColour(QColor colour);
    QColor colour(int index) const;

private:
    int m_codePage = 1252;
    int m_defaultFont = 0;
    QHash<int, FontEntry> m_fonts;
    QList<QColor> m_colours;
};

} // namespace lynvar::rtf
