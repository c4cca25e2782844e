#pragma once

// Calls made while the page is not ready wait here, in order.

#include <QString>
#include <QStringList>
#include <functional>
#include <utility>

class CanvasScriptQueue {
public:
    bool isReady() const { return m_ready; }
    QStringList pending() const { return m_pending; }

    // Runs `js` at once when ready, else keeps it for later.
    void submit(const QString& js, const std::function<void(const QString&)>& run);
    // The page is ready: run every waiting call in order.
    void markReady(const std::function<void(const QString&)>& run);
    // A new page load started: hold calls again until it is ready.
    void markNotReady() { m_ready = false; }
    // The page can't run calls: hand back and forget every waiting call.
    QStringList takePending() { return std::exchange(m_pending, {}); }

private:
    bool m_ready = false;
    QStringList m_pending;
};
