// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/rtf/RtfSink.h"

#include <QString>

namespace lynvar::rtf {

// Collects the text of a document, paragraphs and line breaks as CR LF; needs no QTextDocument.
class RtfPlainTextSink final : public RtfSink
{
public:
    void text(QStringView text, const CharState &state) override;
    void paragraphEnd(const ParaState &para, const CharState &state) override;
    void finish(const ParaState &, const CharState &) override {}

    const QString &result() const { return m_text; }

private:
    QString m_text;
    bool m_breakPending = false; // written only when more follows, as the document builder does
};

} // namespace lynvar::rtf
