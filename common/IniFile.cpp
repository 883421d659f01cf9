// SPDX-License-Identifier: GPL-3.0-or-later
// Placeholder: being written.
#include "common/IniFile.h"

namespace lynvar {
IniFile::IniFile(QString path) : m_path(std::move(path)) {}
QString IniFile::readString(const QString &, const QString &, const QString &defaultValue) const
{
    return defaultValue;
}
void IniFile::writeString(const QString &, const QString &, const QString &) {}
} // namespace lynvar
