#include "core/Reactive.h"

namespace rx {

void ActionDisposable::dispose()
{
    if (m_disposed.exchange(true))
        return;
    std::function<void()> action;
    {
        std::lock_guard lock(m_mutex);
        action.swap(m_action);
    }
    if (action)
        action();
}

DisposablePtr makeDisposable(std::function<void()> action)
{
    return std::make_shared<ActionDisposable>(std::move(action));
}

DisposeBag::~DisposeBag()
{
    dispose();
}

void DisposeBag::insert(DisposablePtr disposable)
{
    if (!disposable)
        return;
    {
        std::lock_guard lock(m_mutex);
        if (!m_disposed) {
            m_items.push_back(std::move(disposable));
            return;
        }
    }
    disposable->dispose();
}

void DisposeBag::dispose()
{
    std::vector<DisposablePtr> items;
    {
        std::lock_guard lock(m_mutex);
        m_disposed = true;
        items.swap(m_items);
    }
    for (auto& item : items)
        item->dispose();
}

std::size_t DisposeBag::size() const
{
    std::lock_guard lock(m_mutex);
    return m_items.size();
}

namespace {
thread_local bool t_running = false;
thread_local std::deque<std::function<void()>> t_queue;
} // namespace

void CurrentThreadScheduler::schedule(std::function<void()> work)
{
    if (t_running) {
        t_queue.push_back(std::move(work));
        return;
    }
    t_running = true;
    work();
    while (!t_queue.empty()) {
        auto next = std::move(t_queue.front());
        t_queue.pop_front();
        next();
    }
    t_running = false;
}

bool CurrentThreadScheduler::isScheduleRequired()
{
    return !t_running;
}

} // namespace rx
