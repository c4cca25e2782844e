#include "core/PersistenceController.h"

PersistenceController::PersistenceController(bool inMemory, const QString& storePath)
    : m_container(QStringLiteral("TessalyDesk"), inMemory, storePath)
{
}

PersistenceController& PersistenceController::shared()
{
    // Never destroyed: the store outlives every window.
    static auto* controller = new PersistenceController(false);
    return *controller;
}

PersistenceController& PersistenceController::preview()
{
    static auto* controller = [] {
        auto* preview = new PersistenceController(true);
        const QDateTime now = QDateTime::currentDateTime();
        for (int i = 0; i < 10; ++i)
            preview->container().insert(Item { 0, now });
        return preview;
    }();
    return *controller;
}
