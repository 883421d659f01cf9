// SPDX-License-Identifier: GPL-3.0-or-later
// The picture loader on a 6000 × 4000 camera-sized JPEG shown in a 640 × 480 view: a first load (cache
// emptied each time) against libjpeg's own 1/8 scaled decode of the same file, and a second showing from
// the cache. peak_MB is how far the resident set rose above where it stood during one first load, measured
// in a fresh process (this program, run with --peak-of) so that memory freed by earlier runs does not hide
// it; file_MB is the file's size, which the loader maps and which counts in its resident set.
#include "common/pictures/PictureLoader.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <functional>
#include <jpeglib.h>
#include <string>
#include <unistd.h>
#include <vector>

using lynvar::PictureLoader;

namespace {

constexpr int kWidth = 6000;
constexpr int kHeight = 4000;
const QSize kView(640, 480);

long statusKb(const char *key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(std::string(key).size()));
    }
    return 0;
}

// The rise of the resident set's high-water mark over its level before the work, in MB; the mark is
// reset first (Linux: "5" to clear_refs), so what the process used before does not count.
double peakRiseMb(const std::function<void()> &work)
{
    std::ofstream("/proc/self/clear_refs") << "5";
    const long before = statusKb("VmRSS:");
    work();
    return double(statusKb("VmHWM:") - before) / 1024.0;
}

// peakRiseMb of one first load ("loader") or one libjpeg decode ("libjpeg"), in a fresh process.
double peakRiseInFreshProcess(const char *what, const QString &file)
{
    const std::string command =
        "/proc/" + std::to_string(::getpid()) + "/exe --peak-of " + what + " '" + file.toStdString() + "'";
    FILE *child = ::popen(command.c_str(), "r");
    double megabytes = -1;
    if (child && std::fscanf(child, "%lf", &megabytes) != 1)
        megabytes = -1;
    if (child)
        ::pclose(child);
    return megabytes;
}

// A photo-like picture, written row by row so that making it leaves no large buffer behind.
class Photo
{
public:
    static Photo &instance()
    {
        static Photo photo;
        return photo;
    }
    QString file;

private:
    Photo()
    {
        file = m_dir.filePath(QStringLiteral("photo.jpg"));
        FILE *out = std::fopen(QFile::encodeName(file).constData(), "wb");
        jpeg_compress_struct info{};
        jpeg_error_mgr errors{};
        info.err = jpeg_std_error(&errors);
        jpeg_create_compress(&info);
        jpeg_stdio_dest(&info, out);
        info.image_width = kWidth;
        info.image_height = kHeight;
        info.input_components = 3;
        info.in_color_space = JCS_RGB;
        jpeg_set_defaults(&info);
        jpeg_set_quality(&info, 90, TRUE);
        jpeg_start_compress(&info, TRUE);
        std::vector<JSAMPLE> row(kWidth * 3);
        quint32 noise = 12345;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                noise = noise * 1664525u + 1013904223u;
                const int grain = int(noise >> 28) - 8;
                row[x * 3] = JSAMPLE(qBound(0, 60 + x * 120 / kWidth + grain, 255));
                row[x * 3 + 1] =
                    JSAMPLE(qBound(0, 90 + y * 100 / kHeight + ((x / 40 + y / 40) % 2) * 30 + grain, 255));
                row[x * 3 + 2] = JSAMPLE(qBound(0, 160 - y * 120 / kHeight + grain, 255));
            }
            JSAMPROW rows[] = {row.data()};
            jpeg_write_scanlines(&info, rows, 1);
        }
        jpeg_finish_compress(&info);
        jpeg_destroy_compress(&info);
        std::fclose(out);
    }

    QTemporaryDir m_dir;
};

// libjpeg alone: the same file, 1/8, into a buffer of the same pixel format the loader fills.
std::vector<JSAMPLE> libjpegEighth(const QString &file)
{
    FILE *in = std::fopen(QFile::encodeName(file).constData(), "rb");
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, in);
    jpeg_read_header(&info, TRUE);
    info.scale_num = 1;
    info.scale_denom = 8;
    info.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&info);
    std::vector<JSAMPLE> pixels(std::size_t(info.output_width) * info.output_height * 4);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[] = {&pixels[std::size_t(info.output_scanline) * info.output_width * 4]};
        jpeg_read_scanlines(&info, rows, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::fclose(in);
    return pixels;
}

void BM_Loader(benchmark::State &state)
{
    const QString file = Photo::instance().file;
    PictureLoader loader;
    state.counters["peak_MB"] = peakRiseInFreshProcess("loader", file);
    state.counters["file_MB"] = double(QFileInfo(file).size()) / (1024 * 1024);
    for (auto _ : state) {
        state.PauseTiming();
        loader.clearCache();
        state.ResumeTiming();
        const lynvar::PictureResult result = loader.load(file, kView);
        benchmark::DoNotOptimize(result.image.constBits());
        if (result.image.size() != QSize(750, 500))
            state.SkipWithError("not decoded at 1/8");
    }
}
BENCHMARK(BM_Loader)->Unit(benchmark::kMillisecond);

void BM_LibjpegScaled1of8(benchmark::State &state)
{
    const QString file = Photo::instance().file;
    state.counters["peak_MB"] = peakRiseInFreshProcess("libjpeg", file);
    for (auto _ : state)
        benchmark::DoNotOptimize(libjpegEighth(file));
}
BENCHMARK(BM_LibjpegScaled1of8)->Unit(benchmark::kMillisecond);

// From the cache, and drawn into the view as the picture view draws it.
void BM_CachedShow(benchmark::State &state)
{
    const QString file = Photo::instance().file;
    PictureLoader loader;
    (void)loader.load(file, kView);
    QImage view(kView, QImage::Format_RGB32);
    for (auto _ : state) {
        const QImage picture = loader.load(file, kView).image;
        QPainter painter(&view);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QSize fitted = picture.size().scaled(kView, Qt::KeepAspectRatio);
        painter.drawImage(
            QRect(QPoint((kView.width() - fitted.width()) / 2, (kView.height() - fitted.height()) / 2),
                  fitted),
            picture);
    }
}
BENCHMARK(BM_CachedShow)->Unit(benchmark::kMillisecond);

// The cache alone: stat, canonical path and look-up.
void BM_CachedLoad(benchmark::State &state)
{
    const QString file = Photo::instance().file;
    PictureLoader loader;
    (void)loader.load(file, kView);
    for (auto _ : state)
        benchmark::DoNotOptimize(loader.load(file, kView).image.constBits());
}
BENCHMARK(BM_CachedLoad)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (argc == 4 && std::string(argv[1]) == "--peak-of") {
        const QString file = QString::fromLocal8Bit(argv[3]);
        const bool loader = std::string(argv[2]) == "loader";
        std::printf("%.2f\n", peakRiseMb([&] {
                        if (loader)
                            benchmark::DoNotOptimize(PictureLoader().load(file, kView));
                        else
                            benchmark::DoNotOptimize(libjpegEighth(file));
                    }));
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
