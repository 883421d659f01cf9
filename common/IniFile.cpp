// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/IniFile.h"

#include "common/Error.h"
#include "common/IniDocument.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace lynvar {

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    return IniDocument::fromFile(m_path).readString(section, key, defaultValue);
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    update([&](IniDocument &document) { document.writeString(section, key, value); });
}

void IniFile::update(const std::function<void(IniDocument &)> &change)
{
    const QString fullPath = QFileInfo(m_path).absoluteFilePath();
    const auto unableToWrite = [&fullPath] { return Error(u"Unable to write to "_s + fullPath); };

    // A file that exists but cannot be read is not rewritten from nothing: that would lose it.
    IniDocument document;
    QFile existing(m_path);
    if (existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly))
            throw unableToWrite();
        document = IniDocument(existing.readAll());
        existing.close();
    }
    change(document);
    const QByteArray bytes = document.toBytes();

    // The new text goes to a temporary file that then replaces the old one, so a crash or a full
    // disk never leaves half a file. Where the folder forbids new files but the file itself may
    // be written, the file is written in place rather than not at all.
    QSaveFile file(m_path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw unableToWrite();
}

} // namespace lynvar
