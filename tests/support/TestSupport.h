#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QSignalSpy>
#include <QThread>
#include <functional>

// Runs the event loop until `done` holds or `timeoutMs` passes; returns
// whether it held.
inline bool waitUntil(const std::function<bool()>& done, int timeoutMs = 5000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(1);
    }
    return true;
}

// Runs the event loop for `ms` milliseconds.
inline void pumpEvents(int ms)
{
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(1);
    }
}

// Waits for `spy` to record at least `count` signals.
inline bool waitForSignals(QSignalSpy& spy, int count = 1, int timeoutMs = 5000)
{
    return waitUntil([&] { return spy.count() >= count; }, timeoutMs);
}
