// Picture to logo: reading a large picture of each kind the reader decodes
// (8000 x 6000: JPEG, RGB and palette PNG, 24-bit, 8-bit and RLE8 BMP, an
// RLE8 and an RLE4 BMP of a photo's short runs, GIF, lossless WEBP, and a
// progressive JPEG of the most pixels it opens), and a
// GIF of the longest side read as it is, each beside Qt's own reader reading
// the same file as the reader would were Qt's reader to read it: scaled as it
// reads where it scales (a JPEG, an 8-bit RGB PNG), else whole, then turned
// into 32 bits and scaled as the reader does (the floor), with the peak
// memory of each; preparing the upload after Confirm (cut, square redraw,
// PNG); and the whole road from Confirm to the new design opening from My
// Design, with the stand-in's generation time at 0 and at 3 s, and the memory
// it keeps. The floor of the last: an empty turn of the event loop. The heap
// is kept as the program's main() keeps it.
// Run with QT_QPA_PLATFORM=offscreen (QT_SCALE_FACTOR=2 for a ratio-2 screen)
// and --benchmark_enable_random_interleaving=true on a shared machine.

#include "BenchMain.h"
#include "BenchSupport.h"
#include "MedianRatios.h"
#include "api/PresignedUpload.h"
#include "api/UploadImageHelpers.h"
#include "app/ContentView.h"
#include "app/PageSelection.h"
#include "app/RightTab.h"
#include "core/Configs.h"
#include "core/HeapRelease.h"
#include "globals/AppGlobals.h"
#include "pictures/AIPicsView.h"
#include "pictures/AIPicsViewContentCropView.h"
#include "pictures/AIPicsViewContentView.h"
#include "pictures/AIPicsViewModel.h"
#include "pictures/CropViewModel.h"
#include "pictures/PictureFiles.h"
#include "pictures/decoding/PictureReader.h"
#include "standin/StandinServer.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QImageReader>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <gif_lib.h>
#include <jpeglib.h>
#include <malloc.h>
#include <map>
#include <string>
#include <vector>
#include <webp/encode.h>

namespace {

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

// Where `bytes` were written, or an empty path when they could not be.
QString saved(const QString& name, const QByteArray& bytes)
{
    const QString path = folder().filePath(name);
    return !bytes.isEmpty() && writeFile(path, bytes) ? path : QString();
}

// Smooth light with fine noise, so that decoding costs what a camera picture costs.
QImage photoLike(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    QPainter painter(&image);
    QLinearGradient light(0, 0, size.width(), size.height());
    light.setColorAt(0, QColor(0x2E86C1));
    light.setColorAt(1, QColor(0xF5B041));
    painter.fillRect(image.rect(), light);
    painter.end();
    QRandomGenerator noise(7);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] ^= noise.bounded(8) * 0x010101;
    }
    return image;
}

// A palette picture as drawings are: a ramp of 256 colours across it, with
// one pixel in eight moved a few steps, so that runs are some pixels long.
QImage drawingLike(QSize size)
{
    QImage image(size, QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (int i = 0; i < 256; ++i)
        colours << qRgb(i, 64 + i / 2, 255 - i);
    image.setColorTable(colours);
    QRandomGenerator noise(11);
    const qint64 span = qint64(size.width()) + size.height();
    for (int y = 0; y < size.height(); ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < size.width(); ++x) {
            const int index = int((qint64(x) + y) * 255 / span);
            line[x] = uchar(noise.bounded(8) == 0 ? qBound(0, index + noise.bounded(-3, 4), 255) : index);
        }
    }
    return image;
}

// A photo quantised to a palette of `colours` (256 or 16): a ramp of them
// across it, each pixel a step off at random, so that most runs are a pixel
// or two long.
QImage photoLikeIndexed(QSize size, int colours)
{
    QImage image(size, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < colours; ++i) {
        const int level = i * 255 / (colours - 1);
        table << qRgb(level, 64 + level / 2, 255 - level);
    }
    image.setColorTable(table);
    QRandomGenerator noise(13);
    const qint64 span = qint64(size.width()) + size.height();
    for (int y = 0; y < size.height(); ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < size.width(); ++x) {
            const int ramp = int((qint64(x) + y) * (colours - 1) / span);
            line[x] = uchar(qBound(0, ramp + noise.bounded(-1, 2), colours - 1));
        }
    }
    return image;
}

