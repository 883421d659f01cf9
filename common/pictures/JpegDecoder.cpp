// SPDX-License-Identifier: GPL-3.0-or-later
// libjpeg reports a fatal error by calling error_exit, which must not return; ours leaves by longjmp back
// into runDecoder(). So that the jump skips no destructor, every object with one lives in a Decoder that
// the caller owns, and runDecoder() itself holds only plain values.
#include "common/pictures/JpegDecoder.h"

#include "common/pictures/Orientation.h"

#include <QIODevice>
#include <QLocale>
#include <algorithm>
#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE
#include <jerror.h>
#include <jpeglib.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace lynvar::pictures {

namespace {

// A progressive file may hold any number of scans, each a pass over the whole picture; past this many it
// is hostile rather than a photo (real files have about ten).
constexpr int kMaxScans = 500;

// Rows asked of libjpeg at a time: its largest output group (4 rows at 1/1 with 2x2 subsampling) and more.
constexpr int kRowsAtOnce = 16;

// Bytes read from a device at a time.
constexpr qint64 kReadSize = 64 * 1024;

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE kRgb32Space = JCS_EXT_BGRA; // QImage::Format_RGB32 in memory; alpha set to 0xFF
#else
constexpr J_COLOR_SPACE kRgb32Space = JCS_EXT_ARGB;
#endif

enum class Failure
{
    None,
    Library,
    Truncated,
    TooManyScans,
    TooLarge,
    NoMemory
};

struct ErrorManager
{
    jpeg_error_mgr base; // first, so that libjpeg's pointer to it is a pointer to the whole
    std::jmp_buf jump;
    Failure failure = Failure::None;
    char message[JMSG_LENGTH_MAX] = {};
};

// libjpeg's source manager over a QIODevice.
struct DeviceSource
{
    jpeg_source_mgr base{}; // first, as in ErrorManager
    QIODevice *device = nullptr;
    std::vector<JOCTET> buffer;
};

struct Decoder
{
    jpeg_decompress_struct info{};
    ErrorManager errors;
    jpeg_progress_mgr progress{};
    DeviceSource source;
    bool created = false;
    QImage stored;
    std::vector<JSAMPLE> cmykRow;
    int orientation = kUpright;

    Decoder() = default;
    Decoder(const Decoder &) = delete;
    Decoder &operator=(const Decoder &) = delete;
    ~Decoder()
    {
        if (created)
            jpeg_destroy_decompress(&info);
    }
};

ErrorManager &errorsOf(j_common_ptr info)
{
    return *reinterpret_cast<ErrorManager *>(info->err);
}

[[noreturn]] void leave(j_common_ptr info, Failure failure)
{
    ErrorManager &errors = errorsOf(info);
    errors.failure = failure;
    if (failure == Failure::Library)
        (*info->err->format_message)(info, errors.message);
    std::longjmp(errors.jump, 1);
}

[[noreturn]] void onError(j_common_ptr info)
{
    leave(info, Failure::Library);
}

// Warnings are not printed. A file that ends early would come out grey below the break: refuse it.
void onMessage(j_common_ptr info, int level)
{
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        leave(info, Failure::Truncated);
}

void onOutput(j_common_ptr) {}

void onProgress(j_common_ptr info)
{
    const auto *decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->input_scan_number > kMaxScans)
        leave(info, Failure::TooManyScans);
}

void onSourceStart(j_decompress_ptr) {}

void onSourceEnd(j_decompress_ptr) {}

boolean onFillInput(j_decompress_ptr info)
{
    auto &source = *reinterpret_cast<DeviceSource *>(info->src);
    const qint64 read = source.device->read(reinterpret_cast<char *>(source.buffer.data()), kReadSize);
    if (read <= 0)
        leave(reinterpret_cast<j_common_ptr>(info), Failure::Truncated);
    source.base.next_input_byte = source.buffer.data();
    source.base.bytes_in_buffer = std::size_t(read);
    return TRUE;
}

void onSkipInput(j_decompress_ptr info, long count)
{
    jpeg_source_mgr &source = *info->src;
    while (count > long(source.bytes_in_buffer)) {
        count -= long(source.bytes_in_buffer);
        onFillInput(info);
    }
    if (count > 0) {
        source.next_input_byte += count;
        source.bytes_in_buffer -= std::size_t(count);
    }
}

int orientationOf(const jpeg_decompress_struct &info)
{
    for (jpeg_saved_marker_ptr marker = info.marker_list; marker; marker = marker->next) {
        if (marker->marker != JPEG_APP0 + 1)
            continue;
        const int orientation = exifOrientation(QByteArrayView(marker->data, qsizetype(marker->data_length)));
        if (orientation != kUpright)
            return orientation;
    }
    return kUpright;
}

// Adobe writes CMYK inverted, as nearly every CMYK JPEG in the wild is.
void cmykToRgb32(const JSAMPLE *cmyk, QRgb *out, JDIMENSION width)
{
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4) {
        const int k = cmyk[3];
        out[x] = qRgb(cmyk[0] * k / 255, cmyk[1] * k / 255, cmyk[2] * k / 255);
    }
}

