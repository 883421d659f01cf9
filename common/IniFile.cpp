// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/IniFile.h"

#include "common/Cp1251.h"
#include "common/Error.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace lynvar {
namespace {

// The file as raw lines, without their line ends (CR LF, LF or a lone CR). Lines stay bytes so that
// a write puts every line it does not change back exactly as it was.
QList<QByteArray> splitLines(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n')
            continue;
        lines.append(bytes.mid(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append(bytes.mid(start));
    return lines;
}

// A missing or unreadable file reads as an empty one.
QList<QByteArray> readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return splitLines(file.readAll());
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// What one line of the file is, once trimmed: a section header, a key line, or anything else
// (blank line, comment, stray text), which a reader passes over and a writer keeps.
struct ParsedLine
{
    enum Kind
    {
        Other,
        Section,
        Key
    } kind = Other;
    QString name;  // section or key name
    QString value; // key lines only
};

ParsedLine parseLine(const QByteArray &raw)
{
    const QString line = cp1251::decode(raw).trimmed();
    if (line.isEmpty() || line.startsWith(u';'))
        return {};
    if (line.startsWith(u'[')) {
        const qsizetype close = line.lastIndexOf(u']');
        if (close < 0)
            return {};
        return {ParsedLine::Section, line.mid(1, close - 1).trimmed(), {}};
    }
    const qsizetype equals = line.indexOf(u'=');
    if (equals <= 0)
        return {};
    const QString key = line.left(equals).trimmed();
    if (key.isEmpty())
        return {};
    return {ParsedLine::Key, key, line.mid(equals + 1).trimmed()};
}

// Where a key stands in the file. Only the first section of the name counts, and in it only the
// first key of the name; later duplicates are neither read nor written.
struct Location
{
    qsizetype sectionLine = -1;
    qsizetype keyLine = -1;
    qsizetype lastKeyLine = -1; // last key line of the section, where a new key goes after
    ParsedLine key;
};

Location locate(const QList<QByteArray> &lines, QStringView section, QStringView key)
{
    Location where;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        ParsedLine line = parseLine(lines.at(i));
        if (line.kind == ParsedLine::Section) {
            if (where.sectionLine >= 0)
                break;
            if (sameName(line.name, section))
                where.sectionLine = i;
        } else if (line.kind == ParsedLine::Key && where.sectionLine >= 0) {
            where.lastKeyLine = i;
            if (where.keyLine < 0 && sameName(line.name, key)) {
                where.keyLine = i;
                where.key = std::move(line);
            }
        }
    }
    return where;
}

// A line break in a written name or value would start a new line of the file and so could add
// keys or sections nobody wrote; each CR and LF becomes a space instead.
QString oneLine(QString text)
{
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

// Names are looked up and written trimmed, as they are read from the file.
QString cleanName(const QString &text)
{
    return oneLine(text).trimmed();
}

bool isBlank(const QByteArray &raw)
{
    return raw.trimmed().isEmpty();
}

} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const Location where = locate(readLines(m_path), cleanName(section), cleanName(key));
    if (where.keyLine < 0)
        return defaultValue;
    QString value = where.key.value;
    // A value in double quotes is returned without them, so that it can keep outer spaces.
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
        value = value.mid(1, value.size() - 2);
    return value.left(MaxValueLength);
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const QString fullPath = QFileInfo(m_path).absoluteFilePath();
    const auto unableToWrite = [&fullPath] { return Error(u"Unable to write to "_s + fullPath); };

    // A file that exists but cannot be read is not rewritten from nothing: that would lose it.
    QList<QByteArray> lines;
    QFile existing(m_path);
    if (existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly))
            throw unableToWrite();
        lines = splitLines(existing.readAll());
        existing.close();
    }

    const QString cleanValue = oneLine(value);
    const Location where = locate(lines, cleanName(section), cleanName(key));
    if (where.keyLine >= 0) {
        // The key keeps its own spelling, as Windows does; only the value changes.
        lines[where.keyLine] = cp1251::encode(QString(where.key.name + u'=' + cleanValue));
    } else {
        const QByteArray keyLine = cp1251::encode(QString(cleanName(key) + u'=' + cleanValue));
        if (where.sectionLine >= 0) {
            lines.insert(std::max(where.sectionLine, where.lastKeyLine) + 1, keyLine);
        } else {
            if (!lines.isEmpty() && !isBlank(lines.constLast()))
                lines.append(QByteArray());
            lines.append(cp1251::encode(QString(u'[' + cleanName(section) + u']')));
            lines.append(keyLine);
        }
    }

    QByteArray bytes;
    for (const QByteArray &line : std::as_const(lines))
        bytes += line + "\r\n";

    // The new text goes to a temporary file that then replaces the old one, so a crash or a full
    // disk never leaves half a file. Where the folder forbids new files but the file itself may
    // be written, the file is written in place rather than not at all.
    QSaveFile file(m_path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw unableToWrite();
}

} // namespace lynvar
