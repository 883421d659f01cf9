// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <array>
#include <memory>
#include <unordered_map>

namespace lynvar::rtf {

// The Windows code page a font's \fcharset stands for; 0 when the charset says "the document's".
int codePageForCharset(int charset);

// Turns \'hh bytes into text. Windows-1251 comes from our own table; other code pages from Qt's
// converters, looked up once per code page; a code page Qt does not know is read as Latin-1.
class CodePageDecoder
{
public:
    CodePageDecoder();
    ~CodePageDecoder();
    CodePageDecoder(const CodePageDecoder &) = delete;
    CodePageDecoder &operator=(const CodePageDecoder &) = delete;

    // Whether a character may take more than one byte, so that bytes must be decoded as a run.
    static bool isMultiByte(int codePage);

    QString decode(int codePage, QByteArrayView bytes);

private:
    using ByteTable = std::array<char16_t, 256>;
    const ByteTable &singleByteTable(int codePage);
    QStringDecoder *multiByteDecoder(int codePage);

    std::unordered_map<int, ByteTable> m_tables;
    std::unordered_map<int, std::unique_ptr<QStringDecoder>> m_decoders;
};

} // namespace lynvar::rtf
