#include "fonts/FontRegistrationQueue.h"

#include "fonts/FontFiles.h"

#include <QCoreApplication>
#include <QTimer>

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
