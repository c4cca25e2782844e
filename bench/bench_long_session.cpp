// Memory over a long session, in the application as it runs (the main window,
// the editor window, the shared canvas) against a stand-in server in its own
// process, so that only the application's memory is measured. Each flow
// repeats one cycle and reports its growth per cycle: the slope over the
// cycles after five warm-up cycles (least squares), with nothing trimmed by
// the harness, each main figure with its standard error beside it (the same
// name ending in _se, from the scatter about the line), of
//   kB_per_cycle        the main process's resident memory (VmRSS)
//   tree_kB_per_cycle   the whole tree: the main process and every web engine
//                       process under it (zygotes, renderers, GPU, utility),
//                       as the sum of each one's own proportional set size,
//                       Pss_Anon + Pss_Shmem from /proc/PID/smaps_rollup, so
//                       that memory the processes share counts once. Pages of
//                       mapped files are left out (their slope is printed):
//                       every other program on the machine that maps the same
//                       libraries shares them, and their share moves as those
//                       programs come and go. The stand-in server is left out
// The flows:
//   bareViewOpenClose   the floor: a bare QWebEngineView in a window of its
//                       own, shown, loading the first Discovery design and
//                       hidden again, 200 times (runs before the editor's)
//   editorOpenClose     the user's road: Discovery, the first design's detail
//                       page, "Edit Logo", the editor's Close, Back; 200
//                       times. The floor's tree figure of the same run is
//                       given beside it, and the difference of the two, each
//                       with its standard error. The tree's own memory moves
//                       by about 0.6 MB from one cycle to the next (a bare
//                       view's by up to 4 MB with V8's saw-tooth), so a slope
//                       over 30 cycles can't tell a small leak from noise
//   pictureRoad         a photo picked, cropped, uploaded and generated, My
//                       Design reloaded and the editor opened on the new
//                       design, then left; 35 times. The image cache is first
//                       filled to its bound, so that each new tile's picture
//                       takes the place of an older one: its own growth,
//                       given too, is none
//   generatingScreen    the AI page's Create, its generating screen until the
//                       hand-over to My Design, which lists the new design;
//                       20 times, with a 1.5 s gate. My Design is first filled
//                       beyond the tiles it builds, and the image cache to its
//                       bound, so that its own growth is the list's text
// The first three run twice: as they run (collected:0), and with a full
// collection of the page's garbage before each measurement (collected:1; the
// program exposes gc() to pages). V8 collects a page's garbage only when its
// heap reaches a limit, so over 30 cycles the first figure also holds the
// phase of that saw-tooth; the second is what the page keeps.
// Each process's share is printed per cycle too, by process kind.
// Run one flow at a time with --benchmark_filter for figures that don't mix
// (the floor runs along with editorOpenClose when the filter names both).

#include "BenchMain.h"
#include "BenchSupport.h"
#include "ai/AILogoView.h"
#include "ai/CreatorButtonView.h"
#include "ai/GeneratingView.h"
#include "ai/GenerationRequest.h"
#include "ai/MakeAIView.h"
#include "ai/Step1View.h"
#include "ai/Step1ViewList.h"
#include "ai/Step2View.h"
#include "ai/Step3View.h"
#include "api/APIFactory.h"
#include "app/AppDelegate.h"
#include "app/ContentView.h"
#include "app/EditLogoWindow.h"
#include "app/PageSelection.h"
#include "app/RightTab.h"
#include "app/SoftwareRenderingPath.h"
#include "canvas/WebViewViewController.h"
#include "core/Configs.h"
#include "core/HeapRelease.h"
#include "core/ImageCache.h"
#include "core/PageGarbageCollection.h"
#include "discovery/DiscoveryView.h"
#include "discovery/LogoDetailView.h"
#include "discovery/MyDesignView.h"
#include "discovery/SimlarView.h"
#include "editor/EditLogoView.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorButton.h"
#include "editor/EditorToolbar.h"
#include "globals/AppGlobals.h"
#include "pictures/AIPicsView.h"
#include "pictures/AIPicsViewContentCropView.h"
#include "pictures/AIPicsViewContentView.h"
#include "pictures/AIPicsViewModel.h"
#include "pictures/CropView.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int warmUpCycles = 5;
AppDelegate* g_app = nullptr;

