#include "globals/EditorModuleLoader.h"

#include "core/Localization.h"
#include "core/Log.h"
#include "core/RxBus.h"
#include "core/SharedEvents.h"

#include <QFileInfo>
#include <QLibrary>
#include <utility>

EditorModuleLoader::EditorModuleLoader(QString modulePath, EditorModuleInterface* linked)
    : m_modulePath(std::move(modulePath))
    , m_editor(linked)
{
}

EditorModuleInterface* EditorModuleLoader::load()
{
    if (!m_editor)
        m_editor = loadModuleFile();
    if (m_editor && !m_installed) {
        m_installed = true;
        m_editor->install();
    }
    return m_editor;
}

void EditorModuleLoader::open(DesignId itemId, const QString& svg, bool fromMyDesignsView)
{
    if (EditorModuleInterface* editor = load()) {
        editor->open(itemId, svg, fromMyDesignsView);
        return;
    }
    RxBus::shared().post(
        ContentViewEventBus::ToastEvent { localized(QStringLiteral("The editor could not be opened.")) });
}

EditorModuleInterface* EditorModuleLoader::loadModuleFile() const
{
    // A missing file is said as such: given a path that does not exist,
    // QLibrary tries other names and reports the last one it tried.
    if (!QFileInfo::exists(m_modulePath)) {
        printLine(QStringLiteral("The editor could not be loaded: not found: %1").arg(m_modulePath));
        return nullptr;
    }
    // Kept loaded for the run: the editor's objects live until the end.
    auto* library = new QLibrary(m_modulePath);
    const auto entry = reinterpret_cast<EditorModuleEntry>(library->resolve(editorModuleEntryName));
    if (!entry) {
        printLine(QStringLiteral("The editor could not be loaded: %1").arg(library->errorString()));
        delete library;
        return nullptr;
    }
    return entry();
}
