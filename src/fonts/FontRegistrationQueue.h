#pragma once

// Registers installed fonts one file per event-loop turn, so the window
// stays responsive while large collections are read; it deletes itself
// when the list is done. A canvas view made before then finishes it at once
// (installFontServices arranges it): no font is registered once a page
// exists, and the page looks a family up once and keeps its fallback.

#include <QObject>
#include <QStringList>
#include <functional>

class FontRegistrationQueue : public QObject {
    Q_OBJECT
public:
    static void start(QStringList fileNames);
    // Registers, now, whatever a running queue has left.
    static void finishNow();
    // Whether installed fonts are still waiting to be registered.
    static bool isRunning();
    // Runs `then` once no font is left to register (at once when none is),
    // unless `context` has gone by then.
    static void whenFinished(QObject* context, std::function<void()> then);

private:
    explicit FontRegistrationQueue(QStringList fileNames);
    void registerNext();

    QStringList m_fileNames;
};
