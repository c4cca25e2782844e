#pragma once

// Records the canvas page sends about the selected object and its answers.
// Decoded by field name starting from the defaults: a missing key, a null or
// a value of the wrong kind keeps the default; numbers and numeric strings
// convert both ways; unknown keys are ignored.

#include <QString>
#include <nlohmann/json.hpp>
#include <optional>

// Gives a record its `fromJson`: decoded by its `fields` from its defaults.
template <class Record> struct JsonDecodable {
    static Record fromJson(const nlohmann::json& json);
};

struct Fill : JsonDecodable<Fill> {
    QString id;
    QString gradientUnits; // empty for a plain fill

    Fill();

    template <class Visitor> static void fields(Fill& record, Visitor& visit)
    {
        visit("id", record.id);
        visit("gradientUnits", record.gradientUnits);
    }
};

struct CanvasBrightnessAndSaturationModel : JsonDecodable<CanvasBrightnessAndSaturationModel> {
    QString id;
    int saturation = 0; // 0…100
    int brightness = 0; // 100 − HSL lightness, 0…100
    int hue = 0; // degrees, 0…360
    Fill fill;

    CanvasBrightnessAndSaturationModel();

    template <class Visitor> static void fields(CanvasBrightnessAndSaturationModel& record, Visitor& visit)
    {
        visit("id", record.id);
        visit("saturation", record.saturation);
        visit("brightness", record.brightness);
        visit("hue", record.hue);
        visit("fill", record.fill);
    }
};

// Spelled as the page protocol spells it.
struct HslToRgbModle : JsonDecodable<HslToRgbModle> {
    QString id;
    int r = 0;
    int g = 0;
    int b = 0;
    int type = 0; // repeats the request tag

    HslToRgbModle();

    template <class Visitor> static void fields(HslToRgbModle& record, Visitor& visit)
    {
        visit("id", record.id);
        visit("r", record.r);
        visit("g", record.g);
        visit("b", record.b);
        visit("type", record.type);
    }
};

struct CanvasTextModel : JsonDecodable<CanvasTextModel> {
    QString id;
    QString type;
    QString text;
    QString fill; // fill colour text
    QString opacity; // decimal fraction 0…1 as text
    QString fontFamily;
    QString fontWeight; // as CSS names it: "normal", "bold", "100" … "900"
    QString fontStyle;
    QString fontSize;
    QString charSpacing;
    QString lineHeight;
    int angle = 0;

    CanvasTextModel();

    template <class Visitor> static void fields(CanvasTextModel& record, Visitor& visit)
    {
        visit("id", record.id);
        visit("type", record.type);
        visit("text", record.text);
        visit("fill", record.fill);
        visit("opacity", record.opacity);
        visit("fontFamily", record.fontFamily);
        visit("fontWeight", record.fontWeight);
        visit("fontStyle", record.fontStyle);
        visit("fontSize", record.fontSize);
        visit("charSpacing", record.charSpacing);
        visit("lineHeight", record.lineHeight);
        visit("angle", record.angle);
    }
};

struct CanvasTextCharSpacingModel : JsonDecodable<CanvasTextCharSpacingModel> {
    QString id;
    QString lineHeight;
    QString charSpacing; // a decimal number as text

    CanvasTextCharSpacingModel();

    template <class Visitor> static void fields(CanvasTextCharSpacingModel& record, Visitor& visit)
    {
        visit("id", record.id);
        visit("lineHeight", record.lineHeight);
        visit("charSpacing", record.charSpacing);
    }
};

struct CanvasPathModel : JsonDecodable<CanvasPathModel> {
    QString id;
    QString type;
    QString opacity;
    int angle = 0; // degrees

    CanvasPathModel();

    template <class Visitor> static void fields(CanvasPathModel& record, Visitor& visit)
    {
        visit("id", record.id);
        visit("type", record.type);
        visit("opacity", record.opacity);
        visit("angle", record.angle);
    }
};

struct CanvasTextFormatModel : JsonDecodable<CanvasTextFormatModel> {
    QString id;
    bool isBold = false;
    bool isItalic = false;
    bool isUnderLine = false;
    bool isUpper = false;
    bool isVertical = false;

    CanvasTextFormatModel();

    template <class Visitor> static void fields(CanvasTextFormatModel& record, Visitor& visit)
    {
        visit("id", record.id);
        visit("isBold", record.isBold);
        visit("isItalic", record.isItalic);
        visit("isUnderLine", record.isUnderLine);
        visit("isUpper", record.isUpper);
        visit("isVertical", record.isVertical);
    }
};

struct SvgBase64Model : JsonDecodable<SvgBase64Model> {
    QString id;
    QString base64;
    QString form;

    SvgBase64Model();

    template <class Visitor> static void fields(SvgBase64Model& record, Visitor& visit)
    {
        visit("id", record.id);
        visit("base64", record.base64);
        visit("form", record.form);
    }
};

struct SvgStringModel : JsonDecodable<SvgStringModel> {
    QString id;
    QString svg;
    QString form;

    SvgStringModel();

    template <class Visitor> static void fields(SvgStringModel& record, Visitor& visit)
    {
        visit("id", record.id);
        visit("svg", record.svg);
        visit("form", record.form);
    }
};

struct CanvasUndoRedoModel : JsonDecodable<CanvasUndoRedoModel> {
    bool canUndo = false;
    bool canRedo = false;

    template <class Visitor> static void fields(CanvasUndoRedoModel& record, Visitor& visit)
    {
        visit("canUndo", record.canUndo);
        visit("canRedo", record.canRedo);
    }
};

struct CanvasSvgLoadedModel {
    double width = 0;
    double height = 0;
    qint64 token = 0; // the design load it answers

    static CanvasSvgLoadedModel fromJson(const nlohmann::json& json);
};

// The design-load token a "svgLoadSuccess" or "loadSvgFail" body carries; 0
// when it has none.
qint64 designLoadTokenOf(const nlohmann::json& body);

// Parses a message body as a JSON object; nothing when it is not one.
std::optional<nlohmann::json> parseJsonObject(const QString& body);
