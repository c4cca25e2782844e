#pragma once

#include "editor/EditorPanel.h"

#include <QPointer>
#include <QWidget>
#include <map>
#include <vector>

class EditLogoViewModel;

// Shows each of its panels while the panel's flag is set; a panel is built
// when its flag turns on and removed when it turns off.
class EditorPanelHost : public QWidget {
    Q_OBJECT
public:
    EditorPanelHost(EditLogoViewModel& model, std::vector<EditorPanel> panels, QWidget* parent);

    // The editor's three hosts: the text panels (colour, font family, letter
    // spacing, format), the graphics panels (rotate, flip, add graphic) and
    // the background colour panel.
    static EditorPanelHost* fontEditSheetView(EditLogoViewModel& model, QWidget* parent);
    static EditorPanelHost* graphicsEditSheetView(EditLogoViewModel& model, QWidget* parent);
    static EditorPanelHost* backgroundEditSheetView(EditLogoViewModel& model, QWidget* parent);

    bool hosts(EditorPanel panel) const;
    QWidget* panelWidget(EditorPanel panel) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void setPanelShown(EditorPanel panel, bool shown);
    void updateVisibility();

    EditLogoViewModel& m_model;
    std::vector<EditorPanel> m_panels;
    std::map<EditorPanel, QPointer<QWidget>> m_widgets;
};
