#include "core/Delay.h"

#include "core/Log.h"
#include "core/RxBus.h"
#include "core/WorkerPool.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QPointer>
#include <QThread>
#include <QThreadPool>
#include <QTimer>

namespace {

QThread::Priority threadPriority(QualityOfService qos)
{
    switch (qos) {
    case QualityOfService::background:
        return QThread::LowestPriority;
    case QualityOfService::utility:
        return QThread::LowPriority;
    case QualityOfService::defaultLevel:
        return QThread::NormalPriority;
    case QualityOfService::userInitiated:
        return QThread::HighPriority;
    case QualityOfService::userInteractive:
        return QThread::HighestPriority;
    }
    return QThread::NormalPriority;
}

// Runs `work` on the main thread: at once when already there.
void onMainThread(std::function<void()> work)
{
    QCoreApplication* app = QCoreApplication::instance();
    // Without an application (at exit) there is no event loop left to wait for.
    if (!app || QThread::currentThread() == app->thread())
        work();
    else
        QMetaObject::invokeMethod(app, std::move(work), Qt::QueuedConnection);
}

// One subscription's countdown; touched on the main thread only.
struct CountdownRun {
    rx::Observer<CountdownCompleted> observer;
    QPointer<QTimer> timer;
    int tick = 0;
    bool alive = true;

    void finish()
    {
        alive = false;
        observer = nullptr;
        if (timer) {
            timer->stop();
            timer->deleteLater();
        }
    }
};

void tickLogger(int count)
{
    debugLog(QDateTime::currentDateTime());
    debugLog(QStringLiteral("倒计时：") + QString::number(count));
}

} // namespace

void delay(int milliseconds, std::optional<QualityOfService> qos, std::function<void()> execute)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!qos) {
        onMainThread(
            [app, milliseconds, execute = std::move(execute)] { QTimer::singleShot(milliseconds, app, execute); });
        return;
    }
    const int priority = static_cast<int>(threadPriority(*qos));
    onMainThread([app, milliseconds, priority, execute = std::move(execute)] {
        QTimer::singleShot(milliseconds, app, [execute, priority] { workerPool()->start(execute, priority); });
    });
}

void delay(int milliseconds, std::function<void()> execute)
{
    delay(milliseconds, std::nullopt, std::move(execute));
}

rx::Observable<CountdownCompleted> countdown(int seconds, bool immediately, std::function<void(int)> onTick)
{
    if (seconds < 1) {
        return rx::Observable<CountdownCompleted>([](rx::Observer<CountdownCompleted> observer) {
            observer(CountdownCompleted {});
            return rx::makeDisposable([] {});
        });
    }
    if (immediately && onTick)
        onTick(seconds);
    const int ticksToTake = immediately ? seconds : seconds + 1;
    return rx::Observable<CountdownCompleted>([=](rx::Observer<CountdownCompleted> observer) {
        auto run = std::make_shared<CountdownRun>();
        run->observer = std::move(observer);
        onMainThread([run, seconds, immediately, ticksToTake, onTick] {
            if (!run->alive)
                return;
            auto* timer = new QTimer(QCoreApplication::instance());
            timer->setInterval(1000);
            run->timer = timer;
            QObject::connect(timer, &QTimer::timeout, timer, [run, seconds, immediately, ticksToTake, onTick] {
                if (!run->alive)
                    return;
                const int index = run->tick++;
                const int remaining = immediately ? seconds - (index + 1) : seconds - index;
                if (onTick)
                    onTick(remaining);
                if (index + 1 < ticksToTake)
                    return;
                rx::Observer<CountdownCompleted> done = run->observer;
                run->finish();
                if (done)
                    done(CountdownCompleted {});
            });
            timer->start();
        });
        return rx::makeDisposable([run] { onMainThread([run] { run->finish(); }); });
    });
}

void after(int seconds, std::function<void()> execute)
{
    disposeBag().insert(countdown(seconds, true, tickLogger).subscribe([execute](const CountdownCompleted&) {
        if (execute)
            execute();
    }));
}