// Left by longjmp from libjpeg on any fatal error: holds no object with a destructor. Reads the device
// when there is one, else the bytes.
Failure runDecoder(Decoder &d, QByteArrayView bytes, QSize view, qint64 maxPixels)
{
    d.info.err = jpeg_std_error(&d.errors.base);
    d.errors.base.error_exit = onError;
    d.errors.base.emit_message = onMessage;
    d.errors.base.output_message = onOutput;
    d.progress.progress_monitor = onProgress;
    if (setjmp(d.errors.jump))
        return d.errors.failure;

    jpeg_create_decompress(&d.info);
    d.created = true;
    d.info.progress = &d.progress;
    if (d.source.device) {
        d.source.base.init_source = onSourceStart;
        d.source.base.fill_input_buffer = onFillInput;
        d.source.base.skip_input_data = onSkipInput;
        d.source.base.resync_to_restart = jpeg_resync_to_restart;
        d.source.base.term_source = onSourceEnd;
        d.info.src = &d.source.base;
    } else {
        jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char *>(bytes.data()), bytes.size());
    }
    jpeg_save_markers(&d.info, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&d.info, TRUE);

    if (qint64(d.info.image_width) * d.info.image_height > maxPixels)
        return Failure::TooLarge;
    d.orientation = orientationOf(d.info);
    QSize upright(int(d.info.image_width), int(d.info.image_height));
    if (swapsAxes(d.orientation))
        upright.transpose();
    d.info.scale_num = 1;
    d.info.scale_denom = unsigned(scaleDivisor(upright, view));

    QImage::Format format = QImage::Format_RGB32;
    switch (d.info.jpeg_color_space) {
    case JCS_GRAYSCALE:
        d.info.out_color_space = JCS_GRAYSCALE;
        format = QImage::Format_Grayscale8;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        d.info.out_color_space = JCS_CMYK;
        break;
    default:
        d.info.out_color_space = kRgb32Space;
        break;
    }
    jpeg_calc_output_dimensions(&d.info);
    d.stored = QImage(int(d.info.output_width), int(d.info.output_height), format);
    if (d.stored.isNull())
        return Failure::NoMemory;
    const bool cmyk = d.info.out_color_space == JCS_CMYK;
    if (cmyk)
        d.cmykRow.resize(std::size_t(d.info.output_width) * 4);

    jpeg_start_decompress(&d.info);
    JSAMPROW rows[kRowsAtOnce];
    while (d.info.output_scanline < d.info.output_height) {
        const int first = int(d.info.output_scanline);
        if (cmyk) {
            rows[0] = d.cmykRow.data();
            jpeg_read_scanlines(&d.info, rows, 1);
            cmykToRgb32(d.cmykRow.data(), reinterpret_cast<QRgb *>(d.stored.scanLine(first)),
                        d.info.output_width);
            continue;
        }
        const int count = std::min(kRowsAtOnce, int(d.info.output_height) - first);
        for (int i = 0; i < count; ++i)
            rows[i] = d.stored.scanLine(first + i);
        jpeg_read_scanlines(&d.info, rows, JDIMENSION(count));
    }
    // Every row is in; a file that lacks only its end marker is still shown, so no jpeg_finish_decompress.
    return Failure::None;
}

QString problemText(const Decoder &d, Failure failure, qint64 maxPixels)
{
    const QLocale c = QLocale::c();
    switch (failure) {
    case Failure::None:
        return {};
    case Failure::Truncated:
        return u"the file ends before the picture does"_s;
    case Failure::TooManyScans:
        return u"the file is damaged (more than %1 scans)"_s.arg(kMaxScans);
    case Failure::TooLarge:
        return u"it has %1 × %2 pixels, and pictures over %3 megapixels are not shown"_s.arg(
            c.toString(d.info.image_width), c.toString(d.info.image_height),
            c.toString(maxPixels / 1'000'000));
    case Failure::NoMemory:
        return u"there is not enough memory for its %1 × %2 pixels"_s.arg(d.info.output_width)
            .arg(d.info.output_height);
    case Failure::Library:
        break;
    }
    return u"the file is damaged or not a JPEG picture (%1)"_s.arg(QString::fromLocal8Bit(d.errors.message));
}

PictureResult decode(Decoder &d, QByteArrayView bytes, QSize view, qint64 maxPixels)
{
    const Failure failure = runDecoder(d, bytes, view, maxPixels);
    if (failure != Failure::None)
        return {QImage(), QSize(), problemText(d, failure, maxPixels)};
    QSize full(int(d.info.image_width), int(d.info.image_height));
    if (swapsAxes(d.orientation))
        full.transpose();
    return {applyOrientation(std::move(d.stored), d.orientation), full, QString()};
}

} // namespace

PictureResult decodeJpeg(QByteArrayView bytes, QSize view, qint64 maxPixels)
{
    Decoder d;
    return decode(d, bytes, view, maxPixels);
}

PictureResult decodeJpeg(QIODevice &device, QSize view, qint64 maxPixels)
{
    Decoder d;
    d.source.device = &device;
    d.source.buffer.resize(kReadSize);
    return decode(d, {}, view, maxPixels);
}

bool looksLikeJpeg(QByteArrayView bytes)
{
    return bytes.size() >= 2 && quint8(bytes[0]) == 0xFF && quint8(bytes[1]) == 0xD8;
}

} // namespace lynvar::pictures
