#include "editor/EditorPanelFlags.h"

#include "core/RxBus.h"
#include "editor/EditorEvents.h"

#include <algorithm>

bool EditorPanelFlags::anyShown() const
{
    return std::any_of(m_shown.begin(), m_shown.end(), [](bool shown) { return shown; });
}

void EditorPanelFlags::handleShowEvent(EditorPanel panel)
{
    setShown(panel, m_editBarRequest == panel);
}

void EditorPanelFlags::closeAll()
{
    for (EditorPanel panel : allEditorPanels)
        setShown(panel, false);
}

void EditorPanelFlags::openFromEditBar(EditorPanel panel)
{
    RxBus::shared().post(EditLogoViewEvent::closeAllSheetEvent {});
    // Delivery is synchronous, so the mark covers exactly this one post.
    m_editBarRequest = panel;
    postShowEvent(panel);
    m_editBarRequest.reset();
}

void EditorPanelFlags::setShown(EditorPanel panel, bool shown)
{
    bool& flag = m_shown[index(panel)];
    if (flag == shown)
        return;
    flag = shown;
    Q_EMIT panelChanged(panel, shown);
}
