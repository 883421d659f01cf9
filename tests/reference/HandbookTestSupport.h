// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/TDovidnykForm.h"
#include "controls/PictureView.h"
#include "data/Connection.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/StartedApplication.h"

#include <QImage>
#include <QVariantList>

// What the handbook page tests share: a program folder whose handbook and pictures a test sets up
// before the program starts, and a way to tell which picture a view shows.
namespace lynvar::test {

// Runs one statement, its values bound, on the folder's reference database (before the program starts).
inline void changeHandbook(const ProgramFolder &folder, const QString &sql, const QVariantList &values = {})
{
    Connection connection(QStringLiteral("TestHandbook"));
    connection.setDatabaseFile(folder.file(QStringLiteral("data/lynvarbook.db")));
    connection.open();
    {
        Statement statement(connection, sql);
        for (int i = 0; i < values.size(); ++i)
            statement.bind(i + 1, values[i]);
        statement.exec();
    }
    connection.close();
}

// Pictures are told apart by their grey level: picture n is 20 + 25 n. Placeholders take numbers of
// their own.
constexpr int FishPlaceholder = 9;
constexpr int CookeryPlaceholder = 8;

inline void writePicture(const ProgramFolder &folder, const QString &relative, int number,
                         QSize size = QSize(64, 48))
{
    QImage image(size, QImage::Format_RGB32);
    const int level = 20 + 25 * number;
    image.fill(qRgb(level, level, level));
    folder.writeFile(relative, QByteArray());
    image.save(folder.file(relative), "JPG", 100);
}

// The number of the picture a view shows; -1 when it shows none, -2 for a picture of no number.
inline int shownPicture(const PictureView *view)
{
    const QImage &picture = view->picture();
    if (picture.isNull())
        return -1;
    const int level = qGray(picture.pixel(picture.width() / 2, picture.height() / 2));
    const int number = qRound((level - 20) / 25.0);
    return qAbs(level - (20 + 25 * number)) <= 4 ? number : -2;
}

} // namespace lynvar::test
