// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes that start as a JPEG does to the picture loader, at full size and at each DCT
// scale, and checks what must hold for any input: a failure carries its text and no picture; a picture is
// no larger than its full size, within the pixel limit, and covers the picture fitted into the view (one
// side reaching the view's) unless it is at full size.
// The same bytes read from a device in small, uneven pieces (as a file is read) must decode to the same.
// Other formats go to Qt's own readers, which are not ours to fuzz.
#include "common/pictures/JpegDecoder.h"
#include "common/pictures/PictureLoader.h"

#include <QIODevice>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Small, so that a header claiming a huge picture costs little; the limit's code path is the same.
constexpr qint64 kMaxPixels = 1'000'000;

// Hands out its bytes a few at a time, so that refills and skips cross the reader's buffer.
class TrickleDevice final : public QIODevice
{
public:
    explicit TrickleDevice(QByteArrayView bytes) : m_bytes(bytes)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 count = std::min({maxSize, qint64(m_bytes.size()) - m_at, 1 + m_at % 509});
        std::copy_n(m_bytes.data() + m_at, count, data);
        m_at += count;
        return count;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArrayView m_bytes;
    qint64 m_at = 0;
};

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
              (size.width() >= view.width() || size.height() >= view.height()),
          "covers the fitted picture unless at full size");
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
    TrickleDevice device(bytes);
    const lynvar::PictureResult read = lynvar::pictures::decodeJpeg(device, QSize(), kMaxPixels);
    check(read.ok() == full.ok() && read.image == full.image, "read in pieces, the same picture");
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
