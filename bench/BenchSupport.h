#pragma once

// Set-up shared by the benchmark programs.

#include "core/Configs.h"
#include "standin/StandinServer.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QProcessEnvironment>
#include <QTimer>
#include <cstdio>
#include <functional>

// Draws off screen unless the caller chose a platform.
inline void useOffscreenPlatformUnlessSet()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Starts `server` on a free loopback port and points the client's API base
// at it; says so and returns false when it cannot start.
inline bool startBenchStandin(standin::StandinServer& server)
{
    if (server.start() < 0) {
        std::printf("the stand-in server could not start\n");
        return false;
    }
    Configs::Network::apiBaseURL = QString::fromStdString(server.apiBase());
    return true;
}

// This process's environment with the application's server addresses
// pointing at `server`, for starting the application as a child.
inline QProcessEnvironment environmentForStandin(const standin::StandinServer& server)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TESSALY_API_BASE"), QString::fromStdString(server.apiBase()));
    environment.insert(QStringLiteral("TESSALY_UPDATE_BASE"), QString::fromStdString(server.updateBase()));
    environment.insert(QStringLiteral("TESSALY_WEB_BASE"), QString::fromStdString(server.baseUrl()));
    return environment;
}

// How runUntil waits between checks: spinning sees `done` within a few
// milliseconds; sleeping waits for the next event and leaves the processor
// to the processes being timed.
enum class Waiting { Spinning, Sleeping };

// Runs the event loop until `done` holds; false when `timeoutMs` ran out first.
inline bool runUntil(const std::function<bool()>& done, int timeoutMs = 30000, Waiting waiting = Waiting::Spinning)
{
    bool timedOut = false;
    QTimer deadline; // also wakes a sleeping loop
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [&timedOut] { timedOut = true; });
    deadline.start(timeoutMs);
    while (!done()) {
        if (timedOut)
            return false;
        if (waiting == Waiting::Sleeping)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        else
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// Ends the run through the event loop, as the application does, so that what
// goes on aboutToQuit (the editor window and the web views in it) goes while
// the application object still exists.
inline int quitThroughEventLoop()
{
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    return QCoreApplication::exec();
}

// A field of /proc/self/status in kilobytes ("VmRSS", "VmHWM"), or -1 when it can't be read.
inline long statusKilobytes(const QByteArray& field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = field + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// The process's resident memory in kilobytes, or -1 when it can't be read.
inline long residentKilobytes()
{
    return statusKilobytes("VmRSS");
}

// The most resident memory since the last resetPeakResident(), in kilobytes.
inline long peakResidentKilobytes()
{
    return statusKilobytes("VmHWM");
}

// Starts the peak (VmHWM) again from what is resident now.
inline bool resetPeakResident()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

// The machine's load over the last minute, from /proc/loadavg, or -1 when it
// can't be read; given beside a figure, since the machines are shared.
inline double oneMinuteLoad()
{
    QFile loadavg(QStringLiteral("/proc/loadavg"));
    if (!loadavg.open(QIODevice::ReadOnly))
        return -1;
    bool ok = false;
    const double load = loadavg.readAll().split(' ').value(0).toDouble(&ok);
    return ok ? load : -1;
}
