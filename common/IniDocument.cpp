// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/IniDocument.h"

#include "common/Cp1251.h"

#include <QFile>
#include <algorithm>

namespace lynvar {
namespace {

// A line break in a written name or value would start a new line of the file and so could add keys or
// sections nobody wrote; each CR and LF becomes a space instead.
QString oneLine(QString text)
{
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

// Names are looked up and written as a read finds them in the file: on one line and trimmed.
QString cleanName(const QString &text)
{
    return oneLine(text).trimmed();
}

// The hash key of a name: case-folded code point by code point, so that two names are equal here
// exactly when QString::compare() without regard to case finds them equal.
QString folded(QStringView name)
{
    QString result;
    result.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        char32_t c = name[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(name[i], name[i + 1]);
            ++i;
        }
        const char32_t f = QChar::toCaseFolded(c);
        if (QChar::requiresSurrogates(f)) {
            result.append(QChar(QChar::highSurrogate(f)));
            result.append(QChar(QChar::lowSurrogate(f)));
        } else {
            result.append(QChar(char16_t(f)));
        }
    }
    return result;
}

QString unquoted(const QString &value)
{
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
        return value.mid(1, value.size() - 2);
    return value;
}

// The text a key line holds for a value, so that a read gives the value back: a value that a read
// would trim, or whose own quotes a read would take off, goes in quotes.
QString storedValue(const QString &value)
{
    if (value.trimmed() != value || unquoted(value) != value)
        return u'"' + value + u'"';
    return value;
}

} // namespace

IniDocument::IniDocument(const QByteArray &bytes)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n')
            continue;
        const qsizetype endLength = (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n') ? 2 : 1;
        m_lines.append(parseLine(bytes.mid(start, i - start), bytes.mid(i, endLength)));
        i += endLength - 1;
        start = i + 1;
    }
    if (start < bytes.size())
        m_lines.append(parseLine(bytes.mid(start), {}));

    const auto withEnd =
        std::find_if(m_lines.cbegin(), m_lines.cend(), [](const Line &l) { return !l.end.isEmpty(); });
    if (withEnd != m_lines.cend())
        m_lineEnd = withEnd->end;
    index();
}

IniDocument IniDocument::fromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return IniDocument(file.readAll());
}

// What one line is, once decoded and trimmed: a section header, a key line, or anything else (blank
// line, comment, stray text), which a read passes over and a write keeps.
IniDocument::Line IniDocument::parseLine(QByteArray text, QByteArray end)
{
    Line line{std::move(text), std::move(end), Line::Other, {}, {}};
    const QString decoded = cp1251::decode(line.text).trimmed();
    if (decoded.isEmpty() || decoded.startsWith(u';'))
        return line;
    if (decoded.startsWith(u'[')) {
        const qsizetype close = decoded.lastIndexOf(u']');
        if (close >= 0) {
            line.kind = Line::Section;
            line.name = decoded.mid(1, close - 1).trimmed();
        }
        return line;
    }
    const qsizetype equals = decoded.indexOf(u'=');
    if (equals <= 0)
        return line;
    line.name = decoded.left(equals).trimmed();
    if (!line.name.isEmpty()) {
        line.kind = Line::Key;
        line.value = decoded.mid(equals + 1).trimmed();
    }
    return line;
}

// Where each section and key stands. Lines of a later section of an earlier name are in no section.
void IniDocument::index()
{
    m_sections.clear();
    SectionIndex *current = nullptr;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const Line &line = m_lines.at(i);
        if (line.kind == Line::Section) {
            const QString name = folded(line.name);
            current = m_sections.contains(name) ? nullptr : &m_sections[name];
            if (current)
                current->header = current->lastKey = i;
        } else if (line.kind == Line::Key && current) {
            const QString name = folded(line.name);
            if (!current->keys.contains(name)) // a later duplicate does not count
                current->keys.insert(name, i);
            current->lastKey = i;
        }
    }
}

const IniDocument::SectionIndex *IniDocument::findSection(const QString &name) const
{
    const auto it = m_sections.constFind(folded(cleanName(name)));
    return it == m_sections.cend() ? nullptr : &it.value();
}

QString IniDocument::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const SectionIndex *where = findSection(section);
    if (!where)
        return defaultValue;
    const auto it = where->keys.constFind(folded(cleanName(key)));
    if (it == where->keys.cend())
        return defaultValue;
    return unquoted(m_lines.at(it.value()).value).left(MaxValueLength);
}

void IniDocument::insertLine(qsizetype at, Line line)
{
    // The line before gets a line end if it was the last line and had none.
    if (at > 0 && m_lines[at - 1].end.isEmpty())
        m_lines[at - 1].end = m_lineEnd;
    line.end = m_lineEnd;
    m_lines.insert(at, std::move(line));
}

void IniDocument::writeString(const QString &section, const QString &key, const QString &value)
{
    const QString text = storedValue(oneLine(value));
    const SectionIndex *where = findSection(section);
    const qsizetype keyLine = where ? where->keys.value(folded(cleanName(key)), -1) : -1;

    if (keyLine >= 0) {
        // The key keeps its own spelling, as Windows does, and its line its own line end.
        Line &line = m_lines[keyLine];
        line = parseLine(cp1251::encode(QString(line.name + u'=' + text)),
                         line.end.isEmpty() ? m_lineEnd : line.end);
    } else {
        Line newKey = parseLine(cp1251::encode(QString(cleanName(key) + u'=' + text)), {});
        if (where) {
            insertLine(where->lastKey + 1, std::move(newKey));
        } else {
            if (!m_lines.isEmpty() && !m_lines.constLast().text.trimmed().isEmpty())
                insertLine(m_lines.size(), Line{});
            insertLine(m_lines.size(),
                       parseLine(cp1251::encode(QString(u'[' + cleanName(section) + u']')), {}));
            insertLine(m_lines.size(), std::move(newKey));
        }
    }
    index();
}

QByteArray IniDocument::toBytes() const
{
    QByteArray bytes;
    for (const Line &line : m_lines)
        bytes += line.text + line.end;
    return bytes;
}

} // namespace lynvar
