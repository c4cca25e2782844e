#pragma once

// Bus events of the logo editor. The events the canvas bridge posts live in
// canvas/CanvasEvents.h, which reopens the same namespaces; the side panels
// (built on top of the editor) post the show and change events below, and the
// editor turns each change into one canvas call.

#include "canvas/CanvasEvents.h"
#include "core/SharedEvents.h"

#include <QString>

namespace EditLogoViewEvent {
// Closes every side panel of the editor.
struct closeAllSheetEvent {
    static constexpr const char* name = "closeAllSheetEvent";
};
// Shows a message in the editor window's toast.
struct toastEditWindowsEvent {
    static constexpr const char* name = "toastEditWindowsEvent";
    QString text;
};
} // namespace EditLogoViewEvent

namespace EditLogoViewUploadEvent {
struct uploadSvgSuccess {
    static constexpr const char* name = "uploadSvgSuccess";
};
struct uploadSvgFail {
    static constexpr const char* name = "uploadSvgFail";
};
} // namespace EditLogoViewUploadEvent

namespace EditFontEvent {
// Show events: the editor's edit bar posts one to open its panel, the panel
// posts the same one to close itself.
struct ShowFontColorSheetEvent {
    static constexpr const char* name = "ShowFontColorSheetEvent";
};
struct ShowTextFontFamilySheetEvent {
    static constexpr const char* name = "ShowTextFontFamilySheetEvent";
};
struct ShowFontSpaceSheetEvent {
    static constexpr const char* name = "ShowFontSpaceSheetEvent";
};
struct ShowFormatSheetEvent {
    static constexpr const char* name = "ShowFormatSheetEvent";
};

// 0xRRGGBB from the colour plate.
struct ColorChangeEvent {
    static constexpr const char* name = "ColorChangeEvent";
    int color = 0;
};
// "#RRGGBBAA" from the hue bar; a null text counts as black.
struct ColorStringChangeEvent {
    static constexpr const char* name = "ColorStringChangeEvent";
    QString color;
};
struct BrightnessChangeEvent {
    static constexpr const char* name = "BrightnessChangeEvent";
    int brightness = 0;
    bool isAddToUndo = false;
};
// A whole number, carried as a double by the saturation bar.
struct SaturationChangeEvent {
    static constexpr const char* name = "SaturationChangeEvent";
    double saturation = 0;
    bool isAddToUndo = false;
};
// Percent, 0...100.
struct OpacityChangeEvent {
    static constexpr const char* name = "OpacityChangeEvent";
    int opacity = 0;
    bool isAddToUndo = false;
};
struct FontSpaceSheetChangeEvent {
    static constexpr const char* name = "FontSpaceSheetChangeEvent";
    int space = 0;
    bool isAddToUndo = false;
};
// A font from the server's catalogue that the page must download. The font's
// `name` field is spelled `fontName`, as `name` is the event's own name.
struct TextFontFamilyDownloadEvent {
    static constexpr const char* name = "TextFontFamilyDownloadEvent";
    QString family;
    QString fontName;
    QString url;
};
} // namespace EditFontEvent

namespace EditGraphicsEvent {
struct ShowGraphicsRotateSheet {
    static constexpr const char* name = "ShowGraphicsRotateSheet";
};
struct ShowFlipSheetEvent {
    static constexpr const char* name = "ShowFlipSheetEvent";
};
struct ShowGraphicsAddSheet {
    static constexpr const char* name = "ShowGraphicsAddSheet";
};
// Degrees.
struct GraphicsRotateChangeEvent {
    static constexpr const char* name = "GraphicsRotateChangeEvent";
    int rotate = 0;
    bool isAddToUndo = false;
};
struct FlipSheetHorizontalEvent {
    static constexpr const char* name = "FlipSheetHorizontalEvent";
};
struct FlipSheetVerticalEvent {
    static constexpr const char* name = "FlipSheetVerticalEvent";
};
// A graphic of the server's library to add to the canvas.
struct GraphicsAddEvent {
    static constexpr const char* name = "GraphicsAddEvent";
    QString svgUrl;
};
} // namespace EditGraphicsEvent

namespace EditBackgroundEvent {
struct showBackgroundColorSheet {
    static constexpr const char* name = "showBackgroundColorSheet";
};
// 0xRRGGBB.
struct setBackgroundColorEvent {
    static constexpr const char* name = "setBackgroundColorEvent";
    int backgroundColor = 0;
};
} // namespace EditBackgroundEvent
