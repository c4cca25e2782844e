#include "canvas/WebViewViewController.h"

#include "canvas/CanvasChannelBridge.h"
#include "canvas/CanvasScripts.h"
#include "canvas/DesignReference.h"
#include "canvas/InjectedScripts.h"
#include "canvas/SvgSizeReader.h"
#include "core/Configs.h"
#include "core/Downloads.h"
#include "core/Log.h"
#include "core/Paths.h"
#include "core/RxBus.h"
#include "core/SharedEvents.h"
#include "globals/AppGlobals.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QList>
#include <QTimer>
#include <QUrl>
#include <QWebChannel>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <algorithm>

namespace {

constexpr int loggedScriptLength = 160;

// Web views still alive when the application object goes away; QtWebEngine
// objects must not outlive it.
QList<QPointer<QWebEngineView>>& liveViews()
{
    static QList<QPointer<QWebEngineView>> views;
    return views;
}

std::function<void()>& beforeViewCreation()
{
    static std::function<void()> prepare;
    return prepare;
}

void deleteLiveViews()
{
    for (const QPointer<QWebEngineView>& view : std::exchange(liveViews(), {}))
        delete view.data();
}

QString shortened(const QString& js)
{
    return js.size() <= loggedScriptLength ? js : js.left(loggedScriptLength) + QStringLiteral("…");
}

QString qwebchannelSource()
{
    QFile file(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
    if (!file.open(QIODevice::ReadOnly)) {
        printLine(QStringLiteral("qwebchannel.js is missing from the Qt resources"));
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

QWebEngineScript documentCreationScript(const QString& name, const QString& source)
{
    QWebEngineScript script;
    script.setName(name);
    script.setSourceCode(source);
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(false);
    return script;
}

QUrl canvasPageUrl()
{
    return QUrl::fromLocalFile(QDir(shareDirectory()).filePath(QStringLiteral("canvas/mobile-useApi.html")));
}

} // namespace

WebViewViewController::WebViewViewController(QObject* parent)
    : QObject(parent)
{
    m_dispatcher.setPageReadyHandler([this](bool canvasStarted) { onPageReady(canvasStarted); });
}

WebViewViewController::~WebViewViewController()
{
    destroyView();
}

QWidget* WebViewViewController::view()
{
    if (!m_view)
        createView();
    return m_view;
}

void WebViewViewController::setBeforeViewCreation(std::function<void()> prepare)
{
    beforeViewCreation() = std::move(prepare);
}

bool WebViewViewController::liveViewExists()
{
    const QList<QPointer<QWebEngineView>>& views = liveViews();
    return std::any_of(views.begin(), views.end(), [](const QPointer<QWebEngineView>& view) { return !view.isNull(); });
}

void WebViewViewController::createView()
{
    if (beforeViewCreation())
        beforeViewCreation()();
    m_queue.markNotReady();
    auto* view = new QWebEngineView;
    view->setFixedSize(int(canvasWidth), int(canvasHeight));
    view->setContextMenuPolicy(Qt::NoContextMenu);
    m_view = view;
    // Should a host delete the view after all, calls wait for the next one;
    // the font loads its page had pending went with it.
    connect(view, &QObject::destroyed, this, [this] {
        m_queue.markNotReady();
        m_dispatcher.forgetFontLoads();
    });
    if (liveViews().isEmpty())
        qAddPostRoutine(deleteLiveViews);
    liveViews().append(view);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &WebViewViewController::destroyView, Qt::UniqueConnection);

    QWebEnginePage* page = view->page();
    QWebEngineSettings* settings = page->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);

    auto* channel = new QWebChannel(page);
    auto* bridge
        = new CanvasChannelBridge([this](const QString& name, const QString& body) { handleScriptMessage(name, body); },
            [this](qint64 token) { return m_heldDesign.take(token); }, channel);
    m_bridge = bridge;
    channel->registerObject(QStringLiteral("bridge"), bridge);
    page->setWebChannel(channel);

    QWebEngineScriptCollection& scripts = page->scripts();
    scripts.insert(documentCreationScript(QStringLiteral("qwebchannel"), qwebchannelSource()));
    scripts.insert(documentCreationScript(
        QStringLiteral("tessalyBaseUrl"), InjectedScripts::baseUrlAssignment(Configs::Network::webHostRoot)));
    scripts.insert(documentCreationScript(QStringLiteral("consoleForwarder"), InjectedScripts::consoleForwarder()));
    scripts.insert(documentCreationScript(QStringLiteral("bridgeBootstrap"), InjectedScripts::bridgeBootstrap()));

    connect(page, &QWebEnginePage::loadStarted, this, [this] {
        m_pageFailed = false;
        m_queue.markNotReady();
        m_pageFonts.clear();
    });
    // A load stopped by a newer one (a reload) is not a failure.
    connect(page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& loading) {
        if (loading.status() == QWebEngineLoadingInfo::LoadFailedStatus)
            onPageFailed(QStringLiteral("canvas page failed to load: ") + loading.url().toString());
    });
    connect(page, &QWebEnginePage::renderProcessTerminated, this,
        [this](QWebEnginePage::RenderProcessTerminationStatus, int exitCode) {
            onPageFailed(QStringLiteral("the canvas page's renderer ended (exit code %1)").arg(exitCode));
        });
    page->setBackgroundColor(QColor(0x1E1E1E));
    view->load(canvasPageUrl());
}

void WebViewViewController::destroyView()
{
    if (!m_view)
        return;
    QWebEngineView* view = m_view.data();
    m_view.clear();
    m_queue.markNotReady();
    liveViews().removeAll(view);
    delete view;
}

namespace {

bool isDesignLoad(const QString& js)
{
    return js.startsWith(QLatin1String("loadDesignFromHost("));
}

} // namespace

