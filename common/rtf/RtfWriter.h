// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/rtf/RtfState.h"

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class QTextBlock;
class QTextCharFormat;
class QTextDocument;

namespace lynvar::rtf {

// Writes a QTextDocument as RTF that word processors open: Windows-1251 with Cyrillic fonts,
// characters outside Windows-1251 as \uN. Tables and lists are written as their paragraphs.
// The output is ASCII.
class RtfWriter
{
public:
    explicit RtfWriter(const QTextDocument &document);

    QString write();

private:
    void writeBlock(const QTextBlock &block);
    void writeParagraph(const QTextBlock &block);
    void writeCharState(const CharState &state);
    void writeWord(const char *word);
    void writeWord(const char *word, int param);
    CharState charState(const QTextCharFormat &format);
    int fontIndex(const QString &family);
    int colourIndex(const QColor &colour);
    QByteArray header();

    const QTextDocument &m_document;
    QString m_defaultFamily;
    qreal m_defaultPointSize = 12;

    QByteArray m_body;
    bool m_needDelimiter = false;
    CharState m_current;

    QStringList m_fonts;
    QHash<QString, int> m_fontIndex;
    QList<QColor> m_colours;
    QHash<QRgb, int> m_colourIndex;
};

} // namespace lynvar::rtf
