#pragma once

#include <array>

// The editor's side panels, one flag each.
enum class EditorPanel {
    TextColor,
    TextFontFamily,
    TextCharsSpacing,
    TextFormat,
    GraphicsRotate,
    Flip,
    GraphicsAdd,
    BackgroundColor,
};

inline constexpr std::array<EditorPanel, 8> allEditorPanels = {
    EditorPanel::TextColor,
    EditorPanel::TextFontFamily,
    EditorPanel::TextCharsSpacing,
    EditorPanel::TextFormat,
    EditorPanel::GraphicsRotate,
    EditorPanel::Flip,
    EditorPanel::GraphicsAdd,
    EditorPanel::BackgroundColor,
};

// Posts the panel's show event on the bus.
void postShowEvent(EditorPanel panel);