QByteArray gifOf(const QImage& indexed)
{
    QByteArray bytes;
    GifFileType* gif = PictureFiles::gifWriter(&bytes);
    int error = 0;
    if (!gif)
        return {};
    std::vector<GifColorType> colours;
    for (const QRgb colour : indexed.colorTable())
        colours.push_back({ GifByteType(qRed(colour)), GifByteType(qGreen(colour)), GifByteType(qBlue(colour)) });
    ColorMapObject* map = GifMakeMapObject(int(colours.size()), colours.data());
    bool written = EGifPutScreenDesc(gif, indexed.width(), indexed.height(), 8, 0, map) == GIF_OK
        && EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) == GIF_OK;
    for (int y = 0; written && y < indexed.height(); ++y)
        written = EGifPutLine(gif, const_cast<GifPixelType*>(indexed.constScanLine(y)), indexed.width()) == GIF_OK;
    written = EGifCloseFile(gif, &error) == GIF_OK && written;
    GifFreeMapObject(map);
    return written ? bytes : QByteArray();
}

// Lossless at libwebp's fastest setting: Qt's writer takes minutes at this size.
QByteArray losslessWebpOf(const QImage& rgb32)
{
    WebPConfig config;
    WebPPicture picture;
    if (!WebPConfigInit(&config) || !WebPConfigLosslessPreset(&config, 0) || !WebPPictureInit(&picture))
        return {};
    picture.use_argb = 1;
    picture.width = rgb32.width();
    picture.height = rgb32.height();
    WebPMemoryWriter writer;
    WebPMemoryWriterInit(&writer);
    picture.writer = WebPMemoryWrite;
    picture.custom_ptr = &writer;
    // Qt's 32-bit pixels are B, G, R, X in memory on a little-endian machine.
    const bool written = WebPPictureImportBGRX(&picture, rgb32.constBits(), int(rgb32.bytesPerLine()))
        && WebPEncode(&config, &picture);
    const QByteArray bytes
        = written ? QByteArray(reinterpret_cast<const char*>(writer.mem), qsizetype(writer.size)) : QByteArray();
    WebPPictureFree(&picture);
    WebPMemoryWriterClear(&writer);
    return bytes;
}

// A progressive JPEG at quality 90; `fullChroma`: colour kept at every pixel
// (4:4:4, the most coefficients a decoder holds), else at every fourth
// (4:2:0, as cameras and Qt's writer store it).
QByteArray progressiveJpegOf(const QImage& rgb32, bool fullChroma)
{
    jpeg_compress_struct compress {};
    jpeg_error_mgr errors {};
    compress.err = jpeg_std_error(&errors);
    jpeg_create_compress(&compress);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&compress, &out, &size);
    compress.image_width = JDIMENSION(rgb32.width());
    compress.image_height = JDIMENSION(rgb32.height());
    compress.input_components = 4;
    compress.in_color_space = JCS_EXT_BGRX; // Qt's 32-bit pixels in memory on a little-endian machine
    jpeg_set_defaults(&compress);
    jpeg_set_quality(&compress, 90, TRUE);
    const int lumaSampling = fullChroma ? 1 : 2;
    compress.comp_info[0].h_samp_factor = lumaSampling;
    compress.comp_info[0].v_samp_factor = lumaSampling;
    jpeg_simple_progression(&compress);
    jpeg_start_compress(&compress, TRUE);
    while (compress.next_scanline < compress.image_height) {
        auto* row = const_cast<JSAMPLE*>(rgb32.constScanLine(int(compress.next_scanline)));
        jpeg_write_scanlines(&compress, &row, 1);
    }
    jpeg_finish_compress(&compress);
    jpeg_destroy_compress(&compress);
    const QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(size));
    std::free(out);
    return bytes;
}

// The large pictures' size; a strip for the smoke run, still longer than the
// side that sends a picture to the reader's own decoders.
QSize largeSize()
{
    return bench::brief() ? QSize(PictureBounds::maxSide + 100, 600) : QSize(8000, 6000);
}

// The most pixels the reader opens, at 4:3.
QSize largestSize()
{
    return bench::brief() ? largeSize() : QSize(13280, 9960);
}