void WebViewViewController::evaluate(const QString& js)
{
    if (m_sink) {
        m_sink(js);
        return;
    }
    if (m_pageFailed) {
        printLine(QStringLiteral("canvas call dropped, the page failed: ") + shortened(js));
        if (isDesignLoad(js)) {
            m_heldDesign.clear();
            RxBus::shared().post(EditLogoViewEvent::loadSvgFail { m_designToken });
        }
        return;
    }
    m_queue.submit(js, [this](const QString& script) { runNow(script); });
}

void WebViewViewController::onPageFailed(const QString& reason)
{
    printLine(reason);
    m_pageFailed = true;
    // No page is left to take the design.
    m_heldDesign.clear();
    const QStringList dropped = m_queue.takePending();
    // Whoever waits for a design must hear that it will not come.
    if (std::any_of(dropped.begin(), dropped.end(), isDesignLoad))
        RxBus::shared().post(EditLogoViewEvent::loadSvgFail { m_designToken });
    Q_EMIT pageFailed();
}

void WebViewViewController::runNow(const QString& js)
{
    if (!m_view) {
        printLine(QStringLiteral("canvas call dropped, no page: ") + shortened(js));
        return;
    }
    m_view->page()->runJavaScript(
        js, [logged = shortened(js)](const QVariant&) { printLine(QStringLiteral("evaluated ") + logged); });
}

void WebViewViewController::setScriptSink(std::function<void(const QString&)> sink)
{
    m_sink = std::move(sink);
}

void WebViewViewController::handleScriptMessage(const QString& name, const QString& body)
{
    Q_EMIT scriptMessageReceived(name, body);
    m_dispatcher.dispatch(name, body);
}

void WebViewViewController::onPageReady(bool canvasStarted)
{
    if (!canvasStarted) {
        onPageFailed(QStringLiteral("the canvas page's scripts did not start"));
        return;
    }
    m_queue.markReady([this](const QString& js) { runNow(js); });
    Q_EMIT pageReady();
}

void WebViewViewController::setLocalFontListProvider(std::function<QString()> provider)
{
    m_fontListProvider = std::move(provider);
}

void WebViewViewController::loadFont(
    const QString& family, const QString& location, const FontFaceStyle& face, const QString& name)
{
    const qint64 request = ++m_fontRequest;
    m_dispatcher.noteFontRequested(request, family, face, name);
    QTimer::singleShot(m_fontLoadTimeout, this, [this, request] { m_dispatcher.endUnansweredFontLoad(request); });
    evaluate(CanvasScripts::loadFont(family, location, face, request));
}

qint64 WebViewViewController::nextDesignLoadToken()
{
    static qint64 lastToken = 0;
    return ++lastToken;
}

void WebViewViewController::prepareDesignLoad(qint64 token)
{
    m_designToken = token;
    // A font load belongs to the design it was asked in.
    m_dispatcher.forgetFontLoads();
    QString fonts = m_fontListProvider ? m_fontListProvider() : QString();
    if (fonts.trimmed().isEmpty())
        fonts = QStringLiteral("[]");
    printLine(QStringLiteral("fontArr = ") + fonts);
    evaluate(CanvasScripts::pushLocalFont(m_pageFonts.takeNew(fonts)));
    evaluate(CanvasScripts::canvasClear(false));
    evaluate(CanvasScripts::setCanvasSize(int(canvasWidth), int(canvasHeight)));
}

void WebViewViewController::loadSvg(SvgEncoding encoding, const QString& svg, qint64 token)
{
    const bool isBase64 = encoding == SvgEncoding::Base64;
    const SvgSize size = isBase64 ? readSvgSizeFromBase64(svg) : readSvgSize(svg);
    printLine(QStringLiteral("loadSvgWidth = %1, loadSvgHeight = %2").arg(size.width, size.height));
    prepareDesignLoad(token);
    m_heldDesign.hold(token, { encoding, svg });
    // A ready page gets the design at once; one still loading asks for it
    // when it runs the load.
    if (!m_sink && m_queue.isReady() && m_bridge)
        m_bridge->offerDesign(token, *m_heldDesign.find(token));
    evaluate(CanvasScripts::loadDesignFromHost(token));
}

void WebViewViewController::loadDesign(const QString& reference, qint64 token, std::function<void()> failure)
{
    m_designToken = token;
    if (classifyDesignReference(reference) == DesignReferenceKind::SvgText) {
        loadSvg(SvgEncoding::Text, reference.trimmed(), token);
        return;
    }
    m_dispatcher.forgetFontLoads();
    const QString url = designReferenceUrl(reference, Configs::Network::webHostRoot);
    printLine(QStringLiteral("loading design from ") + url);
    QPointer<WebViewViewController> self(this);
    downloadBase64(
        url, ReplyKind::DesignFile,
        [self, token](const QString& base64) {
            // A later design load owns the canvas now.
            if (self && self->m_designToken == token)
                self->loadSvg(SvgEncoding::Base64, base64, token);
        },
        [failure = std::move(failure)] {
            if (failure)
                failure();
        });
}

void WebViewViewController::collectPageGarbage()
{
    if (isPageReady() && !m_pageFailed)
        evaluate(CanvasScripts::collectGarbage());
}

void WebViewViewController::reloadPage()
{
    if (!m_view)
        return;
    printLine(QStringLiteral("reloading the canvas page"));
    m_pageFailed = false;
    m_queue.markNotReady();
    m_view->load(canvasPageUrl());
}

WebViewViewController& sharedWebViewController()
{
    // Kept for the whole run; its web view goes away with the application.
    static WebViewViewController* controller = new WebViewViewController;
    return *controller;
}
