// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/rtf/RtfState.h"

#include <QStringView>

namespace lynvar::rtf {

// What the reader finds in the body of a document, in order.
class RtfSink
{
public:
    virtual ~RtfSink() = default;

    // Body text in one character state. Soft line breaks come as U+2028, tabs as '\t'.
    virtual void text(QStringView text, const CharState &state) = 0;
    // \par: the paragraph so far ends with these paragraph properties. The character state is
    // that of the paragraph mark, which sets the height of an empty paragraph.
    virtual void paragraphEnd(const ParaState &para, const CharState &state) = 0;
    // The end of the document. A last paragraph with no \par takes these properties.
    virtual void finish(const ParaState &para, const CharState &state) = 0;
};

} // namespace lynvar::rtf
