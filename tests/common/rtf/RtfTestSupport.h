// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFile>
#include <QList>
#include <QString>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace lynvar::rtf::test {

// A fixture as a memo field holds it: RTF as (ASCII) text, the expected plain text from UTF-8.
inline QString fixture(const QString &fileName)
{
    QFile file(QStringLiteral(LYNVAR_FIXTURES_DIR "/rtf/") + fileName);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot open fixture %s", qPrintable(file.fileName()));
    const QByteArray bytes = file.readAll();
    return fileName.endsWith(QStringLiteral(".rtf")) ? QString::fromLatin1(bytes) : QString::fromUtf8(bytes);
}

// What a run looks like, with unset properties resolved against the document's default font.
struct Run
{
    QString text;
    QString family;
    qreal points = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    QColor foreground; // invalid: automatic
    QColor background; // invalid: none

    bool sameFormat(const Run &o) const
    {
        return family == o.family && qFuzzyCompare(points, o.points) && bold == o.bold &&
               italic == o.italic && underline == o.underline && strike == o.strike &&
               foreground == o.foreground && background == o.background;
    }
    bool operator==(const Run &o) const { return text == o.text && sameFormat(o); }
};

inline Run runOf(const QTextDocument &doc, const QTextCharFormat &format, const QString &text)
{
    Run run;
    run.text = text;
    const QStringList families = format.fontFamilies().toStringList();
    run.family = families.isEmpty() ? doc.defaultFont().family() : families.constFirst();
    run.points = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize()
                                                                : doc.defaultFont().pointSizeF();
    run.bold = format.fontWeight() >= QFont::DemiBold;
    run.italic = format.fontItalic();
    run.underline = format.fontUnderline();
    run.strike = format.fontStrikeOut();
    if (format.foreground().style() != Qt::NoBrush)
        run.foreground = format.foreground().color();
    if (format.background().style() != Qt::NoBrush)
        run.background = format.background().color();
    return run;
}

// The block's runs, neighbours with the same format joined.
inline QList<Run> runs(const QTextBlock &block)
{
    QList<Run> result;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const Run run = runOf(*block.document(), fragment.charFormat(), fragment.text());
        if (!result.isEmpty() && result.last().sameFormat(run))
            result.last().text += run.text;
        else
            result.append(run);
    }
    return result;
}

// The run that is `text`, else the first that holds it.
inline Run runWith(const QTextDocument &doc, const QString &text)
{
    for (bool exact : {true, false}) {
        for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
            for (const Run &run : runs(block)) {
                if (exact ? run.text == text : run.text.contains(text))
                    return run;
            }
        }
    }
    qWarning("no run holds \"%s\"", qPrintable(text));
    Run missing;
    missing.text = QStringLiteral("<missing>");
    return missing;
}

inline QTextBlock blockAt(const QTextDocument &doc, int number)
{
    return doc.findBlockByNumber(number);
}

// The document's text the way plainText() gives it: paragraphs and line breaks as CR LF.
inline QString documentText(const QTextDocument &doc)
{
    QStringList paragraphs;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        paragraphs.append(block.text().replace(QChar(0x2028), QStringLiteral("\r\n")));
    return paragraphs.join(QStringLiteral("\r\n"));
}

} // namespace lynvar::rtf::test
