#include "core/HeapRelease.h"

#include <QCoreApplication>
#include <QTimer>
#include <malloc.h>

namespace HeapRelease {

namespace {
constexpr int largeBlockBytes = 256 * 1024;
// Long enough for a media pipeline to stop on its own threads.
constexpr int releaseDelayMs = 200;
bool g_releasePending = false;
} // namespace

void keepLargeBlocksApart()
{
    // A fixed threshold also stops glibc from raising it after each large
    // free, which is what lets those blocks into the heap in the first place.
    mallopt(M_MMAP_THRESHOLD, largeBlockBytes);
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
