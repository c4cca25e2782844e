#include "globals/EditorModule.h"

#include "core/Log.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace {
EditorModuleInterface*& editor()
{
    static EditorModuleInterface* instance = nullptr;
    return instance;
}

EditorModuleInterface* loadModule()
{
    // Kept loaded for the run: the editor's objects live until the end.
    auto* library = new QLibrary(EditorModule::modulePath());
    const auto entry = reinterpret_cast<EditorModuleEntry>(library->resolve(editorModuleEntryName));
    if (!entry) {
        printLine(QStringLiteral("The editor could not be loaded: %1").arg(library->errorString()));
        delete library;
        return nullptr;
    }
    return entry();
}
} // namespace

void EditorModule::useLinked(EditorModuleInterface* linked)
{
    if (!editor())
        editor() = linked;
}

EditorModuleInterface* EditorModule::load()
{
    static bool installed = false;
    if (!editor())
        editor() = loadModule();
    if (editor() && !installed) {
        installed = true;
        editor()->install();
    }
    return editor();
}

void EditorModule::open(DesignId itemId, const QString& svg, bool fromMyDesignsView)
{
    if (EditorModuleInterface* loaded = load())
        loaded->open(itemId, svg, fromMyDesignsView);
}

QString EditorModule::modulePath()
{
    return QDir::cleanPath(
        QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/tessaly/libtessaly_editor_module.so"));
}
