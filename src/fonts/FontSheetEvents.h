#pragma once

// Bus events of the font family sheet and the graphics library sheet.

#include <QString>

namespace FontSelectEvent {
// The font sheet's selection moved to `fontName`.
struct SelectChangeEvent {
    static constexpr const char* name = "SelectChangeEvent";
    QString fontName;
};
} // namespace FontSelectEvent

namespace GraphicsAddSheetEvent {
// A category title was clicked; the sheet shows no titles yet.
struct ClickTitleEvent {
    static constexpr const char* name = "ClickTitleEvent";
    QString id;
};
} // namespace GraphicsAddSheetEvent
