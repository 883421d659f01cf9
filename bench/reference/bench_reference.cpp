// SPDX-License-Identifier: GPL-3.0-or-later
// The handbook pages on the shipped handbook: the taxonomy value list and a filter switch on the fish
// table, a card refresh with a 6000 x 4000 photo against the picture load alone, and the handbook search.
#include "app/LynvarApplication.h"
#include "app/TDovidnykForm.h"
#include "controls/PictureView.h"
#include "data/DataModule2.h"
#include "reference/FishPage.h"
#include "reference/HandbookPictures.h"
#include "reference/HandbookSearch.h"
#include "tests/support/FakeDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace Qt::StringLiterals;

constexpr int BigFishRow = 0;

// A photo-like picture: smooth colour with fine detail, so that it compresses as photos do.
void writeBigPhoto(const QString &file, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, size.width(), size.height());
    sky.setColorAt(0, QColor(40, 90, 160));
    sky.setColorAt(1, QColor(200, 170, 90));
    painter.fillRect(image.rect(), sky);
    QRandomGenerator random(7);
    for (int i = 0; i < 20000; ++i) {
        painter.setPen(QColor::fromRgb(random.generate() & 0xFFFFFF));
        const QPoint from(random.bounded(size.width()), random.bounded(size.height()));
        painter.drawLine(from, from + QPoint(random.bounded(-40, 40), random.bounded(-40, 40)));
    }
    painter.end();
    QDir().mkpath(QFileInfo(file).absolutePath());
    image.save(file, "JPG", 90);
}

// The program on a copy of the shipped handbook, its window at its design size on the fish page, the
// first fish with a 6000 x 4000 photo 1.
struct Program
{
    QTemporaryDir dir;
    lynvar::test::FakeDialogs dialogs;
    std::unique_ptr<lynvar::LynvarApplication> app;

    Program()
    {
        const QString shipped = QStringLiteral(LYNVAR_SHIPPED_DIR);
        QDir().mkpath(dir.filePath(u"data"_s));
        QFile::copy(shipped + u"/data/lynvarbook.db"_s, dir.filePath(u"data/lynvarbook.db"_s));
        QFile::copy(shipped + u"/newbd/lynvarzapys.db"_s, dir.filePath(u"data/lynvarzapys.db"_s));
        QFile::copy(shipped + u"/fish/no_photo.jpg"_s, dir.filePath(u"fish/no_photo.jpg"_s));
        lynvar::AppServices services;
        services.dialogs = &dialogs;
        app = std::make_unique<lynvar::LynvarApplication>(dir.path(), services);
        app->create();
        app->showMainWindow();
        form().showNormal();
        form().resize(1024, 726);
        form().showPage(lynvar::TDovidnykForm::LayoutPageIndex);
        page().ImageFotoSmallFishDblClick(); // the photo page, so that the big photo view has its size
        QCoreApplication::processEvents();
        lynvar::DataSet &table = fish();
        table.moveTo(BigFishRow);
        writeBigPhoto(dir.filePath(u"fish/"_s + table.field(u"Species").asString() + u"/1.jpg"_s),
                      QSize(6000, 4000));
    }
    lynvar::TDovidnykForm &form() { return *app->DovidnykForm; }
    lynvar::FishPage &page() { return *form().page<lynvar::FishPage>(); }
    lynvar::DataSet &fish() { return app->DataModule2->FishTable; }
};

// Made on first use and gone before the application object.
std::unique_ptr<Program> shared;

Program &program()
{
    if (!shared)
        shared = std::make_unique<Program>();
    return *shared;
}

void pick(QComboBox *list, int index)
{
    list->setCurrentIndex(index);
    Q_EMIT list->activated(index);
}

void BM_TaxonomyValueList(benchmark::State &state)
{
    lynvar::FishPage &page = program().page();
    int kind = 0;
    for (auto _ : state) {
        pick(page.ComboBoxFiltr, kind);
        kind = (kind + 1) % page.ComboBoxFiltr->count();
    }
    state.counters["fish"] = program().fish().recordCount();
    state.counters["values"] = page.ComboBoxFish->count();
}
BENCHMARK(BM_TaxonomyValueList)->Unit(benchmark::kMicrosecond)->UseRealTime();

// A value picked, the filtered list and card shown; then "X" and everything shown again.
void BM_FilterSwitch(benchmark::State &state)
{
    lynvar::FishPage &page = program().page();
    pick(page.ComboBoxFiltr, page.ComboBoxFiltr->findText(u"Родина (Лат)"_s));
    int value = 0;
    for (auto _ : state) {
        pick(page.ComboBoxFish, value);
        QCoreApplication::processEvents();
        page.Button1Click();
        QCoreApplication::processEvents();
        value = (value + 1) % page.ComboBoxFish->count();
    }
    state.counters["values"] = page.ComboBoxFish->count();
}
BENCHMARK(BM_FilterSwitch)->Unit(benchmark::kMillisecond)->UseRealTime();

// The card refresh of the fish with the big photo: classification lines, small photo, photo 1.
void BM_CardRefreshBigPhoto(benchmark::State &state)
{
    Program &p = program();
    p.fish().moveTo(BigFishRow);
    for (auto _ : state)
        p.page().DBRichEditFishOpysChange();
    state.counters["viewWidth"] = p.page().ImageFotoFish->width();
    state.counters["viewHeight"] = p.page().ImageFotoFish->height();
}
BENCHMARK(BM_CardRefreshBigPhoto)->Unit(benchmark::kMillisecond)->UseRealTime();

// The picture load alone, for the same file and view: what the refresh is measured against.
void BM_LoadBigPhotoForTheView(benchmark::State &state)
{
    Program &p = program();
    p.fish().moveTo(BigFishRow);
    const QString file = p.dir.filePath(u"fish/"_s + p.fish().field(u"Species").asString() + u"/1.jpg"_s);
    const lynvar::PictureView *view = p.page().ImageFotoFish;
    const QSize pixels = view->size() * view->devicePixelRatio();
    for (auto _ : state)
        benchmark::DoNotOptimize(lynvar::loadPicture(file, pixels));
}
BENCHMARK(BM_LoadBigPhotoForTheView)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Search(benchmark::State &state, const QString &words)
{
    lynvar::HandbookSearch &search = program().form().handbookSearch();
    qsizetype hits = 0;
    for (auto _ : state)
        hits = search.find(words, u"ua"_s).size();
    state.counters["hits"] = double(hits);
}
BENCHMARK_CAPTURE(BM_Search, one_word_prefix, u"щук"_s)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Search, two_letters, u"ри"_s)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Search, two_words, u"щука озеро"_s)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    shared.reset();
    return 0;
}