// What is left for after a cycle (deferred deletes, the last repaints) runs first.
void settle()
{
    runUntil([] { return false; }, 500);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Growth per cycle: a least-squares slope and its standard error.
struct Slope {
    double perCycle = 0;
    double standardError = 0; // 0 when fewer than three cycles count
    std::size_t cycles = 0; // the cycles it was taken over
};

// The least-squares slope of `values` over their index, after the warm-up
// cycles, with its standard error from the residuals about the line
// (sqrt(sum of squared residuals / (n - 2) / sum of squared x deviations)).
// The error takes the residuals as independent; V8's saw-tooth makes
// neighbouring ones alike, so two runs should be compared too.
Slope slopeAfterWarmUp(const std::vector<double>& values)
{
    const std::size_t first = values.size() > std::size_t(warmUpCycles) + 1 ? warmUpCycles : 0;
    const std::size_t count = values.size() - first;
    if (count < 2)
        return {};
    const double n = double(count);
    double meanX = 0, meanY = 0;
    for (std::size_t i = first; i < values.size(); ++i) {
        meanX += double(i) / n;
        meanY += values[i] / n;
    }
    double sxx = 0, sxy = 0;
    for (std::size_t i = first; i < values.size(); ++i) {
        sxx += (double(i) - meanX) * (double(i) - meanX);
        sxy += (double(i) - meanX) * (values[i] - meanY);
    }
    Slope slope { sxy / sxx, 0, count };
    if (count < 3)
        return slope;
    double squaredResiduals = 0;
    for (std::size_t i = first; i < values.size(); ++i) {
        const double residual = values[i] - meanY - slope.perCycle * (double(i) - meanX);
        squaredResiduals += residual * residual;
    }
    slope.standardError = std::sqrt(squaredResiduals / (n - 2) / sxx);
    return slope;
}

// The difference of two slopes measured apart, so with independent errors.
Slope difference(const Slope& a, const Slope& b)
{
    return { a.perCycle - b.perCycle, std::hypot(a.standardError, b.standardError), std::min(a.cycles, b.cycles) };
}

// A slope and its standard error as two counters, `name` and `name`_se.
void setSlopeCounters(benchmark::State& state, const std::string& name, const Slope& slope)
{
    state.counters[name] = slope.perCycle;
    state.counters[name + "_se"] = slope.standardError;
}

std::string withError(const Slope& slope)
{
    char text[64];
    std::snprintf(text, sizeof text, "%+.1f ± %.1f", slope.perCycle, slope.standardError);
    return text;
}

ContentView& mainWindow();

// The text My Design's list holds: it grows by one design on each road.
qint64 designListBytes()
{
    const auto* page = qobject_cast<MyDesignView*>(mainWindow().rightTab()->page(PageSelection::MyDesign));
    qint64 bytes = 0;
    for (const DesignListContentData& design : page->items())
        bytes += (design.svg.size() + design.img.size() + design.thumb.size() + design.title.size()) * 2;
    return bytes;
}

// The stand-in server's process, which is a child of this one but not part of the application.
qint64 g_standinPid = 0;

// One process of the tree: its kind and its proportional set sizes in kB,
// the process's own pages (anonymous and shared memory) apart from the pages
// of files it maps. Library pages are shared with every other program on the
// machine that maps the same libraries, and their share moves whenever one
// starts or ends; the tree's own memory is the first figure.
struct TreeProcess {
    std::string kind;
    long ownKilobytes = 0;
    long fileKilobytes = 0;
};

void readProportionalSizes(qint64 pid, TreeProcess& process)
{
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!rollup.open(QIODevice::ReadOnly))
        return;
    for (const QByteArray& line : rollup.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        const long kilobytes = fields.value(1).toLong();
        if (fields.value(0) == "Pss_Anon:" || fields.value(0) == "Pss_Shmem:")
            process.ownKilobytes += kilobytes;
        else if (fields.value(0) == "Pss_File:")
            process.fileKilobytes += kilobytes;
    }
}

// The parent of `pid` from /proc/PID/stat, or 0. The command name may hold
// spaces and brackets, so the fields are counted from the last ')'.
qint64 parentOf(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    const qsizetype end = text.lastIndexOf(')');
    if (end < 0)
        return 0;
    return text.mid(end + 2).split(' ').value(1).toLongLong();
}

