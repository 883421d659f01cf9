// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/TitleDerivation.h"

#include "common/rtf/Rtf.h"

namespace lynvar {

QString deriveTitle(const QString &plainText)
{
    if (plainText.isEmpty())
        return QStringLiteral("error");
    QString title;
    for (int i = 1;; ++i) {
        const QChar c = plainText.at(i - 1);
        if (c == u'\n' || i == 50 || i == plainText.size())
            break;
        title += c;
    }
    // Stopping at a line break leaves its CR as the last character taken: it becomes the space.
    if (!title.isEmpty())
        title[title.size() - 1] = u' ';
    return title;
}

QString deriveTitleFromRichText(const QString &storedText)
{
    return deriveTitle(rtf::plainText(storedText));
}

} // namespace lynvar
