#pragma once

// Bus events the canvas bridge posts from the page's script messages. The
// editor reopens these namespaces for its other events.

#include "canvas/CanvasModels.h"
#include "canvas/FontFaceStyle.h"
#include "core/SharedEvents.h"

#include <QString>

namespace EditLogoViewEvent {
// The selected object's colour attributes ("activeAttributes()").
struct getBrightnessAndSaturationEvent {
    static constexpr const char* name = "getBrightnessAndSaturationEvent";
    CanvasBrightnessAndSaturationModel canvasBrightnessAndSaturationModel;
};

// One answer to "hsltorgb(...)".
struct getHslToRgb {
    static constexpr const char* name = "getHslToRgb";
    HslToRgbModle hslToRgbModle;
};

// The canvas as Base64 SVG, asked for by the editor's save.
struct imagesvgBase64StringEvent {
    static constexpr const char* name = "imagesvgBase64StringEvent";
    QString base64String;
};

// Whether the page's history allows undo and redo.
struct undoRedoStateEvent {
    static constexpr const char* name = "undoRedoStateEvent";
    bool canUndo = false;
    bool canRedo = false;
};

// Nothing is selected any more.
struct canvasSelectionClearedEvent {
    static constexpr const char* name = "canvasSelectionClearedEvent";
};

// The page has finished loading a design; `token` names the load.
struct svgLoadSuccessEvent {
    static constexpr const char* name = "svgLoadSuccessEvent";
    double width = 0;
    double height = 0;
    qint64 token = 0;
};
} // namespace EditLogoViewEvent

namespace EditFontEvent {
// The selected text's format switches ("getFontAttributes()").
struct CanvasTextFormatData {
    static constexpr const char* name = "CanvasTextFormatData";
    CanvasTextFormatModel canvasTextFormatModel;
};

// A font family was chosen (isLoadFont false: the font sheet asks for a
// shipped font to be loaded) or has been loaded by the page (isLoadFont true:
// `face` and `request` name the file loaded and the load, whose texts get it).
// The font's name field is `fontName`: `name` is taken by the bus key.
struct TextFontFamilyChangeEvent {
    static constexpr const char* name = "TextFontFamilyChangeEvent";
    QString family;
    QString fontName;
    bool isLoadFont = false;
    FontFaceStyle face;
    qint64 request = 0;
};

// A font the user asked for has been loaded; `fontName` is its pending name.
struct TextFontFamilyDownloadSuccessEvent {
    static constexpr const char* name = "TextFontFamilyDownloadSuccessEvent";
    QString fontName;
};

// A font the user asked for could not be loaded by the page; `fontName` is
// its pending name (empty for a shipped font).
struct TextFontFamilyDownloadFailEvent {
    static constexpr const char* name = "TextFontFamilyDownloadFailEvent";
    QString family;
    QString fontName;
};

// A font load the user asked for was forgotten with the design it was asked
// in (the canvas was cleared or a design loaded); `fontName` is its pending
// name. Its font changes no text when it arrives.
struct TextFontFamilyDownloadForgottenEvent {
    static constexpr const char* name = "TextFontFamilyDownloadForgottenEvent";
    QString fontName;
};

// A text object was selected.
struct CanvasTextData {
    static constexpr const char* name = "CanvasTextData";
    CanvasTextModel canvasTextModel;
};
} // namespace EditFontEvent

namespace EditGraphicsEvent {
// A graphic was selected.
struct CanvasGraphicsData {
    static constexpr const char* name = "CanvasGraphicsData";
    CanvasPathModel canvasPathModel;
};
} // namespace EditGraphicsEvent

namespace ExportViewForEditLogoSheetEvent {
// The canvas as Base64 SVG, asked for by the export sheet.
struct imageSvgBase64StringEvent {
    static constexpr const char* name = "imageSvgBase64StringEvent";
    QString base64String;
};
} // namespace ExportViewForEditLogoSheetEvent

namespace ExportViewSheetEvent {
// The canvas as a PNG (or JPEG) data URL or bare Base64.
struct imageBase64StringEvent {
    static constexpr const char* name = "imageBase64StringEvent";
    QString base64String;
};
} // namespace ExportViewSheetEvent