// The web engine's --type; a process a zygote forked keeps the zygote's
// command line and is named after its parent.
std::string kindOf(qint64 pid, const std::string& parentKind)
{
    QFile file(QStringLiteral("/proc/%1/cmdline").arg(pid));
    std::string kind = "other";
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray& argument : file.readAll().split('\0')) {
            if (argument.startsWith("--type="))
                kind = argument.mid(7).toStdString();
        }
    }
    if (kind == "zygote" && parentKind == "zygote")
        return "renderer";
    return kind;
}

// This process and all its descendants but the stand-in server.
std::vector<TreeProcess> processTree()
{
    const qint64 self = QCoreApplication::applicationPid();
    std::map<qint64, std::vector<qint64>> children;
    for (const QString& name : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool numeric = false;
        const qint64 pid = name.toLongLong(&numeric);
        if (numeric)
            children[parentOf(pid)].push_back(pid);
    }
    std::vector<TreeProcess> tree;
    std::vector<std::pair<qint64, std::string>> pending { { self, "" } };
    while (!pending.empty()) {
        const auto [pid, parentKind] = pending.back();
        pending.pop_back();
        if (pid == g_standinPid)
            continue;
        TreeProcess process { pid == self ? "main" : kindOf(pid, parentKind) };
        readProportionalSizes(pid, process);
        tree.push_back(process);
        for (qint64 child : children[pid])
            pending.emplace_back(child, process.kind);
    }
    return tree;
}

// Resident memory, the process tree, the image cache's size and My Design's list after each cycle.
class MemorySeries {
public:
    void record()
    {
        m_resident.push_back(double(residentKilobytes()));
        m_cache.push_back(double(ImageCache::shared().byteCount()) / 1024);
        m_list.push_back(double(designListBytes()) / 1024);
        std::map<std::string, double> byKind;
        double total = 0;
        double files = 0;
        for (const TreeProcess& process : processTree()) {
            byKind[process.kind] += double(process.ownKilobytes);
            total += double(process.ownKilobytes);
            files += double(process.fileKilobytes);
        }
        m_tree.push_back(total);
        m_treeFiles.push_back(files);
        for (const auto& [kind, kilobytes] : byKind) {
            std::vector<double>& values = m_byKind[kind];
            // A kind that appeared late counts from zero before.
            values.resize(m_tree.size() - 1, 0);
            values.push_back(kilobytes);
        }
    }

    Slope treeSlope() const { return slopeAfterWarmUp(m_tree); }

    void report(benchmark::State& state, const char* flow) const
    {
        const Slope resident = slopeAfterWarmUp(m_resident);
        const Slope cache = slopeAfterWarmUp(m_cache);
        setSlopeCounters(state, "kB_per_cycle", resident);
        setSlopeCounters(state, "tree_kB_per_cycle", treeSlope());
        state.counters["cache_kB_per_cycle"] = cache.perCycle;
        state.counters["beyond_cache_kB_per_cycle"] = resident.perCycle - cache.perCycle;
        state.counters["cache_kB"] = m_cache.empty() ? 0 : m_cache.back();
        state.counters["list_kB_per_cycle"] = slopeAfterWarmUp(m_list).perCycle;
        print(std::string("memory: ") + flow + ", main resident kB after each cycle:", m_resident);
        print(std::string("memory: ") + flow + ", tree's own Pss kB after each cycle:", m_tree);
        print(std::string("memory: ") + flow + ", image cache kB after each cycle:", m_cache);
        std::printf("memory: %s, main resident kB per cycle %s, tree's own Pss kB per cycle %s, over %zu cycles "
                    "after the warm-up\n",
            flow, withError(resident).c_str(), withError(treeSlope()).c_str(), treeSlope().cycles);
        std::printf("memory: %s, the tree's mapped files' Pss kB per cycle %.1f\n", flow,
            slopeAfterWarmUp(m_treeFiles).perCycle);
        for (const auto& [kind, values] : m_byKind) {
            std::printf("memory: %s, %s's own Pss kB per cycle %s\n", flow, kind.c_str(),
                withError(slopeAfterWarmUp(values)).c_str());
            print(std::string("memory: ") + flow + ", " + kind + "'s own Pss kB after each cycle:", values);
        }
        std::fflush(stdout);
    }

private:
    static void print(std::string line, const std::vector<double>& values)
    {
        for (double kilobytes : values)
            line += " " + std::to_string(long(kilobytes));
        std::printf("%s\n", line.c_str());
    }

    std::vector<double> m_resident;
    std::vector<double> m_tree;
    std::vector<double> m_treeFiles;
    std::vector<double> m_cache;
    std::vector<double> m_list;
    std::map<std::string, std::vector<double>> m_byKind;
};

