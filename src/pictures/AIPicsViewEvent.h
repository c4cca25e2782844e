#pragma once

// The bus event of the picture-to-logo page.
namespace AIPicsViewEvent {
// The user cancelled the crop; the page closes its crop screen.
struct CloseCropView {
    static constexpr const char* name = "CloseCropView";
};
} // namespace AIPicsViewEvent
