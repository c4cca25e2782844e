#include "core/WorkerPool.h"

#include <QCoreApplication>
#include <QThreadPool>

namespace {

QThreadPool& pool()
{
    static QThreadPool threads;
    return threads;
}

// Runs at the start of the application object's destructor, while it is
// still the instance, as Qt drains its global pool.
void drain()
{
    pool().waitForDone();
}

} // namespace

QThreadPool* workerPool()
{
    static const bool drainedAtExit = [] {
        qAddPostRoutine(drain);
        return true;
    }();
    Q_UNUSED(drainedAtExit);
    return &pool();
}