ContentView& mainWindow()
{
    return *g_app->window();
}

EditLogoView* openEditor()
{
    return editLogoWindow()->findChild<EditLogoView*>();
}

// A new editor, other than `previous`, shows its design.
bool waitForEditorAfter(const EditLogoView* previous)
{
    return runUntil([previous] {
        EditLogoView* editor = openEditor();
        return editor && editor != previous && editor->model().isDesignLoaded() && editLogoWindow()->isVisible();
    });
}

bool leaveEditor()
{
    EditLogoView* editor = openEditor();
    if (!editor)
        return false;
    editor->leave();
    return runUntil([] { return !editLogoWindow()->isVisible(); });
}

DiscoveryView& discovery()
{
    return *qobject_cast<DiscoveryView*>(mainWindow().rightTab()->page(PageSelection::Discovery));
}

// Discovery's first design on its detail page, its details shown.
LogoDetailView* openFirstDesign()
{
    mainWindow().selection()->setIndex(PageSelection::Discovery);
    if (!runUntil([] { return !discovery().items().isEmpty(); }))
        return nullptr;
    discovery().openTemplate(0);
    LogoDetailView* detail = discovery().detailView();
    if (!detail || !runUntil([detail] { return detail->simlarView()->editButton()->isEnabled(); }))
        return nullptr;
    return detail;
}

// The floor's figure in this run for each variant, when it ran before the editor's.
std::map<std::int64_t, Slope> g_bareViewTreeSlope;

// The variant that collects the page's garbage (a full V8 collection, with
// gc() exposed to pages by the flags main() sets) before each measurement:
// what stays is what the page keeps, apart from what merely waits for the
// next collection.
bool collectsGarbage(const benchmark::State& state)
{
    return state.range(0) == 1;
}

// A full collection in `page`'s renderer; false when gc() isn't exposed.
bool collectGarbage(QWebEnginePage* page)
{
    std::optional<bool> collected;
    page->runJavaScript(QStringLiteral("typeof gc === 'function' && (gc(), true)"),
        [&collected](const QVariant& result) { collected = result.toBool(); });
    return runUntil([&] { return collected.has_value(); }, 10000) && *collected;
}

QWebEnginePage* canvasPage()
{
    return qobject_cast<QWebEngineView*>(sharedWebViewController().view())->page();
}

void bareViewOpenClose(benchmark::State& state)
{
    LogoDetailView* detail = openFirstDesign();
    if (!detail) {
        state.SkipWithError("Discovery showed no design");
        return;
    }
    const QUrl designUrl(detail->item().item.svg);
    discovery().closeDetail();
    QWidget window;
    window.setFixedSize(editLogoWindow()->size());
    auto* view = new QWebEngineView(&window);
    view->setFixedSize(460, 460);
    MemorySeries series;
    for (auto _ : state) {
        bool loaded = false;
        const QMetaObject::Connection connection
            = QObject::connect(view, &QWebEngineView::loadFinished, [&](bool ok) { loaded = ok; });
        window.show();
        view->load(designUrl);
        const bool shown = runUntil([&] { return loaded; });
        QObject::disconnect(connection);
        window.hide();
        if (!shown || (collectsGarbage(state) && !collectGarbage(view->page()))) {
            state.SkipWithError("the bare view did not load the design, or gc() isn't exposed");
            return;
        }
        settle();
        series.record();
    }
    series.report(state, "bare view open and close");
    g_bareViewTreeSlope[state.range(0)] = series.treeSlope();
}

