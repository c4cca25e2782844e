// The colour sheet against the canvas page in Qt WebEngine: the time from
// opening the sheet to its bars showing the page's values, and from a swatch
// click to the page's next "undoRedoState", each beside its floor (one bare
// activeAttributes() round trip). Also the rates of a 2-second brightness
// drag (events posted and page calls per second) and of a 2-second hue drag
// (colours posted per second). Run under QT_QPA_PLATFORM=offscreen.

#include "BenchMain.h"
#include "BenchSupport.h"
#include "canvas/CanvasScripts.h"
#include "canvas/WebViewViewController.h"
#include "components/CustomSlider.h"
#include "core/RxBus.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorEvents.h"
#include "editor/SidePanelValues.h"
#include "editor/sheets/BrightnessBar.h"
#include "editor/sheets/ColorBar.h"
#include "editor/sheets/ColorSwatch.h"
#include "editor/sheets/TextColorSheet.h"
#include "editor/sheets/Throttle.h"
#include "editor/sheets/colorCardAndOpacityView.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

WebViewViewController* g_controller = nullptr;
EditLogoViewModel* g_model = nullptr;
QWidget* g_column = nullptr;
QStringList g_messages;

const QString design = QStringLiteral(
    R"(<svg xmlns="http://www.w3.org/2000/svg" width="400" height="300" viewBox="0 0 400 300">)"
    R"(<circle cx="200" cy="110" r="70" fill="#1c7ed6"/>)"
    R"(<text x="200" y="250" font-family="DejaVu Sans" font-size="40" fill="#212529">Tessaly</text></svg>)");

bool waitFor(const std::function<bool()>& done, int timeoutMs = 10000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

bool waitForMessage(const QString& name)
{
    g_messages.clear();
    return waitFor([&] { return g_messages.contains(name); });
}

void pump(int ms)
{
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
}

void send(QWidget* widget, QEvent::Type type, QPointF point, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, point, widget->mapToGlobal(point), button, buttons, {});
    QCoreApplication::sendEvent(widget, &event);
}

// Holds the thumb, then sweeps it back and forth every 16 ms for 2 s.
void sweep(QWidget* widget, QPointF thumb, int holdMs)
{
    send(widget, QEvent::MouseButtonPress, thumb, Qt::LeftButton);
    pump(holdMs);
    QElapsedTimer clock;
    clock.start();
    int step = 0;
    while (clock.elapsed() < 2000) {
        const double dx = 12 + 100 * std::abs(std::sin(step++ * 0.05));
        send(widget, QEvent::MouseMove, thumb + QPointF(dx, 0), Qt::LeftButton);
        pump(16);
    }
    send(widget, QEvent::MouseButtonRelease, thumb + QPointF(12, 0), Qt::NoButton);
}

void activeAttributesRoundTrip(benchmark::State& state)
{
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        g_controller->evaluate(CanvasScripts::activeAttributes());
        if (!waitForMessage(QStringLiteral("getBrightnessAndSaturation"))) {
            state.SkipWithError("the page did not answer");
            return;
        }
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
}

void openColorSheetUntilBarsShowThePage(benchmark::State& state)
{
    for (auto _ : state) {
        g_model->panelValues().setCanvasBrightnessAndSaturationModel({});
        bool answered = false;
        QElapsedTimer clock;
        clock.start();
        auto sheet = std::make_unique<TextColorSheet>(*g_model, g_column);
        QObject::connect(&g_model->panelValues(), &SidePanelValues::canvasBrightnessAndSaturationModelChanged,
            sheet.get(), [&] { answered = true; });
        sheet->show();
        if (!waitFor([&] { return answered && sheet->brightnessBar()->valueLabel()->text() != "100"; })) {
            state.SkipWithError("the bars never showed the page's values");
            return;
        }
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
}

void swatchClickToUndoRedoState(benchmark::State& state)
{
    auto sheet = std::make_unique<TextColorSheet>(*g_model, g_column);
    sheet->show();
    pump(200);
    int index = 0;
    for (auto _ : state) {
        ColorSwatch* swatch = sheet->plate()->swatches()[std::size_t(index++ % 2 ? 0 : 64)];
        g_messages.clear();
        QElapsedTimer clock;
        clock.start();
        Q_EMIT swatch->clicked();
        if (!waitFor([] { return g_messages.contains(QStringLiteral("undoRedoState")); })) {
            state.SkipWithError("no history report");
            return;
        }
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
}

// Rates against a recording canvas: every call the sheets make is counted.
void dragRates(benchmark::State& state)
{
    WebViewViewController recording;
    int calls = 0;
    recording.setScriptSink([&](const QString&) { ++calls; });
    EditLogoViewModel model(QStringLiteral("<svg/>"), 0, false, &recording);
    for (auto _ : state) {
        std::size_t brightnessEvents = 0;
        std::size_t colours = 0;
        rx::DisposeBag bag;
        subscribeEvent<EditFontEvent::BrightnessChangeEvent>(
            bag, [&](const EditFontEvent::BrightnessChangeEvent&) { ++brightnessEvents; });
        subscribeEvent<EditFontEvent::ColorStringChangeEvent>(
            bag, [&](const EditFontEvent::ColorStringChangeEvent&) { ++colours; });

        BrightnessBar brightness(model, g_column);
        brightness.show();
        calls = 0;
        sweep(brightness.slider(), brightness.slider()->thumbCenter(), 80);
        state.counters["brightness_events_per_s"] = double(brightnessEvents) / 2;
        state.counters["brightness_calls_per_s"] = double(calls) / 2;

        ColorBar hue(model, Throttle::create(TextColorSheet::hueThrottleInterval), g_column);
        hue.show();
        sweep(&hue, hue.thumbRect().center(), ColorBar::minimumPressMs + 30);
        state.counters["hue_posts_per_s"] = double(colours) / 2;
    }
}

BENCHMARK(activeAttributesRoundTrip)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::iterations(30));
BENCHMARK(openColorSheetUntilBarsShowThePage)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(bench::iterations(30));
BENCHMARK(swatchClickToUndoRedoState)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(bench::iterations(30));
BENCHMARK(dragRates)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatformUnlessSet();
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);

    auto controller = std::make_unique<WebViewViewController>();
    g_controller = controller.get();
    bool ready = false;
    QObject::connect(g_controller, &WebViewViewController::pageReady, &app, [&] { ready = true; });
    QObject::connect(g_controller, &WebViewViewController::scriptMessageReceived, &app,
        [](const QString& name, const QString&) { g_messages << name; });
    g_controller->view()->show();
    if (!waitFor([&] { return ready; }, 30000))
        return 1;

    auto model = std::make_unique<EditLogoViewModel>(design, 0, false, g_controller);
    g_model = model.get();
    QWidget column;
    column.setFixedSize(270, 522);
    column.show();
    g_column = &column;
    g_controller->loadSvg(
        WebViewViewController::SvgEncoding::Text, design, WebViewViewController::nextDesignLoadToken());
    if (!waitForMessage(QStringLiteral("svgLoadSuccess")))
        return 1;
    g_controller->evaluate(
        QStringLiteral("tessalyCanvas.setActiveObject(tessalyCanvas.getObjects().find(o => o.type === 'i-text'));"));
    if (!waitForMessage(QStringLiteral("clickCanvasTextItem")))
        return 1;

    benchmark::Initialize(&argc, argv);
    const int status = bench::runBenchmarks();
    model.reset();
    delete g_controller->view();
    controller.reset();
    return status;
}
