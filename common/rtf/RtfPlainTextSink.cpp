// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/rtf/RtfPlainTextSink.h"

namespace lynvar::rtf {

void RtfPlainTextSink::text(QStringView text, const CharState &)
{
    if (m_breakPending) {
        m_text.append(u"\r\n");
        m_breakPending = false;
    }
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() == 0x2028) {
            m_text.append(text.sliced(start, i - start)).append(u"\r\n");
            start = i + 1;
        }
    }
    m_text.append(text.sliced(start));
}

void RtfPlainTextSink::paragraphEnd(const ParaState &, const CharState &)
{
    if (m_breakPending)
        m_text.append(u"\r\n");
    m_breakPending = true;
}

} // namespace lynvar::rtf
