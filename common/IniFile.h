// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace lynvar {

// A Windows-style INI file (settings, language and version files), read and written by the
// rules of the Windows profile functions:
//  - section and key names match without regard to case;
//  - a read returns the stored value, or the default when the file, section or key is missing,
//    cut to at most 2,047 characters;
//  - every write goes straight to the file (nothing is cached), replacing the key's value or adding
//    the key, and creating the section and the file when missing;
//  - the file is Windows-1251 text.
// A write replaces the file atomically, so a crash mid-write never leaves a truncated file, and
// turns line breaks in what it writes into spaces, so a value always stays on its one line.
class IniFile
{
public:
    static constexpr int MaxValueLength = 2047;

    explicit IniFile(QString path);

    const QString &fileName() const { return m_path; }

    [[nodiscard]] QString readString(const QString &section, const QString &key,
                                     const QString &defaultValue) const;

    // Throws lynvar::Error "Unable to write to <full path>" when the file cannot be written.
    void writeString(const QString &section, const QString &key, const QString &value);

private:
    QString m_path;
};

} // namespace lynvar
