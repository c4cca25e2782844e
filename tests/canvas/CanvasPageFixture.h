#pragma once

// Loads the real canvas page once per test program and records its messages.

#include "canvas/WebViewViewController.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QVariant>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>

struct PageMessage {
    QString name;
    QString body;
    QJsonObject json() const { return QJsonDocument::fromJson(body.toUtf8()).object(); }
};

class CanvasPage {
public:
    static CanvasPage& instance();
    // A page of its own, for a test that needs one nothing has run in yet.
    static std::unique_ptr<CanvasPage> create();
    // Deletes the page before the application object goes away.
    static void release();

    WebViewViewController& controller() { return *m_controller; }
    QWebEngineView* view() const;
    bool isReady() const { return m_ready; }

    // Evaluates `expression` and returns its value (waits for it).
    QVariant evaluate(const QString& expression);
    // Waits until every queued page call has finished.
    void settle();

    std::size_t mark() const { return m_messages.size(); }
    // The first message named `name` after `from`, waiting up to `timeoutMs`.
    std::optional<PageMessage> waitFor(const QString& name, std::size_t from, int timeoutMs = 10000);
    std::vector<PageMessage> messagesSince(std::size_t from, const QString& name) const;

    // Loads SVG text and waits for the load's answer; true on "svgLoadSuccess".
    bool loadSvg(const QString& svg);
    // The canvas as the editor's save receives it, as SVG text.
    QString savedSvg();
    // Selects the canvas object at `index`.
    void select(int index);

    ~CanvasPage();

private:
    CanvasPage();

    std::unique_ptr<WebViewViewController> m_controller;
    std::vector<PageMessage> m_messages;
    bool m_ready = false;
};

// A small design: a background rect, a path, a circle and a text.
QString sampleDesignSvg();
// A design with `paths` paths.
QString largeDesignSvg(int paths);
