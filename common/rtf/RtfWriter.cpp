// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/rtf/RtfWriter.h"

#include "common/Cp1251.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <algorithm>

namespace lynvar::rtf {
namespace {

constexpr char16_t kLineSeparator = 0x2028;

const QHash<char16_t, unsigned char> &cp1251Bytes()
{
    static const QHash<char16_t, unsigned char> table = [] {
        QHash<char16_t, unsigned char> t;
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            const char16_t c = cp1251::toUnicode(static_cast<unsigned char>(byte));
            if (c != 0xFFFD)
                t.insert(c, static_cast<unsigned char>(byte));
        }
        return t;
    }();
    return table;
}

// Text as RTF: \'hh where Windows-1251 has the character, else \uN with '?' for old readers.
void appendEscaped(QByteArray &out, QStringView text)
{
    static const char hex[] = "0123456789abcdef";
    const auto &bytes = cp1251Bytes();
    for (QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c == u'\\' || c == u'{' || c == u'}') {
            out.append('\\').append(static_cast<char>(c));
        } else if (c == u'\t') {
            out.append("\\tab ");
        } else if (c == kLineSeparator) {
            out.append("\\line ");
        } else if (c >= 0x20 && c < 0x7F) {
            out.append(static_cast<char>(c));
        } else if (isDroppedCharacter(c)) {
            // images among them: they are not kept
        } else if (const auto it = bytes.constFind(c); it != bytes.constEnd()) {
            out.append("\\'").append(hex[it.value() >> 4]).append(hex[it.value() & 0xF]);
        } else {
            // RTF numbers are 16-bit signed.
            out.append("\\u").append(QByteArray::number(c > 0x7FFF ? int(c) - 0x10000 : int(c))).append('?');
        }
    }
}

// A family name as it reads back: RTF ends a font name at ';' and has no line breaks in it.
QString fontName(const QString &family)
{
    QString name = family;
    name.removeIf([](QChar c) {
        return isDroppedCharacter(c.unicode()) || c == u';' || c == u'\t' || c.unicode() == kLineSeparator;
    });
    return name.trimmed().left(kMaxFontName).trimmed();
}

qreal pointSize(const QFont &font)
{
    if (font.pointSizeF() > 0)
        return font.pointSizeF();
    if (font.pixelSize() > 0)
        return font.pixelSize() * 0.75;
    return 12;
}

int toTwips(qreal pixels)
{
    return std::clamp(qRound(pixels * kTwipsPerPixel), -kMaxTwips, kMaxTwips);
}

} // namespace

RtfWriter::RtfWriter(const QTextDocument &document)
    : m_document(document), m_defaultFamily(document.defaultFont().family()),
      m_defaultPointSize(pointSize(document.defaultFont()))
{
    // Font 0 is the default font; colour 0 is "automatic".
    fontIndex(m_defaultFamily);
    m_colours.append(QColor());
    m_current.font = 0;
    m_current.foreground = 0;
    m_current.background = 0;
}

QString RtfWriter::write()
{
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next())
        writeBlock(block);
    QByteArray rtf = header();
    rtf.append(m_body).append('}');
    return QString::fromLatin1(rtf);
}

QByteArray RtfWriter::header()
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1251\\deff0\\uc1{\\fonttbl";
    for (qsizetype i = 0; i < m_fonts.size(); ++i) {
        out.append("{\\f").append(QByteArray::number(i)).append("\\fnil\\fcharset204 ");
        appendEscaped(out, m_fonts.at(i));
        out.append(";}");
    }
    out.append("}\r\n{\\colortbl ;");
    for (qsizetype i = 1; i < m_colours.size(); ++i) {
        const QColor &c = m_colours.at(i);
        out.append("\\red").append(QByteArray::number(c.red()));
        out.append("\\green").append(QByteArray::number(c.green()));
        out.append("\\blue").append(QByteArray::number(c.blue())).append(';');
    }
    out.append("}\r\n");
    return out;
}

void RtfWriter::writeBlock(const QTextBlock &block)
{
    writeParagraph(block);
    bool empty = true;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid() || fragment.length() == 0)
            continue;
        empty = false;
        writeCharState(charState(fragment.charFormat()));
        QByteArray text;
        appendEscaped(text, fragment.text());
        if (text.isEmpty())
            continue;
        if (m_needDelimiter)
            m_body.append(' ');
        m_needDelimiter = false;
        m_body.append(text);
    }
    // An empty paragraph keeps the font of its mark, which sets its height.
    if (empty)
        writeCharState(charState(block.charFormat()));
    m_body.append("\\par\r\n");
    m_needDelimiter = false;
}

