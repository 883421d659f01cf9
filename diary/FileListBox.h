// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

namespace lynvar {

// The names of the files of one folder that match a mask, sorted by name without regard to case.
// The mask matches without regard to case too, so "*.jpg" also lists photos saved as ".JPG".
// It only reads the folder: unlike a file list box on other systems it never changes the
// process's working folder. Files dragged onto it from a file manager are offered through
// filesDropped(); the list itself copies nothing.
class FileListBox final : public QListWidget
{
    Q_OBJECT
public:
    explicit FileListBox(QWidget *parent = nullptr);

    void setMask(const QString &mask);
    const QString &mask() const { return m_mask; }

    // Shows the files of `folder`; a folder that does not exist shows nothing.
    void setDirectory(const QString &folder);
    const QString &directory() const { return m_directory; }

    // Reads the folder again.
    void readFolder();

    // The full path of the file in `row`; empty when there is no such row.
    QString filePath(int row) const;

Q_SIGNALS:
    // Local files dropped onto the list, as full paths.
    void filesDropped(const QStringList &files);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QString m_mask = QStringLiteral("*.*");
    QString m_directory;
};

} // namespace lynvar
