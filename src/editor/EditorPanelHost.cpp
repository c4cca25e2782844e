#include "editor/EditorPanelHost.h"

#include "editor/EditLogoViewModel.h"
#include "editor/EditorPanelFactories.h"
#include "editor/EditorPanelFlags.h"

#include <algorithm>

EditorPanelHost::EditorPanelHost(EditLogoViewModel& model, std::vector<EditorPanel> panels, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_panels(std::move(panels))
{
    connect(&model.panels(), &EditorPanelFlags::panelChanged, this,
        [this](EditorPanel panel, bool shown) { setPanelShown(panel, shown); });
    for (EditorPanel panel : m_panels)
        setPanelShown(panel, model.panels().isShown(panel));
    updateVisibility();
}

bool EditorPanelHost::hosts(EditorPanel panel) const
{
    return std::find(m_panels.begin(), m_panels.end(), panel) != m_panels.end();
}

QWidget* EditorPanelHost::panelWidget(EditorPanel panel) const
{
    const auto it = m_widgets.find(panel);
    return it == m_widgets.end() ? nullptr : it->second.data();
}

void EditorPanelHost::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    for (const auto& [panel, widget] : m_widgets) {
        if (widget)
            widget->setGeometry(rect());
    }
}

void EditorPanelHost::setPanelShown(EditorPanel panel, bool shown)
{
    if (!hosts(panel))
        return;
    QPointer<QWidget>& widget = m_widgets[panel];
    if (shown && !widget) {
        widget = EditorPanelFactories::createPanel(panel, m_model, this);
        if (widget) {
            widget->setGeometry(rect());
            widget->show();
            widget->raise();
        }
    } else if (!shown && widget) {
        widget->hide();
        widget->deleteLater();
        widget = nullptr;
    }
    updateVisibility();
}

void EditorPanelHost::updateVisibility()
{
    const bool any
        = std::any_of(m_widgets.begin(), m_widgets.end(), [](const auto& entry) { return !entry.second.isNull(); });
    setVisible(any);
    if (any)
        raise();
}

EditorPanelHost* EditorPanelHost::fontEditSheetView(EditLogoViewModel& model, QWidget* parent)
{
    return new EditorPanelHost(model,
        { EditorPanel::TextColor, EditorPanel::TextFontFamily, EditorPanel::TextCharsSpacing, EditorPanel::TextFormat },
        parent);
}

EditorPanelHost* EditorPanelHost::graphicsEditSheetView(EditLogoViewModel& model, QWidget* parent)
{
    return new EditorPanelHost(
        model, { EditorPanel::GraphicsRotate, EditorPanel::Flip, EditorPanel::GraphicsAdd }, parent);
}

EditorPanelHost* EditorPanelHost::backgroundEditSheetView(EditLogoViewModel& model, QWidget* parent)
{
    return new EditorPanelHost(model, { EditorPanel::BackgroundColor }, parent);
}
