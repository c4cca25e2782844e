#include "fonts/FontRegistrationQueue.h"

#include "fonts/FontFiles.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>

void FontRegistrationQueue::start(QStringList fileNames)
{
    new FontRegistrationQueue(std::move(fileNames));
}

void FontRegistrationQueue::finishNow()
{
    for (FontRegistrationQueue* queue : QCoreApplication::instance()->findChildren<FontRegistrationQueue*>()) {
        while (!queue->m_fileNames.isEmpty())
            registerInstalledFont(queue->m_fileNames.takeFirst());
    }
}

bool FontRegistrationQueue::isRunning()
{
    const auto queues = QCoreApplication::instance()->findChildren<FontRegistrationQueue*>();
    return std::any_of(
        queues.begin(), queues.end(), [](const FontRegistrationQueue* queue) { return !queue->m_fileNames.isEmpty(); });
}

void FontRegistrationQueue::whenFinished(QObject* context, std::function<void()> then)
{
    for (FontRegistrationQueue* queue : QCoreApplication::instance()->findChildren<FontRegistrationQueue*>()) {
        if (queue->m_fileNames.isEmpty())
            continue;
        // Asked again once this queue is done, as another may still run.
        connect(
            queue, &QObject::destroyed, context, [context, then = std::move(then)] { whenFinished(context, then); });
        return;
    }
    then();
}

FontRegistrationQueue::FontRegistrationQueue(QStringList fileNames)
    : QObject(QCoreApplication::instance())
    , m_fileNames(std::move(fileNames))
{
    QTimer::singleShot(0, this, &FontRegistrationQueue::registerNext);
}

void FontRegistrationQueue::registerNext()
{
    // Rows without a file cost nothing; only a registration ends the turn.
    while (!m_fileNames.isEmpty()) {
        if (registerInstalledFont(m_fileNames.takeFirst())) {
            QTimer::singleShot(0, this, &FontRegistrationQueue::registerNext);
            return;
        }
    }
    deleteLater();
}
