#pragma once

// What is selected on the canvas; it chooses the edit bar.
enum class EditorSelection {
    None,
    Text,
    Graphic,
};
