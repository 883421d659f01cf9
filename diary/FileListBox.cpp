// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/FileListBox.h"

#include <QDir>

namespace lynvar {

FileListBox::FileListBox(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false); // the folder's order, read once, is the order shown
}

void FileListBox::setMask(const QString &mask)
{
    if (m_mask == mask)
        return;
    m_mask = mask;
    readFolder();
}

void FileListBox::setDirectory(const QString &folder)
{
    m_directory = folder;
    readFolder();
}

void FileListBox::readFolder()
{
    clear();
    if (m_directory.isEmpty())
        return;
    const QDir folder(m_directory, m_mask, QDir::Name | QDir::IgnoreCase, QDir::Files);
    addItems(folder.entryList());
}

QString FileListBox::filePath(int row) const
{
    const QListWidgetItem *entry = item(row);
    if (!entry)
        return {};
    return QDir(m_directory).filePath(entry->text());
}

} // namespace lynvar
