#include "canvas/CanvasScriptQueue.h"

void CanvasScriptQueue::submit(const QString& js, const std::function<void(const QString&)>& run)
{
    if (m_ready)
        run(js);
    else
        m_pending.append(js);
}

void CanvasScriptQueue::markReady(const std::function<void(const QString&)>& run)
{
    m_ready = true;
    // A call run from the queue may submit more; take the list first.
    const QStringList waiting = std::exchange(m_pending, {});
    for (const QString& js : waiting)
        run(js);
}
