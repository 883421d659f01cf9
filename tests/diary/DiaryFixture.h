// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/TDovidnykForm.h"
#include "data/DataModule2.h"
#include "diary/SchodennykPage.h"
#include "tests/support/StartedApplication.h"

#include <QDateTime>
#include <QDialog>
#include <QHash>
#include <QVariant>
#include <functional>
#include <initializer_list>

namespace lynvar::test {

// A whole application on the diary page. The dialogs its commands open are not run modally: each is
// shown, handed to `onDialog` (which plays the user's part) and closed if it is still open.
struct DiaryRun : StartedApplication
{
    explicit DiaryRun(const ProgramFolder &folder, bool allPages = true);

    SchodennykPage &page() { return *form().page<SchodennykPage>(); }
    DataSet &diary() { return data().SchodennykTable; }

    // Inserts and stores an entry with these field values (the editor a new entry opens is skipped).
    qint64 addEntry(const QHash<QString, QVariant> &fields);
    // Waits until the photo view has what it asked for.
    bool waitForPhoto();

    std::function<void(QDialog &)> onDialog;
    QList<QDialog *> dialogsShown;
};

// A JPEG of `size` in one colour at `path` (folders made as needed); optionally with an EXIF time.
void writeJpeg(const QString &path, QSize size = {40, 30}, QColor color = Qt::darkGreen,
               const QDateTime &taken = {});
void writeBytes(const QString &path, const QByteArray &bytes);
// Texts written as UTF-8 literals.
QStringList strings(std::initializer_list<const char *> texts);
// The JPEG bytes with an EXIF block holding `taken` as DateTimeOriginal (or as DateTime only).
QByteArray withExifTime(const QByteArray &jpeg, const QDateTime &taken, bool bigEndian = false,
                        bool originalTag = true);
// The JPEG bytes with an EXIF orientation (6: the camera was turned a quarter clockwise).
QByteArray withOrientation(const QByteArray &jpeg, int orientation);
// A JPEG of `size` whose left half is red and right half blue.
QByteArray twoColourJpeg(QSize size);

} // namespace lynvar::test
