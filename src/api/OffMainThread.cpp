#include "api/OffMainThread.h"

#include "core/WorkerPool.h"

#include <QCoreApplication>
#include <QThread>
#include <QThreadPool>

namespace OffMainThread {

QObject* deliveryReceiver()
{
    QCoreApplication* app = QCoreApplication::instance();
    Q_ASSERT(app && QThread::currentThread() == app->thread());
    static QPointer<QObject> receiver;
    if (!receiver)
        receiver = new QObject(app);
    return receiver;
}

void startOnPool(std::function<void()> task)
{
    workerPool()->start(std::move(task));
}

void postTo(QObject* receiver, std::function<void()> task)
{
    QMetaObject::invokeMethod(receiver, std::move(task), Qt::QueuedConnection);
}

} // namespace OffMainThread
