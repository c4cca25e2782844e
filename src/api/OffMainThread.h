#pragma once

// Runs slow work (decoding a large reply) on a pool thread and hands its
// result back to the main thread, so that the window keeps turning.

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <utility>

namespace OffMainThread {

// The main-thread object that results are queued on. It is a child of the
// application object, which drains the worker pool before deleting its
// children, so a pool task can always reach it. Call on the main thread.
QObject* deliveryReceiver();

// Queues `task` on the program's worker pool (never Qt's global one).
void startOnPool(std::function<void()> task);

// Runs `task` on `receiver`'s thread in a later turn of its event loop. Safe from any thread.
void postTo(QObject* receiver, std::function<void()> task);

} // namespace OffMainThread

// Calls `work` on a pool thread, then `deliver` with its result on the main
// thread. When `context` is given and destroyed before the result is back,
// `deliver` does not run. `deliver` and the result are released on the main
// thread. Call from the main thread.
template <class Result>
void runOffMainThread(QObject* context, std::function<Result()> work, std::function<void(const Result&)> deliver)
{
    QObject* receiver = OffMainThread::deliveryReceiver();
    const bool guarded = context != nullptr;
    // Created here and only read on the main thread, so the context may go away at any moment.
    QPointer<QObject> watched(context);
    OffMainThread::startOnPool([receiver, guarded, watched = std::move(watched), work = std::move(work),
                                   deliver = std::move(deliver)]() mutable {
        auto result = std::make_shared<const Result>(work());
        OffMainThread::postTo(receiver,
            [result = std::move(result), guarded, watched = std::move(watched), deliver = std::move(deliver)] {
                if (!guarded || watched)
                    deliver(*result);
            });
    });
}