// Discovery, a design's detail page, "Edit Logo", the editor's Close, Back: as a user goes.
void editorOpenClose(benchmark::State& state)
{
    MemorySeries series;
    for (auto _ : state) {
        LogoDetailView* detail = openFirstDesign();
        if (!detail) {
            state.SkipWithError("Discovery showed no design");
            return;
        }
        const EditLogoView* previous = openEditor();
        detail->simlarView()->editButton()->click();
        if (!waitForEditorAfter(previous)) {
            state.SkipWithError("the editor did not open");
            return;
        }
        openEditor()->toolbar()->leaveButton()->click();
        if (!runUntil([] { return !editLogoWindow()->isVisible(); })) {
            state.SkipWithError("the editor did not close");
            return;
        }
        discovery().closeDetail();
        if (collectsGarbage(state) && !collectGarbage(canvasPage())) {
            state.SkipWithError("gc() isn't exposed to the page");
            return;
        }
        settle();
        series.record();
    }
    series.report(state, "editor open and close");
    if (const auto floor = g_bareViewTreeSlope.find(state.range(0)); floor != g_bareViewTreeSlope.end()) {
        const Slope overFloor = difference(series.treeSlope(), floor->second);
        setSlopeCounters(state, "floor_tree_kB_per_cycle", floor->second);
        setSlopeCounters(state, "tree_over_floor_kB_per_cycle", overFloor);
        std::printf("memory: editor open and close (collected:%d), tree's own Pss kB per cycle over %zu cycles "
                    "after the warm-up: editor %s, bare view %s, difference %s\n",
            int(state.range(0)), series.treeSlope().cycles, withError(series.treeSlope()).c_str(),
            withError(floor->second).c_str(), withError(overFloor).c_str());
        std::fflush(stdout);
    }
}

// A camera-sized JPEG with fine noise, so that decoding it costs what a photo costs.
QString photo()
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("IMG_0001.JPG"));
    if (QFileInfo::exists(path))
        return path;
    QImage image(4000, 3000, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient light(0, 0, image.width(), image.height());
    light.setColorAt(0, QColor(0x2E86C1));
    light.setColorAt(1, QColor(0xF5B041));
    painter.fillRect(image.rect(), light);
    painter.end();
    QRandomGenerator noise(7);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] ^= noise.bounded(8) * 0x010101;
    }
    image.save(path, "JPEG", 90);
    return path;
}

// The image cache at its bound, with pictures of a tile's size (1 MB) of
// their own memory, which the cycles' new pictures then take the place of.
void fillImageCache()
{
    ImageCache& cache = ImageCache::shared();
    for (int i = 0;; ++i) {
        QImage picture(512, 512, QImage::Format_ARGB32);
        if (cache.byteCount() + picture.sizeInBytes() > ImageCache::maxBytes)
            return;
        picture.fill(Qt::white);
        cache.insert(QStringLiteral("filler:%1").arg(i), picture);
    }
}

void pictureRoad(benchmark::State& state)
{
    auto* page = qobject_cast<AIPicsView*>(mainWindow().rightTab()->page(PageSelection::AIPics));
    AIPicsViewModel* model = page->viewModel();
    const QString path = photo();
    fillImageCache();
    MemorySeries series;
    for (auto _ : state) {
        mainWindow().selection()->setIndex(PageSelection::AIPics);
        model->pickPicture(path);
        if (!runUntil([&] { return model->screen() == AIPicsViewModel::Screen::Crop; })) {
            state.SkipWithError("the photo did not reach the crop screen");
            return;
        }
        const EditLogoView* previous = openEditor();
        page->contentView()->cropPage()->cropView()->cropView()->confirmButton()->click();
        if (!waitForEditorAfter(previous) || !leaveEditor()) {
            state.SkipWithError("the new design did not open in the editor");
            return;
        }
        if (collectsGarbage(state) && !collectGarbage(canvasPage())) {
            state.SkipWithError("gc() isn't exposed to the page");
            return;
        }
        settle();
        series.record();
    }
    series.report(state, "picture to logo");
}

bool listsShown(AILogoView& page)
{
    return !page.wizard()->step1()->list()->rows().isEmpty() && !page.wizard()->step2()->cards().isEmpty()
        && !page.wizard()->step3()->data().isEmpty();
}

// My Design holds more designs than it builds tiles for, so that each new
// design takes the place of a tile there instead of adding one.
bool fillMyDesign(MyDesignView& myDesign, int designs)
{
    CreatorButtonView::create();
    const GenerationRequest ids = GenerationRequest::fromGlobals();
    int made = 0;
    for (int i = 0; i < designs; ++i) {
        bool answered = false;
        makeAiMake(
            ids.tradeId, { ids.styleId }, { ids.contentId }, QStringLiteral("1"),
            [&](const AiMakeModel& reply) {
                made += reply.status == 0 ? 1 : 0;
                answered = true;
            },
            [&] { answered = true; });
        if (!runUntil([&] { return answered; }))
            return false;
    }
    bool listed = false;
    const QMetaObject::Connection connection
        = QObject::connect(&myDesign, &MyDesignView::designListApplied, [&] { listed = true; });
    myDesign.reloadDesignList();
    const bool shown = runUntil([&] { return listed; });
    QObject::disconnect(connection);
    return shown && made == designs;
}

