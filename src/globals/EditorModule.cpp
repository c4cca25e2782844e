#include "globals/EditorModule.h"

#include "globals/EditorModuleLoader.h"

#include <QCoreApplication>
#include <QDir>

namespace {
EditorModuleInterface*& linkedInProcess()
{
    static EditorModuleInterface* instance = nullptr;
    return instance;
}

EditorModuleLoader& loader()
{
    // Made on first use, once the application object knows its folder.
    static EditorModuleLoader instance(EditorModule::modulePath(), linkedInProcess());
    return instance;
}
} // namespace

void EditorModule::useLinked(EditorModuleInterface* linked)
{
    if (!linkedInProcess())
        linkedInProcess() = linked;
}

EditorModuleInterface* EditorModule::load()
{
    return loader().load();
}

void EditorModule::open(DesignId itemId, const QString& svg, bool fromMyDesignsView)
{
    loader().open(itemId, svg, fromMyDesignsView);
}

QString EditorModule::modulePath()
{
    return QDir::cleanPath(
        QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/tessaly/libtessaly_editor_module.so"));
}
