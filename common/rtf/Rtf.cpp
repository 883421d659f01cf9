// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/rtf/Rtf.h"

#include "common/rtf/RtfDocumentBuilder.h"
#include "common/rtf/RtfPlainTextSink.h"
#include "common/rtf/RtfReader.h"
#include "common/rtf/RtfTables.h"
#include "common/rtf/RtfWriter.h"

#include <QTextCursor>
#include <QTextDocument>

namespace lynvar::rtf {
namespace {

// Any of CR LF, CR and LF becomes `lineEnd`.
QString withLineEnds(QStringView text, QStringView lineEnd)
{
    QString out;
    out.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            out.append(lineEnd);
        } else if (c == u'\n') {
            out.append(lineEnd);
        } else {
            out.append(c);
        }
    }
    return out;
}

} // namespace

bool isRtf(QStringView text)
{
    return text.startsWith(u"{\\rtf");
}

void readInto(QTextDocument &document, QStringView text)
{
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    if (isRtf(text)) {
        // One edit block: the layout and the views hear of the new content once.
        QTextCursor editBlock(&document);
        editBlock.beginEditBlock();
        RtfTables tables;
        RtfDocumentBuilder builder(document, tables);
        RtfReader(tables, builder).read(text);
        editBlock.endEditBlock();
    } else {
        document.setPlainText(withLineEnds(text, u"\n"));
    }
    document.setUndoRedoEnabled(undo);
    document.setModified(false);
}

QString write(const QTextDocument &document)
{
    return RtfWriter(document).write();
}

QString plainText(QStringView text)
{
    if (!isRtf(text))
        return withLineEnds(text, u"\r\n");
    RtfTables tables;
    RtfPlainTextSink sink;
    RtfReader(tables, sink).read(text);
    return sink.result();
}

} // namespace lynvar::rtf
