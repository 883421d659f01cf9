// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace lynvar::test {
namespace {

void copyFile(const QString &from, const QString &to)
{
    QDir().mkpath(QFileInfo(to).absolutePath());
    QFile::copy(from, to);
    QFile::setPermissions(to, QFile::permissions(to) | QFile::WriteOwner);
}

} // namespace

ProgramFolder::ProgramFolder(int content)
{
    const QString shipped = QStringLiteral(LYNVAR_SHIPPED_DIR);
    QDir().mkpath(file(QStringLiteral("data")));
    if (content & Shipped) {
        copyFile(shipped + QStringLiteral("/data/lynvarbook.db"), file(QStringLiteral("data/lynvarbook.db")));
        copyFile(shipped + QStringLiteral("/services.ini"), file(QStringLiteral("services.ini")));
    }
    if (!(content & WithoutTemplate))
        copyFile(shipped + QStringLiteral("/newbd/lynvarzapys.db"),
                 file(QStringLiteral("newbd/lynvarzapys.db")));
    if (content & WithSettings)
        copyFile(shipped + QStringLiteral("/options.ini"), file(QStringLiteral("options.ini")));
}

void ProgramFolder::writeFile(const QString &relative, const QByteArray &bytes) const
{
    QDir().mkpath(QFileInfo(file(relative)).absolutePath());
    QFile f(file(relative));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

QByteArray ProgramFolder::readFile(const QString &relative) const
{
    QFile f(file(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace lynvar::test
