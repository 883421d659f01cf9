// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/rtf/RtfCodePages.h"
#include "common/rtf/RtfKeywords.h"
#include "common/rtf/RtfLexer.h"
#include "common/rtf/RtfState.h"
#include "common/rtf/RtfTables.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace lynvar::rtf {

class RtfSink;

// Reads one RTF document: fills the tables and passes the body to a sink.
// Never fails: whatever it cannot make sense of is left out.
class RtfReader
{
public:
    static constexpr int kMaxDepth = 1000;

    RtfReader(RtfTables &tables, RtfSink &sink) : m_tables(tables), m_sink(sink) {}

    void read(QStringView rtf);

private:
    enum class Destination : quint8
    {
        Body,
        FontTable,
        ColourTable
    };

    struct GroupState
    {
        CharState chr;
        ParaState para;
        Destination destination = Destination::Body;
        int unicodeSkip = 1; // \uc: fallback characters after each \u
    };

    // Returns false once the document's outermost group has closed.
    [[nodiscard]] bool handle(const RtfToken &token);
    void openGroup();
    [[nodiscard]] bool closeGroup();
    void skipCurrentGroup();
    [[nodiscard]] bool consumeFallback(); // true: the token was part of a \u fallback

    void word(const RtfToken &token);
    void bodyWord(const KeywordInfo &info, const RtfToken &token);
    void fontTableWord(const KeywordInfo &info, const RtfToken &token);
    void colourTableWord(const KeywordInfo &info, const RtfToken &token);
    void symbol(char16_t symbol);
    void literalText(QStringView text);
    void byte(unsigned char byte);
    void pushByte(int codePage, unsigned char byte);
    void character(QStringView text);
    void flushBytes();

    void bodyText(QStringView text);
    void fontTableText(QStringView text);
    void colourTableText(QStringView text);
    void startFont(int index);
    void commitFont();
    void commitColour();

    RtfTables &m_tables;
    RtfSink &m_sink;
    CodePageDecoder m_decoder;

    GroupState m_state;
    std::vector<GroupState> m_saved; // the states of the enclosing groups
    int m_skipDepth = 0;             // open groups being stepped over
    int m_fallbackLeft = 0;          // characters after a \u still to drop

    QByteArray m_bytes; // \'hh bytes not yet decoded
    int m_bytesCodePage = 0;

    struct PendingFont
    {
        int index = -1;
        int codePage = 0;
        QString name;
    } m_font;

    struct PendingColour
    {
        int red = 0, green = 0, blue = 0;
        bool set = false;
    } m_colour;
};

} // namespace lynvar::rtf
