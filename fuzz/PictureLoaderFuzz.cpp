// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes that start as a JPEG does to the picture loader, at full size and at each DCT
// scale, and checks what must hold for any input: a failure carries its text and no picture; a picture is
// no larger than its full size, within the pixel limit, and covers the view unless it is at full size.
// Other formats go to Qt's own readers, which are not ours to fuzz.
#include "common/pictures/PictureLoader.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Small, so that a header claiming a huge picture costs little; the limit's code path is the same.
constexpr qint64 kMaxPixels = 4'000'000;

void check(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

lynvar::PictureResult decodeChecked(const lynvar::PictureLoader &loader, QByteArrayView bytes, QSize view)
{
    const lynvar::PictureResult result = loader.decode(bytes, view, QStringLiteral("input.jpg"));
    if (!result.ok()) {
        check(result.image.isNull(), "a failure gives no picture");
        check(result.error.contains(QStringLiteral("input.jpg")), "the error names the file");
        return result;
    }
    const QSize size = result.image.size();
    check(!result.image.isNull(), "a success gives a picture");
    check(qint64(result.fullSize.width()) * result.fullSize.height() <= kMaxPixels, "within the pixel limit");
    check(size.width() <= result.fullSize.width() && size.height() <= result.fullSize.height(),
          "no larger than the full size");
    check(size == result.fullSize || view.isEmpty() ||
              (size.width() >= view.width() && size.height() >= view.height()),
          "covers the view unless at full size");
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2 || data[0] != 0xFF || data[1] != 0xD8)
        return 0;
    static const lynvar::PictureLoader loader(0, kMaxPixels);
    const QByteArrayView bytes(data, qsizetype(size));

    const lynvar::PictureResult full = decodeChecked(loader, bytes, QSize());
    if (!full.ok()) {
        (void)decodeChecked(loader, bytes, QSize(1, 1)); // the 1/8 path fails on its own
        return 0;
    }
    const QSize whole = full.fullSize;
    for (const int divisor : {2, 4, 8}) {
        const QSize view(std::max(1, whole.width() / divisor), std::max(1, whole.height() / divisor));
        const lynvar::PictureResult scaled = decodeChecked(loader, bytes, view);
        check(!scaled.ok() || scaled.fullSize == whole, "the full size does not depend on the scale");
    }
    return 0;
}
