// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTemporaryDir>

namespace lynvar::test {

// A temporary program folder laid out from the shipped files, for one test.
class ProgramFolder
{
public:
    enum Content
    {
        Shipped = 0x1, // the reference database and services.ini
        WithSettings = 0x2,
        WithoutTemplate = 0x4
    };

    explicit ProgramFolder(int content = Shipped | WithSettings);

    QString path() const { return m_dir.path(); }
    QString file(const QString &relative) const { return m_dir.path() + u'/' + relative; }
    void writeFile(const QString &relative, const QByteArray &bytes) const;
    QByteArray readFile(const QString &relative) const;

private:
    QTemporaryDir m_dir;
};

} // namespace lynvar::test