// A picture of the longest side the reader keeps, read at its own size.
QSize longestKeptSize()
{
    return bench::brief() ? QSize(800, 600) : QSize(PictureBounds::maxSide, PictureBounds::maxSide * 3 / 4);
}

const std::vector<std::string>& largeKinds()
{
    static const std::vector<std::string> kinds { "jpeg", "png-rgb", "png-palette", "bmp-24", "bmp-8", "bmp-rle8",
        "bmp-rle8-photo", "bmp-rle4-photo", "gif", "gif-4096x3072", "webp-lossless", "jpeg-progressive-132mp",
        "jpeg-progressive-132mp-444" };
    return kinds;
}

bool isLargest(const std::string& kind)
{
    return kind.starts_with("jpeg-progressive-132mp");
}

// The files of every kind, written once; the pictures they are made of are
// let go before anything is measured. An empty path: it could not be made.
QString largePicture(const std::string& kind)
{
    static std::map<std::string, QString> paths;
    if (paths.empty()) {
        {
            const QImage photo = photoLike(largeSize());
            paths["jpeg"] = saved("large.jpg", PictureFiles::encoded(photo, "jpeg", 90));
            // 80: zlib's fastest compression, which still compresses.
            paths["png-rgb"] = saved("large-rgb.png", PictureFiles::encoded(photo, "png", 80));
            paths["bmp-24"] = saved("large-24.bmp", PictureFiles::encoded(photo, "bmp"));
            paths["webp-lossless"] = saved("large-lossless.webp", losslessWebpOf(photo));
        }
        {
            const QImage drawing = drawingLike(largeSize());
            paths["png-palette"] = saved("large-palette.png", PictureFiles::encoded(drawing, "png", 80));
            paths["bmp-8"] = saved("large-8.bmp", PictureFiles::encoded(drawing, "bmp"));
            paths["bmp-rle8"] = saved("large-rle8.bmp", PictureFiles::rle8Bmp(drawing));
            paths["gif"] = saved("large.gif", gifOf(drawing));
        }
        paths["bmp-rle8-photo"]
            = saved("large-rle8-photo.bmp", PictureFiles::runLengthBmp(photoLikeIndexed(largeSize(), 256), 8));
        paths["bmp-rle4-photo"]
            = saved("large-rle4-photo.bmp", PictureFiles::runLengthBmp(photoLikeIndexed(largeSize(), 16), 4));
        paths["gif-4096x3072"] = saved("longest-kept.gif", gifOf(drawingLike(longestKeptSize())));
        const QImage largest = photoLike(largestSize());
        paths["jpeg-progressive-132mp"] = saved("largest-progressive.jpg", progressiveJpegOf(largest, false));
        paths["jpeg-progressive-132mp-444"] = saved("largest-progressive-444.jpg", progressiveJpegOf(largest, true));
    }
    return paths[kind];
}

QSize fittedSize(const std::string& kind)
{
    if (kind == "gif-4096x3072")
        return longestKeptSize();
    const QSize stored = isLargest(kind) ? largestSize() : largeSize();
    return stored.scaled(PictureBounds::maxSide, PictureBounds::maxSide, Qt::KeepAspectRatio);
}

// Qt's allocation limit as the program runs under it; first called before any change.
int programAllocationLimit()
{
    static const int megabytes = QImageReader::allocationLimit();
    return megabytes;
}

// The peak resident memory of a benchmark's loop above what the process held
// when it began, in the counter peak_rise_MiB; none where the peak can't be
// started again. Freed memory is handed back first, so that the rise counts
// what the loop takes afresh.
class PeakMemory {
public:
    PeakMemory()
    {
        malloc_trim(0);
        m_started = resetPeakResident();
        m_before = residentKilobytes();
    }

    void report(benchmark::State& state) const
    {
        if (m_started && m_before >= 0)
            state.counters["peak_rise_MiB"] = double(peakResidentKilobytes() - m_before) / 1024;
    }

private:
    bool m_started = false;
    long m_before = -1;
};

