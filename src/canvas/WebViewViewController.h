#pragma once

// The one controller of the canvas web view. Every canvas operation is one
// JavaScript call in the canvas page; the page answers later with script
// messages, which the dispatcher turns into bus events. Calls made before the
// page has posted "pageReady" wait in a queue and are sent in order.

#include "canvas/CanvasScriptQueue.h"
#include "canvas/ScriptMessageDispatcher.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWebEngineView>
#include <functional>

class WebViewViewController : public QObject {
    Q_OBJECT
public:
    explicit WebViewViewController(QObject* parent = nullptr);
    ~WebViewViewController() override;

    // The 460 × 460 web view, created and loaded on the first call. The
    // controller owns it: a host re-parents it in and must call
    // setParent(nullptr) on it before the host is destroyed.
    QWidget* view();
    bool isViewLoaded() const { return m_view != nullptr; }
    bool isPageReady() const { return m_queue.isReady(); }
    bool hasPageFailed() const { return m_pageFailed; }

    // Reads of the selection; the page answers with a message.
    void activeAttributes();
    void hsltorgb(int hue, int saturation, int lightness, int tag);
    void getFontAttributes();

    // Text format switches.
    void setTextFontBold();
    void setTextFontItalic();
    void setTextFontUnderLine();
    void setTextFontUppercase();
    void setTextFontDirection();

    // Fonts. loadFont's answer is "loadFontSuccess" or "loadFontFail".
    void setTextFontFamily(const QString& family);
    void loadFont(const QString& family, const QString& location);
    // The name the next "loadFontSuccess" for `family` reports.
    void setPendingFontName(const QString& family, const QString& name);

    // Designs: push the shipped fonts, clear, size, then load.
    void loadSvgBase64(const QString& base64);
    void loadSvgString(const QString& svg);
    // A design reference as the server sends it: SVG text, an http(s) URL,
    // or a path relative to the configured base URL. A failed download posts
    // loadSvgFail (through the download) and then calls `failure`.
    void loadDesign(const QString& reference, std::function<void()> failure = {});

    // Export.
    void getSvgAsBase64ForResult(const QString& tag);
    void getLogoJpgPngBase64(const QString& name, int a, int b, int c);

    // Changes of the selected object.
    void setObjColor(int rgb);
    void setObjColorString(const QString& text); // a null text counts as "#000000"
    void setActiveBrightness(int value, bool isAddToUndo);
    void setActiveSaturation(int value, bool isAddToUndo);
    void setObjOpacity(int percent, bool isAddToUndo);
    void charSpacing(int space, bool isAddToUndo);
    void changeRotate(int degrees, bool isAddToUndo);
    void setFlipObjX();
    void setFlipObjY();
    void setCanvasBKGroundColor(int rgb);

    // History and objects.
    void undoItem();
    void redoItem();
    void copyItem();
    void deleteItem();
    void addText(const QString& text);
    void addSvgBase64(const QString& base64);
    void setCanvasSize(int width, int height);
    void setCanvasBKGroundImage(const QString& pngBase64);

    // The JSON array of shipped fonts handed to the page before each design
    // load; "[]" while no provider is set.
    void setLocalFontListProvider(std::function<QString()> provider);

    // Evaluates one call, or queues it until the page is ready.
    void evaluate(const QString& js);
    // Test seam: when set, every call goes to `sink` instead of the page.
    void setScriptSink(std::function<void(const QString&)> sink);
    QStringList queuedCalls() const { return m_queue.pending(); }

    // Entry of the page's script messages (also used by tests).
    void handleScriptMessage(const QString& name, const QString& body);

Q_SIGNALS:
    void pageReady();
    // Every script message as it arrives, before it is dispatched.
    void scriptMessageReceived(const QString& name, const QString& body);

private:
    void createView();
    void destroyView();
    void runNow(const QString& js);
    void prepareDesignLoad();
    void onPageReady(bool canvasStarted);
    void onPageFailed(const QString& reason);

    QPointer<QWebEngineView> m_view;
    CanvasScriptQueue m_queue;
    // The page did not load or its scripts did not start: design loads fail
    // at once instead of waiting for ever.
    bool m_pageFailed = false;
    ScriptMessageDispatcher m_dispatcher;
    std::function<QString()> m_fontListProvider;
    std::function<void(const QString&)> m_sink;
};

// The process-wide controller, created on first use and kept for the run.
WebViewViewController& sharedWebViewController();
