// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/rtf/RtfSink.h"
#include "common/rtf/RtfState.h"

#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

class QTextDocument;

namespace lynvar::rtf {

class RtfTables;

// Builds a QTextDocument from what the reader finds. Text in one character state is gathered
// and inserted at once; a \par opens the next block only when something follows it, so that a
// final \par adds no empty paragraph.
class RtfDocumentBuilder final : public RtfSink
{
public:
    // The document is expected to be empty.
    RtfDocumentBuilder(QTextDocument &document, const RtfTables &tables);

    void text(QStringView text, const CharState &state) override;
    void paragraphEnd(const ParaState &para, const CharState &state) override;
    void finish(const ParaState &para, const CharState &state) override;

private:
    static QTextBlockFormat blockFormat(const ParaState &para);

    void startPendingBlock();
    void flushRun();
    void endBlock(const ParaState &para, const CharState &state);
    QTextCharFormat charFormat(const CharState &state) const;

    const RtfTables &m_tables;
    QTextCursor m_cursor;
    QString m_run;
    CharState m_runState;
    bool m_blockPending = false;
};

} // namespace lynvar::rtf
