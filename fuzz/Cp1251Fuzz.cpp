// SPDX-License-Identifier: GPL-3.0-or-later
// Round trips through the Windows-1251 codec. The input is read twice: as bytes to decode, and as
// UTF-16 text to encode. What must hold for any input:
//  - every byte decodes to one character, and encoding that gives the byte back (the one unassigned
//    byte, 0x98, comes back as '?');
//  - every character encodes to one byte, and decoding that gives the character back when the code
//    page holds it, '?' when it does not.
#include "FuzzCheck.h"
#include "common/Cp1251.h"

#include <QSet>
#include <QString>
#include <cstdint>
#include <cstring>

using lynvar::fuzz::check;
namespace cp1251 = lynvar::cp1251;

namespace {

// The characters the code page holds, from its own byte table.
QSet<char16_t> heldCharacters()
{
    QSet<char16_t> held;
    for (int byte = 0; byte < 256; ++byte) {
        if (const char16_t c = cp1251::toUnicode(static_cast<unsigned char>(byte)); c != 0xFFFD)
            held.insert(c);
    }
    return held;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QSet<char16_t> held = heldCharacters();

    const QByteArrayView bytes(data, qsizetype(size));
    const QString decoded = cp1251::decode(bytes);
    check(decoded.size() == bytes.size(), "one character per byte");
    QByteArray expectedBytes = bytes.toByteArray();
    expectedBytes.replace('\x98', '?');
    check(cp1251::encode(decoded) == expectedBytes, "bytes survive decode and encode");

    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size / 2 * 2);
    const QByteArray encoded = cp1251::encode(text);
    check(encoded.size() == text.size(), "one byte per character");
    const QString back = cp1251::decode(encoded);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        check(back.at(i) == (held.contains(c) ? c : u'?'), "a character survives encode and decode");
    }
    return 0;
}
