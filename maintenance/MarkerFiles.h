// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace lynvar {

class TDataModule2;

// The hidden maintenance command that writes into each fish's folder fish/<ID>/ a small RTF file
// named after the fish's Ukrainian name, so the numbered folders can be told apart by eye.
class MarkerFiles final
{
public:
    // `programFolder` is read when the command runs.
    MarkerFiles(TDataModule2 &data, const QString &programFolder) : m_data(data), m_folder(programFolder) {}

    // Walks the fish as the list shows them. Folders are not made: a missing one, or a name a file
    // cannot have, stops the command at that fish with lynvar::Error; files written before stay.
    void MenuCreateFileClick();

    // What every marker file holds: the one line "RichEdit1" as an RTF document.
    static QString markerDocument();
    // A name that stays one file inside its folder: no "/", "\", ".." or NUL, not empty.
    [[nodiscard]] static bool staysInFolder(const QString &name);

private:
    TDataModule2 &m_data;
    QString m_folder;
};

} // namespace lynvar
