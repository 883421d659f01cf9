// SPDX-License-Identifier: GPL-3.0-or-later
#include "maintenance/MarkerFiles.h"

#include "common/Error.h"
#include "common/rtf/Rtf.h"
#include "data/DataModule2.h"

#include <QSaveFile>
#include <QTextDocument>

namespace lynvar {

QString MarkerFiles::markerDocument()
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("RichEdit1"));
    return rtf::write(document);
}

bool MarkerFiles::staysInFolder(const QString &name)
{
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\') && !name.contains(QChar(0)) &&
           !name.contains(QStringLiteral("..")) && name != u".";
}

void MarkerFiles::MenuCreateFileClick()
{
    const QByteArray content = markerDocument().toLatin1();
    DataSet &fish = m_data.FishTable;
    fish.first();
    while (!fish.eof()) {
        const QString name = fish.field(u"NameUA").asString();
        const QString path = m_folder + QStringLiteral("/fish/") +
                             QString::number(fish.field(u"ID").asInteger()) + u'/' + name;
        if (!staysInFolder(name))
            throw Error(QStringLiteral("Cannot create file \"%1\". The file name is not valid").arg(path));
        // Written beside and renamed into place: a link of that name is replaced, never written through.
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
            throw Error(QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()));
        fish.next();
    }
}

} // namespace lynvar
