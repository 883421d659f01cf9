// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/rtf/RtfCodePages.h"

#include "common/Cp1251.h"

#include <QByteArray>

namespace lynvar::rtf {
namespace {

QStringDecoder makeDecoder(int codePage)
{
    const auto named = [](const char *name) { return QStringDecoder(name, QStringDecoder::Flag::Stateless); };
    switch (codePage) {
    case 10000:
        return named("macintosh");
    case 10007:
        return named("x-mac-cyrillic");
    case 20866:
        return named("KOI8-R");
    case 21866:
        return named("KOI8-U");
    case 65001:
        return QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    default:
        break;
    }
    if (codePage >= 28591 && codePage <= 28606)
        return named(QByteArray("ISO-8859-" + QByteArray::number(codePage - 28590)).constData());
    for (const char *prefix : {"windows-", "cp", "ibm"}) {
        QStringDecoder decoder = named(QByteArray(prefix + QByteArray::number(codePage)).constData());
        if (decoder.isValid())
            return decoder;
    }
    return QStringDecoder();
}

} // namespace

int codePageForCharset(int charset)
{
    switch (charset) {
    case 0:
        return 1252;
    case 2:
        return 1252; // symbol fonts: the bytes are glyph numbers
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return 0;
    }
}

CodePageDecoder::CodePageDecoder() = default;
CodePageDecoder::~CodePageDecoder() = default;

bool CodePageDecoder::isMultiByte(int codePage)
{
    switch (codePage) {
    case 932:
    case 936:
    case 949:
    case 950:
    case 1361:
    case 20932:
    case 54936:
    case 65001:
        return true;
    default:
        return false;
    }
}

QString CodePageDecoder::decode(int codePage, QByteArrayView bytes)
{
    if (isMultiByte(codePage)) {
        if (QStringDecoder *decoder = multiByteDecoder(codePage))
            return decoder->decode(bytes);
        return QString::fromLatin1(bytes);
    }
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    if (codePage == 1251) {
        for (char c : bytes)
            *out++ = QChar(cp1251::toUnicode(static_cast<unsigned char>(c)));
    } else {
        const ByteTable &table = singleByteTable(codePage);
        for (char c : bytes)
            *out++ = QChar(table[static_cast<unsigned char>(c)]);
    }
    return text;
}

const CodePageDecoder::ByteTable &CodePageDecoder::singleByteTable(int codePage)
{
    auto it = m_tables.find(codePage);
    if (it != m_tables.end())
        return it->second;
    ByteTable table;
    QStringDecoder decoder = makeDecoder(codePage);
    for (int byte = 0; byte < 256; ++byte) {
        table[byte] = char16_t(byte);
        if (byte >= 0x80 && decoder.isValid()) {
            const char c = static_cast<char>(byte);
            const QString one = decoder.decode(QByteArrayView(&c, 1));
            table[byte] = one.size() == 1 ? one.at(0).unicode() : char16_t(0xFFFD);
        }
    }
    return m_tables.emplace(codePage, table).first->second;
}

QStringDecoder *CodePageDecoder::multiByteDecoder(int codePage)
{
    auto it = m_decoders.find(codePage);
    if (it == m_decoders.end()) {
        auto decoder = std::make_unique<QStringDecoder>(makeDecoder(codePage));
        it = m_decoders.emplace(codePage, decoder->isValid() ? std::move(decoder) : nullptr).first;
    }
    return it->second.get();
}

} // namespace lynvar::rtf
