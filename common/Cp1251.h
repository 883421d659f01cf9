// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace lynvar::cp1251 {

// Settings and language files are single-byte Windows-1251 text.
QString decode(QByteArrayView bytes);
// Characters Windows-1251 cannot hold become '?', as the Windows conversion does.
QByteArray encode(QStringView text);

// The Unicode character for one Windows-1251 byte (U+FFFD for the one unassigned byte, 0x98).
char16_t toUnicode(unsigned char byte);

} // namespace lynvar::cp1251
