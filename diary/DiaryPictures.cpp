// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/DiaryPictures.h"

#include "common/pictures/PictureLoader.h"

namespace lynvar::diarypictures {

DiaryPicture load(const QString &path, QSize viewSize)
{
    return PictureLoader::shared().load(path, viewSize);
}

std::optional<DiaryPicture> cached(const QString &path, QSize viewSize)
{
    return PictureLoader::shared().cached(path, viewSize);
}

void clearCache()
{
    PictureLoader::shared().clearCache();
}

bool stretchFor(QSize fullSize, QSize viewSize)
{
    return fullSize.isValid() && fullSize.width() >= viewSize.width() &&
           fullSize.height() >= viewSize.height();
}

} // namespace lynvar::diarypictures
