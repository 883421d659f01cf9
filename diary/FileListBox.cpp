// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/FileListBox.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace lynvar {
namespace {

QStringList localFiles(const QMimeData *data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            files << url.toLocalFile();
    }
    return files;
}

} // namespace

FileListBox::FileListBox(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false); // the folder's order, read once, is the order shown
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DropOnly);
}

void FileListBox::dragEnterEvent(QDragEnterEvent *event)
{
    if (localFiles(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void FileListBox::dragMoveEvent(QDragMoveEvent *event)
{
    if (localFiles(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void FileListBox::dropEvent(QDropEvent *event)
{
    const QStringList files = localFiles(event->mimeData());
    if (files.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    Q_EMIT filesDropped(files);
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