void generatingScreen(benchmark::State& state)
{
    const auto gate = GeneratingView::gateDuration;
    GeneratingView::gateDuration = std::chrono::milliseconds(1500);
    auto* page = qobject_cast<AILogoView*>(mainWindow().rightTab()->page(PageSelection::AILogo));
    auto* myDesign = qobject_cast<MyDesignView*>(mainWindow().rightTab()->page(PageSelection::MyDesign));
    mainWindow().selection()->setIndex(PageSelection::AILogo);
    if (!runUntil([&] { return listsShown(*page); }) || !fillMyDesign(*myDesign, 32))
        state.SkipWithError("the AI page did not show its lists, or My Design could not be filled");
    fillImageCache();
    MemorySeries series;
    for (auto _ : state) {
        mainWindow().selection()->setIndex(PageSelection::AILogo);
        bool listed = false;
        const QMetaObject::Connection connection
            = QObject::connect(myDesign, &MyDesignView::designListApplied, [&] { listed = true; });
        CreatorButtonView::create();
        const bool handedOver = runUntil([&] { return page->isGenerating(); })
            && runUntil([&] { return !page->isGenerating() && listed; });
        QObject::disconnect(connection);
        if (!handedOver) {
            state.SkipWithError("the generating screen did not hand over to My Design");
            break;
        }
        settle();
        series.record();
    }
    GeneratingView::gateDuration = gate;
    series.report(state, "generating screen");
}

// The editor's figure and its floor's each over this many cycles, so that
// their difference's standard error is at most 3 kB per cycle: over 100 it
// was 5.7 as they run (the floor's saw-tooth) and 3.3 collected.
constexpr int openCloseCycles = 200;

// Each as it runs (collected:0) and with the page's garbage collected before each measurement (collected:1).
BENCHMARK(bareViewOpenClose)
    ->ArgName("collected")
    ->DenseRange(0, 1)
    ->Iterations(bench::iterations(openCloseCycles))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(editorOpenClose)
    ->ArgName("collected")
    ->DenseRange(0, 1)
    ->Iterations(bench::iterations(openCloseCycles))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(pictureRoad)
    ->ArgName("collected")
    ->DenseRange(0, 1)
    ->Iterations(bench::iterations(35))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(generatingScreen)->Iterations(bench::iterations(20))->Unit(benchmark::kMillisecond)->UseRealTime();

// The stand-in server in its own process; returns its port, or -1.
int startStandin(QProcess& standin, const QString& binFolder)
{
    standin.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    standin.start(binFolder + QStringLiteral("/tessaly-standin"),
        { QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--generation-ms"), QStringLiteral("0") });
    QByteArray output;
    while (!output.contains('\n') && standin.waitForReadyRead(10000))
        output += standin.readAllStandardOutput();
    if (!output.startsWith("port "))
        return -1;
    return output.mid(5).split('\n').value(0).trimmed().toInt();
}

void pointAt(int port)
{
    const QString base = QStringLiteral("http://127.0.0.1:%1").arg(port);
    Configs::Network::apiBaseURL = base + QStringLiteral("/index.php");
    Configs::Network::updateBaseURL = base + QStringLiteral("/update/index.php");
    Configs::Network::webHostRoot = base;
}

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatformUnlessSet();
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox");
    // The store, settings and exports stay out of the user's home.
    QStandardPaths::setTestModeEnabled(true);
    // As the application's main() does.
    HeapRelease::keepHeapCompact();
    SoftwareRenderingPath::applyBeforeApplication();
    PageGarbageCollection::exposeBeforeApplication();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Tessaly"));
    QCoreApplication::setApplicationName(QStringLiteral("TessalyBench"));

    QProcess standin;
    const int port = startStandin(standin, QFileInfo(QString::fromLocal8Bit(argv[0])).absolutePath());
    if (port < 0) {
        std::printf("the stand-in server could not start\n");
        return 1;
    }
    g_standinPid = standin.processId();
    pointAt(port);

    int status = 1;
    {
        AppDelegate delegate;
        g_app = &delegate;
        delegate.applicationDidFinishLaunching();
        mainWindow().show();
        runUntil([] { return false; }, 1000);
        benchmark::Initialize(&argc, argv);
        status = bench::runBenchmarks();
        if (quitThroughEventLoop() != 0)
            status = 1;
    }
    standin.terminate();
    standin.waitForFinished(5000);
    return status;
}
