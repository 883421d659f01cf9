// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

namespace lynvar {

// The text of a Windows-style INI file, read once and then asked for as many keys as needed (a
// language file is asked for nearly two hundred). It is also the one parser behind IniFile, so both
// find the same value for the same key. The rules are those of the Windows profile functions:
//  - section and key names match without regard to case (Cyrillic too) and without their outer blanks;
//  - only the first section of a name counts, and in it only the first key of a name;
//  - a key line before any section, a comment (';'), a line without '=' or a header without ']'
//    is passed over;
//  - a value is trimmed; one pair of double quotes around the whole value is taken off, so a quoted
//    value keeps its outer blanks; at most 2,047 characters are returned;
//  - the text is Windows-1251, with CR LF, LF or lone CR line ends.
//
// A write changes only the document in memory: it replaces the key's value on the key's line, or adds
// the key after the last key of its section, or adds the section at the end. Every other line, line
// end included, stays byte for byte; a new line ends as the document's first line does (CR LF in an
// empty document). A written value is kept on its one line (CR and LF become spaces) and is quoted when
// a read would otherwise change it, so it reads back as written.
class IniDocument
{
public:
    static constexpr int MaxValueLength = 2047;

    IniDocument() = default;
    explicit IniDocument(const QByteArray &bytes);

    // A missing or unreadable file gives an empty document, whose every read returns its default.
    [[nodiscard]] static IniDocument fromFile(const QString &path);

    [[nodiscard]] QString readString(const QString &section, const QString &key,
                                     const QString &defaultValue) const;
    void writeString(const QString &section, const QString &key, const QString &value);

    // The document's text: the bytes it was made from, with the written lines changed or added.
    [[nodiscard]] QByteArray toBytes() const;

private:
    struct Line
    {
        enum Kind
        {
            Other,
            Section,
            Key
        };

        QByteArray text; // without its line end
        QByteArray end;  // "\r\n", "\n", "\r", or empty on a last line that has none
        Kind kind = Other;
        QString name;  // section or key name, as spelled in the file
        QString value; // key lines only, trimmed, quotes still on
    };

    struct SectionIndex
    {
        qsizetype header = -1;
        qsizetype lastKey = -1; // the header when the section has no key
        QHash<QString, qsizetype> keys;
    };

    static Line parseLine(QByteArray text, QByteArray end);
    void index();
    [[nodiscard]] const SectionIndex *findSection(const QString &name) const;
    void insertLine(qsizetype at, Line line);

    QList<Line> m_lines;
    QByteArray m_lineEnd = "\r\n";
    QHash<QString, SectionIndex> m_sections; // by folded name
};

} // namespace lynvar
