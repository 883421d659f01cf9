// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/IniDocument.h"

#include <QString>
#include <functional>

namespace lynvar {

// A Windows-style INI file (settings, language and version files), read and written by the
// rules of the Windows profile functions, which IniDocument describes:
//  - every read reads the file anew and every write goes straight to the file (nothing is cached),
//    so two objects on one file never disagree; a reader asking for many keys at once reads the
//    file once into an IniDocument instead;
//  - a read returns the stored value, or the default when the file, section or key is missing;
//  - a write replaces the key's value or adds the key, creating the section and the file when
//    missing, and keeps every other line of the file byte for byte.
// A write replaces the file atomically, so a crash mid-write never leaves a truncated file.
class IniFile
{
public:
    static constexpr int MaxValueLength = IniDocument::MaxValueLength;

    explicit IniFile(QString path);

    const QString &fileName() const { return m_path; }

    [[nodiscard]] QString readString(const QString &section, const QString &key,
                                     const QString &defaultValue) const;

    // Throws lynvar::Error "Unable to write to <full path>" when the file cannot be written.
    void writeString(const QString &section, const QString &key, const QString &value);
    // Several writes at once: `change` edits the file's document, which then goes to the file in one
    // write (or, when it cannot be written, not at all).
    void update(const std::function<void(IniDocument &)> &change);

private:
    QString m_path;
};

} // namespace lynvar
