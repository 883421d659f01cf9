// SPDX-License-Identifier: GPL-3.0-or-later
// Parses arbitrary bytes as an INI file, writes one key and reads it back. The input is five fields
// ended by a zero byte each (section, key, value, and a second section and key to watch), then the
// file's text. What must hold for any input:
//  - an unwritten document gives back exactly the bytes it was made from;
//  - a written value reads back as written (on one line, through Windows-1251, cut to 2,047
//    characters), and a write leaves every other key as it was;
//  - the document in memory and its text parsed anew agree.
#include "FuzzCheck.h"
#include "common/Cp1251.h"
#include "common/IniDocument.h"

#include <QString>
#include <cstdint>

using namespace Qt::StringLiterals;
using lynvar::IniDocument;
using lynvar::fuzz::check;
namespace cp1251 = lynvar::cp1251;

namespace {

// A name or value as the file can hold it: Windows-1251 text (the one unassigned byte reads as a
// character that is written back as '?').
QString field(QByteArrayView bytes)
{
    return cp1251::decode(cp1251::encode(cp1251::decode(bytes)));
}

QString oneLine(QString text)
{
    return text.replace(u'\r', u' ').replace(u'\n', u' ');
}

bool sameName(const QString &a, const QString &b)
{
    return oneLine(a).trimmed().compare(oneLine(b).trimmed(), Qt::CaseInsensitive) == 0;
}

// A key line is a name, '=' and the value; a name that would read as a comment, a section header or
// part of the value cannot be stored.
bool storableKey(const QString &key)
{
    const QString name = oneLine(key).trimmed();
    return !name.isEmpty() && !name.contains(u'=') && !name.startsWith(u';') && !name.startsWith(u'[');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArrayView input(data, qsizetype(size));
    QString fields[5];
    for (QString &f : fields) {
        const qsizetype end = input.indexOf('\0');
        f = field(input.first(end < 0 ? input.size() : end));
        input = input.sliced(end < 0 ? input.size() : end + 1);
    }
    const auto &[section, key, value, otherSection, otherKey] = fields;
    const QByteArray file = input.toByteArray();
    const QString missing = u"\x01missing"_s;

    IniDocument document(file);
    check(document.toBytes() == file, "an unwritten document keeps its bytes");

    const QString otherBefore = document.readString(otherSection, otherKey, missing);
    document.writeString(section, key, value);
    const IniDocument reread(document.toBytes());
    check(reread.readString(section, key, missing) == document.readString(section, key, missing),
          "the written key reads the same from the written text");
    check(reread.readString(otherSection, otherKey, missing) ==
              document.readString(otherSection, otherKey, missing),
          "another key reads the same from the written text");
    if (!storableKey(key))
        return 0;

    check(document.readString(section, key, missing) == oneLine(value).left(IniDocument::MaxValueLength),
          "the written value reads back");
    if (!sameName(section, otherSection) || !sameName(key, otherKey))
        check(document.readString(otherSection, otherKey, missing) == otherBefore, "another key stays");
    return 0;
}
