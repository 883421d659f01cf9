// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary memo text to the RTF reader, and checks what must hold for any input:
// the document and the plain text agree, and writing the document and reading it back changes
// neither its text nor its RTF.
#include "FuzzCheck.h"
#include "common/rtf/Rtf.h"

#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <cstdint>

using lynvar::fuzz::check;

namespace {

QString documentText(const QTextDocument &doc)
{
    QStringList paragraphs;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        paragraphs.append(block.text().replace(QChar(0x2028), QStringLiteral("\r\n")));
    return paragraphs.join(QStringLiteral("\r\n"));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // A memo field gives text; bytes map one to one onto the first 256 characters.
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString plain = lynvar::rtf::plainText(text);

    QTextDocument doc;
    lynvar::rtf::readInto(doc, text);
    if (!lynvar::rtf::isRtf(text))
        return 0;
    check(documentText(doc) == plain, "document text equals plainText()");

    const QString rtf = lynvar::rtf::write(doc);
    check(rtf.startsWith(QStringLiteral("{\\rtf1")), "output is RTF");
    check(std::all_of(rtf.cbegin(), rtf.cend(), [](QChar c) { return c.unicode() < 0x80; }),
          "output is ASCII");

    QTextDocument copy;
    lynvar::rtf::readInto(copy, rtf);
    check(documentText(copy) == plain, "text survives a round trip");
    check(lynvar::rtf::write(copy) == rtf, "writing the copy gives the same RTF");
    return 0;
}
