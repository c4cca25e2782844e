#pragma once

// The one controller of the canvas web view. Every canvas operation is one
// JavaScript call in the canvas page; the page answers later with script
// messages, which the dispatcher turns into bus events. Calls made before the
// page has posted "pageReady" wait in a queue and are sent in order.

#include "canvas/CanvasScriptQueue.h"
#include "canvas/HeldDesign.h"
#include "canvas/PageFontList.h"
#include "canvas/ScriptMessageDispatcher.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWebEngineView>
#include <chrono>
#include <functional>

class CanvasChannelBridge;

class WebViewViewController : public QObject {
    Q_OBJECT
public:
    explicit WebViewViewController(QObject* parent = nullptr);
    ~WebViewViewController() override;

    // The 460 × 460 web view, created and loaded on the first call. The
    // controller owns it: a host re-parents it in and must call
    // setParent(nullptr) on it before the host is destroyed, unless the host
    // keeps it for the whole run (the editor window's stage does). Each
    // re-parent recreates the view's rendering surface.
    QWidget* view();
    bool isViewLoaded() const { return m_view != nullptr; }
    bool isPageReady() const { return m_queue.isReady(); }
    bool hasPageFailed() const { return m_pageFailed; }

    // Has the page load the font file at `location` as `face` of `family`
    // for the texts selected now. The answer is "loadFontSuccess" or
    // "loadFontFail", whose events report `name` (a catalogue row); on
    // success those texts get the family and face, each unless a later load
    // was asked for it. A load not answered within fontLoadTimeout() has
    // failed; one still pending when a design loads is forgotten.
    void loadFont(
        const QString& family, const QString& location, const FontFaceStyle& face = {}, const QString& name = {});
    static constexpr std::chrono::milliseconds defaultFontLoadTimeout { 30000 };
    std::chrono::milliseconds fontLoadTimeout() const { return m_fontLoadTimeout; }
    // Tests shorten it to see a font that never arrives end.
    void setFontLoadTimeout(std::chrono::milliseconds timeout) { m_fontLoadTimeout = timeout; }

    // Design loads. Each carries a token that the page echoes in
    // "svgLoadSuccess" and "loadSvgFail", so a waiter can tell its own answer
    // from a stale one. Tokens are unique for the run.
    static qint64 nextDesignLoadToken();
    // Push the shipped fonts, clear, size, then load `svg`, given as text or
    // as Base64. The call names only the token; the page takes the SVG
    // itself from the held design over the channel.
    using SvgEncoding = ::SvgEncoding;
    void loadSvg(SvgEncoding encoding, const QString& svg, qint64 token);
    // The latest design load's SVG until the page has taken it.
    const HeldDesign& heldDesign() const { return m_heldDesign; }
    // A design reference as the server sends it: SVG text, an http(s) URL,
    // or a path relative to the configured base URL. A failed download calls
    // `failure`; a download that ends after a later design load is dropped.
    void loadDesign(const QString& reference, qint64 token, std::function<void()> failure = {});

    // Has the page collect its script garbage once the calls before are done
    // (each design load leaves about a megabyte of it); nothing while the
    // page isn't there to ask.
    void collectPageGarbage();

    // Loads the page afresh, after its renderer died or it stopped answering.
    // Calls made meanwhile wait for the new page.
    void reloadPage();

    // The JSON array of shipped fonts handed to the page before each design
    // load, less the families this page already has; "[]" while no provider
    // is set.
    void setLocalFontListProvider(std::function<QString()> provider);

    // fontconfig is not safe to change while the web engine matches fonts on
    // its own threads: `prepare` runs before any view is made (the fonts
    // register whatever they still have queued), and while liveViewExists()
    // no font is registered.
    static void setBeforeViewCreation(std::function<void()> prepare);
    static bool liveViewExists();

    // Evaluates one call (a CanvasScripts text), or queues it until the page
    // is ready.
    void evaluate(const QString& js);
    // Test seam: when set, every call goes to `sink` instead of the page.
    void setScriptSink(std::function<void(const QString&)> sink);
    QStringList queuedCalls() const { return m_queue.pending(); }

    // Entry of the page's script messages (also used by tests).
    void handleScriptMessage(const QString& name, const QString& body);

Q_SIGNALS:
    void pageReady();
    // The page did not load, its scripts did not start, or its renderer
    // ended: nothing it showed or was asked is there any more.
    void pageFailed();
    // Every script message as it arrives, before it is dispatched.
    void scriptMessageReceived(const QString& name, const QString& body);

private:
    void createView();
    void destroyView();
    void runNow(const QString& js);
    void prepareDesignLoad(qint64 token);
    void onPageReady(bool canvasStarted);
    void onPageFailed(const QString& reason);

    QPointer<QWebEngineView> m_view;
    QPointer<CanvasChannelBridge> m_bridge;
    CanvasScriptQueue m_queue;
    // The page did not load or its scripts did not start: design loads fail
    // at once instead of waiting for ever.
    bool m_pageFailed = false;
    // The latest design load; dropped loads fail under this token.
    qint64 m_designToken = 0;
    // The latest font load; each names the texts selected when it was asked for.
    qint64 m_fontRequest = 0;
    std::chrono::milliseconds m_fontLoadTimeout = defaultFontLoadTimeout;
    HeldDesign m_heldDesign;
    ScriptMessageDispatcher m_dispatcher;
    PageFontList m_pageFonts;
    std::function<QString()> m_fontListProvider;
    std::function<void(const QString&)> m_sink;
};

// The process-wide controller, created on first use and kept for the run.
WebViewViewController& sharedWebViewController();