void RtfWriter::writeParagraph(const QTextBlock &block)
{
    const QTextBlockFormat format = block.blockFormat();
    writeWord("pard");
    switch (format.alignment() & Qt::AlignHorizontal_Mask) {
    case Qt::AlignHCenter:
        writeWord("qc");
        break;
    case Qt::AlignRight:
        writeWord("qr");
        break;
    case Qt::AlignJustify:
        writeWord("qj");
        break;
    default:
        break;
    }
    const qreal left = format.leftMargin() + format.indent() * m_document.indentWidth();
    const std::pair<const char *, qreal> lengths[] = {
        {"li", left},
        {"ri", format.rightMargin()},
        {"fi", format.textIndent()},
        {"sb", std::max<qreal>(0, format.topMargin())},
        {"sa", std::max<qreal>(0, format.bottomMargin())},
    };
    for (const auto &[word, pixels] : lengths) {
        if (const int twips = toTwips(pixels); twips != 0)
            writeWord(word, twips);
    }
}

void RtfWriter::writeCharState(const CharState &state)
{
    const CharState &was = m_current;
    if (state.font != was.font)
        writeWord("f", state.font);
    if (state.halfPoints != was.halfPoints)
        writeWord("fs", state.halfPoints);
    if (state.bold != was.bold)
        writeWord(state.bold ? "b" : "b0");
    if (state.italic != was.italic)
        writeWord(state.italic ? "i" : "i0");
    if (state.underline != was.underline)
        writeWord(state.underline ? "ul" : "ulnone");
    if (state.strike != was.strike)
        writeWord(state.strike ? "strike" : "strike0");
    if (state.foreground != was.foreground)
        writeWord("cf", state.foreground);
    if (state.background != was.background)
        writeWord("highlight", state.background);
    m_current = state;
}

void RtfWriter::writeWord(const char *word)
{
    m_body.append('\\').append(word);
    m_needDelimiter = true;
}

void RtfWriter::writeWord(const char *word, int param)
{
    m_body.append('\\').append(word).append(QByteArray::number(param));
    m_needDelimiter = true;
}

CharState RtfWriter::charState(const QTextCharFormat &format)
{
    CharState state;
    QString family;
    if (const QStringList families = format.fontFamilies().toStringList(); !families.isEmpty())
        family = families.constFirst();
    else
        family = format.stringProperty(QTextFormat::FontFamily); // set by older code
    state.font = fontIndex(family);

    qreal points = m_defaultPointSize;
    if (format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() > 0)
        points = format.fontPointSize();
    else if (format.hasProperty(QTextFormat::FontPixelSize) &&
             format.intProperty(QTextFormat::FontPixelSize) > 0)
        points = format.intProperty(QTextFormat::FontPixelSize) * 0.75;
    state.halfPoints = std::clamp(qRound(points * 2), kMinHalfPoints, kMaxHalfPoints);

    state.bold = format.fontWeight() >= QFont::DemiBold;
    state.italic = format.fontItalic();
    state.underline = format.fontUnderline();
    state.strike = format.fontStrikeOut();
    state.foreground =
        format.foreground().style() == Qt::NoBrush ? 0 : colourIndex(format.foreground().color());
    state.background =
        format.background().style() == Qt::NoBrush ? 0 : colourIndex(format.background().color());
    return state;
}

int RtfWriter::fontIndex(const QString &family)
{
    const QString name = fontName(family);
    if (name.isEmpty() && !m_fonts.isEmpty())
        return 0;
    const auto it = m_fontIndex.constFind(name);
    if (it != m_fontIndex.constEnd())
        return it.value();
    m_fonts.append(name);
    return *m_fontIndex.insert(name, int(m_fonts.size() - 1));
}

int RtfWriter::colourIndex(const QColor &colour)
{
    const QRgb rgb = colour.rgb();
    const auto it = m_colourIndex.constFind(rgb);
    if (it != m_colourIndex.constEnd())
        return it.value();
    m_colours.append(QColor::fromRgb(rgb));
    return *m_colourIndex.insert(rgb, int(m_colours.size() - 1));
}

} // namespace lynvar::rtf
