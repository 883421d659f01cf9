// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/rtf/RtfTables.h"

namespace lynvar::rtf {

void RtfTables::setCodePage(int codePage)
{
    if (codePage > 0)
        m_codePage = codePage;
}

void RtfTables::addFont(int index, FontEntry font)
{
    if (m_fonts.size() < kMaxEntries || m_fonts.contains(index))
        m_fonts.insert(index, std::move(font));
}

const FontEntry *RtfTables::font(int index) const
{
    const auto it = m_fonts.constFind(index < 0 ? m_defaultFont : index);
    return it == m_fonts.constEnd() ? nullptr : &it.value();
}

int RtfTables::codePageForFont(int index) const
{
    const FontEntry *entry = font(index);
    return entry && entry->codePage > 0 ? entry->codePage : m_codePage;
}

void RtfTables::addColour(QColor colour)
{
    if (m_colours.size() < kMaxEntries)
        m_colours.append(colour);
}

QColor RtfTables::colour(int index) const
{
    return index >= 0 && index < m_colours.size() ? m_colours.at(index) : QColor();
}

} // namespace lynvar::rtf
