#include "core/HeapRelease.h"

#include "core/OwnChildEnvironment.h"

#include <QCoreApplication>
#include <QTimer>
#include <malloc.h>

namespace HeapRelease {

namespace {
constexpr int largeBlockBytes = 256 * 1024;
// The GUI thread, the picture and network workers, and the web engine's and
// media pipelines' own threads: enough to keep them from queueing.
constexpr int heapCount = 4;
// Long enough for a media pipeline to stop on its own threads.
constexpr int releaseDelayMs = 200;
bool g_releasePending = false;
} // namespace

QByteArray tunablesKeepingHeapCompact(const QByteArray& tunables)
{
    QByteArray result = tunables;
    const auto add = [&result](const QByteArray& name, int value) {
        if (result.contains(name))
            return;
        if (!result.isEmpty())
            result += ':';
        result += name + '=' + QByteArray::number(value);
    };
    add("glibc.malloc.mmap_threshold", largeBlockBytes);
    add("glibc.malloc.arena_max", heapCount);
    return result;
}

void keepHeapCompact()
{
    // A fixed threshold also stops glibc from raising it after each large
    // free, which is what lets those blocks into the heap in the first place.
    mallopt(M_MMAP_THRESHOLD, largeBlockBytes);
    mallopt(M_ARENA_MAX, heapCount);
    // mallopt() holds for this process only. The web engine's renderer draws
    // every design into canvases of megabytes; left to glibc's defaults it
    // keeps growing by what they leave behind, for dozens of opens. A process
    // reads glibc's tunables as it starts, and ours start with this
    // environment.
    OwnChildEnvironment::set("GLIBC_TUNABLES", tunablesKeepingHeapCompact(qgetenv("GLIBC_TUNABLES")));
}

void releaseFreedMemorySoon()
{
    if (g_releasePending || !QCoreApplication::instance())
        return;
    g_releasePending = true;
    QTimer::singleShot(releaseDelayMs, QCoreApplication::instance(), [] {
        g_releasePending = false;
        malloc_trim(0);
    });
}

} // namespace HeapRelease
