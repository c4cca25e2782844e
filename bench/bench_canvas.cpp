// The canvas page in Qt WebEngine: time from loadSvgBase64 to
// "svgLoadSuccess" for a typical and a large design, and the 1024 × 1024
// PNG export. Run under QT_QPA_PLATFORM=offscreen.

#include "canvas/CanvasScripts.h"
#include "canvas/WebViewViewController.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

std::unique_ptr<WebViewViewController> g_controller;
QStringList g_messages;

bool waitForMessage(const QString& name, int timeoutMs = 30000)
{
    g_messages.clear();
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (g_messages.contains(name))
            return true;
    }
    return false;
}

QString typicalDesign()
{
    return QStringLiteral(R"(<svg xmlns="http://www.w3.org/2000/svg" width="920" height="920" viewBox="0 0 920 920">)"
                          R"(<rect x="0" y="0" width="920" height="920" fill="#f1f3f5"/>)"
                          R"(<path d="M200 600 C 250 300, 450 300, 500 600 Z" fill="#d9480f"/>)"
                          R"(<circle cx="700" cy="250" r="120" fill="#1971c2"/>)"
                          R"(<rect x="120" y="120" width="160" height="90" rx="20" fill="#2f9e44"/>)"
                          R"(<text x="160" y="800" font-family="Mitr" font-size="96" fill="#212529">Tessaly</text>)"
                          R"(<text x="160" y="870" font-family="Mitr" font-size="40" fill="#495057">Logo studio</text>)"
                          R"(</svg>)");
}

QString largeDesign(int paths)
{
    QString svg = QStringLiteral(
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="1000" height="1000" viewBox="0 0 1000 1000">)");
    for (int i = 0; i < paths; ++i) {
        svg += QStringLiteral(R"(<path d="M%1 %2 c10 -20 30 -20 40 0 s-10 35 -20 35 z" fill="#%3"/>)")
                   .arg((i * 37) % 900)
                   .arg((i * 53) % 900)
                   .arg(QString::number((i * 2654435761u) & 0xFFFFFF, 16).rightJustified(6, QLatin1Char('0')));
    }
    return svg + QStringLiteral("</svg>");
}

void loadDesign(benchmark::State& state, const QString& svg)
{
    const QString base64 = QString::fromLatin1(svg.toUtf8().toBase64());
    for (auto _ : state) {
        g_controller->loadSvgBase64(base64, WebViewViewController::nextDesignLoadToken());
        if (!waitForMessage(QStringLiteral("svgLoadSuccess"))) {
            state.SkipWithError("the design did not load");
            return;
        }
    }
}

void loadTypicalDesign(benchmark::State& state)
{
    loadDesign(state, typicalDesign());
}
void loadLargeDesign(benchmark::State& state)
{
    loadDesign(state, largeDesign(int(state.range(0))));
}

void exportPng1024(benchmark::State& state)
{
    g_controller->loadSvgString(typicalDesign(), WebViewViewController::nextDesignLoadToken());
    waitForMessage(QStringLiteral("svgLoadSuccess"));
    for (auto _ : state) {
        g_controller->evaluate(CanvasScripts::getLogoJpgPngBase64(QStringLiteral("Tessaly_0.png"), 0, 1024, 1024));
        if (!waitForMessage(QStringLiteral("imageBase64"))) {
            state.SkipWithError("no PNG came back");
            return;
        }
    }
}

BENCHMARK(loadTypicalDesign)->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(loadLargeDesign)->Arg(300)->Arg(600)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(exportPng1024)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);

    g_controller = std::make_unique<WebViewViewController>();
    bool ready = false;
    QObject::connect(g_controller.get(), &WebViewViewController::pageReady, &app, [&] { ready = true; });
    QObject::connect(g_controller.get(), &WebViewViewController::scriptMessageReceived, &app,
        [](const QString& name, const QString&) { g_messages << name; });
    g_controller->view()->show();
    QDeadlineTimer deadline(30000);
    while (!ready && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    if (!ready)
        return 1;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_controller.reset();
    return 0;
}
