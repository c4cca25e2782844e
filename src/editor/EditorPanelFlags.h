#pragma once

#include "editor/EditorPanel.h"

#include <QObject>
#include <array>
#include <optional>

// Which side panels are shown. A panel's show event opens it when the
// editor's own edit bar posted it, and closes it when anyone else did (a panel
// closing itself); so a panel's late close event never reopens a panel that
// was already closed by "close all".
class EditorPanelFlags : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    bool isShown(EditorPanel panel) const { return m_shown[index(panel)]; }
    bool anyShown() const;

    // Answers the panel's show event.
    void handleShowEvent(EditorPanel panel);
    void closeAll();

    // Closes every panel, then posts `panel`'s show event as the edit bar's own.
    void openFromEditBar(EditorPanel panel);

Q_SIGNALS:
    void panelChanged(EditorPanel panel, bool shown);

private:
    static constexpr std::size_t index(EditorPanel panel) { return static_cast<std::size_t>(panel); }
    void setShown(EditorPanel panel, bool shown);

    std::array<bool, allEditorPanels.size()> m_shown {};
    std::optional<EditorPanel> m_editBarRequest;
};