// The floor: Qt's reader reads the file, scaled as it reads where it scales
// in 32 bits (an indexed picture it would re-quantise), else at full size;
// then what the reader does to every picture, 32 bits and the smooth
// scaling, is done. Qt's allocation limit is lifted for this reader only.
void readWholeWithQt(benchmark::State& state, const std::string& kind)
{
    const QString path = largePicture(kind);
    if (path.isEmpty()) {
        state.SkipWithError("the picture could not be written");
        return;
    }
    QImageReader::setAllocationLimit(0);
    const QSize fitted = fittedSize(kind);
    const PeakMemory peak;
    for (auto _ : state) {
        QImageReader reader(path);
        const QImage::Format stored = reader.imageFormat();
        if (reader.supportsOption(QImageIOHandler::ScaledSize) && stored != QImage::Format_Indexed8
            && stored != QImage::Format_Mono && stored != QImage::Format_MonoLSB)
            reader.setScaledSize(fitted);
        QImage image = reader.read();
        image = image.convertToFormat(
            image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        image = image.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (image.size() != fitted) {
            state.SkipWithError("Qt's reader did not read the picture");
            break;
        }
    }
    peak.report(state);
    QImageReader::setAllocationLimit(programAllocationLimit());
}

// The reader as the program calls it, under the program's allocation limit.
void readWithPictureReader(benchmark::State& state, const std::string& kind)
{
    const QString path = largePicture(kind);
    if (path.isEmpty()) {
        state.SkipWithError("the picture could not be written");
        return;
    }
    QImageReader::setAllocationLimit(programAllocationLimit());
    const QSize fitted = fittedSize(kind);
    const PeakMemory peak;
    for (auto _ : state) {
        const QImage image = PictureReader::read(path).image;
        if (image.size() != fitted) {
            state.SkipWithError("the reader did not read the picture");
            break;
        }
    }
    peak.report(state);
}

void registerLargePictures()
{
    for (const std::string& kind : largeKinds()) {
        const bool largest = isLargest(kind);
        for (auto* benchmark : { benchmark::RegisterBenchmark(("QtReader/" + kind).c_str(), readWholeWithQt, kind),
                 benchmark::RegisterBenchmark(("PictureReader/" + kind).c_str(), readWithPictureReader, kind) })
            benchmark->Iterations(1)
                ->Repetitions(bench::repetitions(largest ? 3 : 5))
                ->ReportAggregatesOnly(true)
                ->MeasureProcessCPUTime()
                ->UseRealTime()
                ->Unit(benchmark::kMillisecond);
    }
}

// A 12-megapixel photo, which the reader hands to Qt's reader at 1:1.
QString photo()
{
    static const QString path = saved("photo.jpg", PictureFiles::encoded(photoLike({ 4000, 3000 }), "jpeg", 90));
    return path;
}

// What Confirm does before the upload slot is asked for, and the PNG the PUT sends.
void prepareUpload(benchmark::State& state)
{
    const QImage decoded = PictureReader::read(photo()).image;
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
    const QImage decoded = PictureReader::read(photo()).image;
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
    resetPeakResident();
    {
        ContentView window;
        window.show();
        window.selection()->setIndex(PageSelection::AIPics);
        auto* page = qobject_cast<AIPicsView*>(window.rightTab()->page(PageSelection::AIPics));
        AIPicsViewModel* model = page->viewModel();
        const QString path = photo();
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
                afterFirst = residentKilobytes();
        }
        peak = peakResidentKilobytes();
    }
    waitFor([] { return false; }, 200);
    state.counters["peak_rss_MiB"] = double(peak) / 1024;
    state.counters["rss_after_first_MiB"] = double(afterFirst) / 1024;
    state.counters["rss_after_all_MiB"] = double(residentKilobytes()) / 1024;
    setEditLogoWindowOpener({});
    server.stop();
}
BENCHMARK(confirmToMyDesign)->Arg(0)->Iterations(bench::iterations(10))->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(confirmToMyDesign)->Arg(3000)->Iterations(bench::iterations(3))->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatformUnlessSet();
    // As the application's main() does.
    HeapRelease::keepHeapCompact();
    QApplication app(argc, argv);
    programAllocationLimit();
    registerLargePictures();
    benchmark::Initialize(&argc, argv);
    std::vector<std::string> kinds = largeKinds();
    bench::ErrorCounting<MedianRatioReporter> reporter(
        std::move(kinds), { { "PictureReader", "QtReader" } }, { "peak_rise_MiB" });
    return bench::runBenchmarks(reporter);
}
