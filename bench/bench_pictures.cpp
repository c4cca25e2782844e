// Picture to logo: decoding a 12-megapixel photo and a 50-megapixel one read
// scaled; preparing the upload after Confirm (cut, square redraw, PNG); and
// the whole road from Confirm to the new design opening from My Design, with
// the stand-in's generation time at 0 and at 3 s, and the memory it keeps.
// Floors: copying the decoded photo, and an empty turn of the event loop.
// Run with QT_QPA_PLATFORM=offscreen (QT_SCALE_FACTOR=2 for a ratio-2 screen).

#include "BenchMain.h"
#include "BenchSupport.h"
#include "api/PresignedUpload.h"
#include "api/UploadImageHelpers.h"
#include "app/ContentView.h"
#include "app/PageSelection.h"
#include "app/RightTab.h"
#include "core/Configs.h"
#include "globals/AppGlobals.h"
#include "pictures/AIPicsView.h"
#include "pictures/AIPicsViewContentCropView.h"
#include "pictures/AIPicsViewContentView.h"
#include "pictures/AIPicsViewModel.h"
#include "pictures/CropViewModel.h"
#include "pictures/decoding/PictureReader.h"
#include "standin/StandinServer.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

// A photo-like JPEG: smooth light with fine noise, so decoding costs what a camera picture costs.
QString photo(int width, int height)
{
    const QString path = folder().filePath(QStringLiteral("photo-%1x%2.jpg").arg(width).arg(height));
    if (QFile::exists(path))
        return path;
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient light(0, 0, width, height);
    light.setColorAt(0, QColor(0x2E86C1));
    light.setColorAt(1, QColor(0xF5B041));
    painter.fillRect(image.rect(), light);
    painter.end();
    QRandomGenerator noise(7);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] ^= noise.bounded(8) * 0x010101;
    }
    image.save(path, "JPEG", 90);
    return path;
}

long residentKiB()
{
    long pages = 0;
    long resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

long peakResidentKiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void copyDecodedPhoto(benchmark::State& state)
{
    const QImage decoded = PictureReader::read(photo(4000, 3000)).image;
    for (auto _ : state) {
        QImage copy = decoded.copy();
        benchmark::DoNotOptimize(copy.constBits());
    }
}
BENCHMARK(copyDecodedPhoto)->Unit(benchmark::kMillisecond);

void decode12Megapixels(benchmark::State& state)
{
    const QString path = photo(4000, 3000);
    for (auto _ : state)
        benchmark::DoNotOptimize(PictureReader::read(path).image.constBits());
}
BENCHMARK(decode12Megapixels)->Unit(benchmark::kMillisecond);

void decode50MegapixelsScaled(benchmark::State& state)
{
    const QString path = photo(8160, 6120);
    for (auto _ : state)
        benchmark::DoNotOptimize(PictureReader::read(path).image.constBits());
}
BENCHMARK(decode50MegapixelsScaled)->Unit(benchmark::kMillisecond);

// What Confirm does before the upload slot is asked for, and the PNG the PUT sends.
void prepareUpload(benchmark::State& state)
{
    const QImage decoded = PictureReader::read(photo(4000, 3000)).image;
    CropViewModel model(150, 4.0);
    model.imageSizeInView = CropViewModel::fittedSize(decoded.size(), { 640, 392 });
    model.startZoom();
    qsizetype bytes = 0;
    for (auto _ : state) {
        const std::optional<QImage> square = resizeImageToSquare512(*model.crop(decoded));
        bytes = pngDataOfImage(*square)->size();
    }
    state.counters["side"] = uploadImageSide();
    state.counters["png_KiB"] = double(bytes) / 1024;
}
BENCHMARK(prepareUpload)->Unit(benchmark::kMillisecond);

// The three parts of the preparation: 0 the cut, 1 the square redraw, 2 the PNG.
void preparationStep(benchmark::State& state)
{
    const QImage decoded = PictureReader::read(photo(4000, 3000)).image;
    CropViewModel model(150, 4.0);
    model.imageSizeInView = CropViewModel::fittedSize(decoded.size(), { 640, 392 });
    model.startZoom();
    const QImage cut = *model.crop(decoded);
    const QImage square = *resizeImageToSquare512(cut);
    for (auto _ : state) {
        switch (state.range(0)) {
        case 0:
            benchmark::DoNotOptimize(model.crop(decoded)->constBits());
            break;
        case 1:
            benchmark::DoNotOptimize(resizeImageToSquare512(cut)->constBits());
            break;
        default:
            benchmark::DoNotOptimize(pngDataOfImage(square)->size());
        }
    }
}
BENCHMARK(preparationStep)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

bool waitFor(const std::function<bool()>& done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(200);
    }
    return done();
}

void emptyEventLoopTurn(benchmark::State& state)
{
    for (auto _ : state)
        QCoreApplication::processEvents();
}
BENCHMARK(emptyEventLoopTurn)->Unit(benchmark::kMicrosecond);

// Confirm to the new design opening from My Design, through the real window.
void confirmToMyDesign(benchmark::State& state)
{
    standin::Options options;
    options.generationMs = int(state.range(0));
    standin::StandinServer server(options);
    server.start(0);
    Configs::Network::apiBaseURL = QString::fromStdString(server.apiBase());
    int opened = 0;
    setEditLogoWindowOpener([&](DesignId, const QString&, bool) { ++opened; });
    long peak = 0;
    long afterFirst = 0;
    {
        ContentView window;
        window.show();
        window.selection()->setIndex(PageSelection::AIPics);
        auto* page = qobject_cast<AIPicsView*>(window.rightTab()->page(PageSelection::AIPics));
        AIPicsViewModel* model = page->viewModel();
        const QString path = photo(4000, 3000);
        for (auto _ : state) {
            state.PauseTiming();
            model->pickPicture(path);
            waitFor([&] { return model->screen() == AIPicsViewModel::Screen::Crop; }, 10000);
            const int before = opened;
            state.ResumeTiming();
            page->contentView()->cropPage()->cropView()->cropView()->confirmButton()->click();
            if (!waitFor([&] { return opened > before; }, 20000))
                state.SkipWithError("no design opened");
            if (afterFirst == 0)
                afterFirst = residentKiB();
        }
        peak = peakResidentKiB();
    }
    waitFor([] { return false; }, 200);
    state.counters["peak_rss_MiB"] = double(peak) / 1024;
    state.counters["rss_after_first_MiB"] = double(afterFirst) / 1024;
    state.counters["rss_after_all_MiB"] = double(residentKiB()) / 1024;
    setEditLogoWindowOpener({});
    server.stop();
}
BENCHMARK(confirmToMyDesign)->Arg(0)->Iterations(bench::iterations(10))->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(confirmToMyDesign)->Arg(3000)->Iterations(bench::iterations(3))->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatformUnlessSet();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    return bench::runBenchmarks();
}
