#include "canvas/CanvasModels.h"

#include <QUuid>

#include <nlohmann/json.hpp>

#include <cmath>
#include <limits>

using nlohmann::json;

namespace {

QString freshId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}

const json* field(const json& object, const char* key)
{
    if (!object.is_object())
        return nullptr;
    const auto it = object.find(key);
    if (it == object.end() || it->is_null())
        return nullptr;
    return &*it;
}

QString numberText(const json& value)
{
    if (value.is_number_integer())
        return value.is_number_unsigned() ? QString::number(value.get<std::uint64_t>())
                                          : QString::number(value.get<std::int64_t>());
    return QString::number(value.get<double>(), 'g', 15);
}

// String fields take strings, and numbers as their decimal text.
void readString(const json& object, const char* key, QString& target)
{
    const json* value = field(object, key);
    if (!value)
        return;
    if (value->is_string())
        target = QString::fromStdString(value->get<std::string>());
    else if (value->is_number())
        target = numberText(*value);
}

std::optional<double> numberOf(const json& value)
{
    if (value.is_number())
        return value.get<double>();
    if (value.is_string()) {
        bool ok = false;
        const double parsed = QString::fromStdString(value.get<std::string>()).trimmed().toDouble(&ok);
        if (ok && std::isfinite(parsed))
            return parsed;
    }
    return std::nullopt;
}

// Int fields take numbers (rounded) and numeric strings; out of range keeps the default.
void readInt(const json& object, const char* key, int& target)
{
    const json* value = field(object, key);
    if (!value)
        return;
    const std::optional<double> number = numberOf(*value);
    if (!number)
        return;
    const double rounded = std::round(*number);
    if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max())
        return;
    target = static_cast<int>(rounded);
}

void readDouble(const json& object, const char* key, double& target)
{
    const json* value = field(object, key);
    if (!value)
        return;
    if (const std::optional<double> number = numberOf(*value))
        target = *number;
}

// Bool fields take booleans, 0/1 and the texts "true"/"false".
void readBool(const json& object, const char* key, bool& target)
{
    const json* value = field(object, key);
    if (!value)
        return;
    if (value->is_boolean()) {
        target = value->get<bool>();
    } else if (value->is_number()) {
        target = value->get<double>() != 0;
    } else if (value->is_string()) {
        const QString text = QString::fromStdString(value->get<std::string>()).trimmed().toLower();
        if (text == QLatin1String("true") || text == QLatin1String("1"))
            target = true;
        else if (text == QLatin1String("false") || text == QLatin1String("0"))
            target = false;
    }
}

} // namespace

Fill::Fill()
    : id(freshId())
{
}

Fill Fill::fromJson(const json& object)
{
    Fill model;
    readString(object, "id", model.id);
    readString(object, "gradientUnits", model.gradientUnits);
    return model;
}

CanvasBrightnessAndSaturationModel::CanvasBrightnessAndSaturationModel()
    : id(freshId())
{
}

CanvasBrightnessAndSaturationModel CanvasBrightnessAndSaturationModel::fromJson(const json& object)
{
    CanvasBrightnessAndSaturationModel model;
    readString(object, "id", model.id);
    readInt(object, "saturation", model.saturation);
    readInt(object, "brightness", model.brightness);
    readInt(object, "hue", model.hue);
    if (const json* fill = field(object, "fill"); fill && fill->is_object())
        model.fill = Fill::fromJson(*fill);
    return model;
}

HslToRgbModle::HslToRgbModle()
    : id(freshId())
{
}

HslToRgbModle HslToRgbModle::fromJson(const json& object)
{
    HslToRgbModle model;
    readString(object, "id", model.id);
    readInt(object, "r", model.r);
    readInt(object, "g", model.g);
    readInt(object, "b", model.b);
    readInt(object, "type", model.type);
    return model;
}

CanvasTextModel::CanvasTextModel()
    : id(freshId())
{
}

CanvasTextModel CanvasTextModel::fromJson(const json& object)
{
    CanvasTextModel model;
    readString(object, "id", model.id);
    readString(object, "type", model.type);
    readString(object, "text", model.text);
    readString(object, "fill", model.fill);
    readString(object, "opacity", model.opacity);
    readString(object, "fontFamily", model.fontFamily);
    readString(object, "fontSize", model.fontSize);
    readString(object, "charSpacing", model.charSpacing);
    readString(object, "lineHeight", model.lineHeight);
    readInt(object, "angle", model.angle);
    return model;
}

CanvasTextCharSpacingModel::CanvasTextCharSpacingModel()
    : id(freshId())
{
}

CanvasTextCharSpacingModel CanvasTextCharSpacingModel::fromJson(const json& object)
{
    CanvasTextCharSpacingModel model;
    readString(object, "id", model.id);
    readString(object, "lineHeight", model.lineHeight);
    readString(object, "charSpacing", model.charSpacing);
    return model;
}

CanvasPathModel::CanvasPathModel()
    : id(freshId())
{
}

CanvasPathModel CanvasPathModel::fromJson(const json& object)
{
    CanvasPathModel model;
    readString(object, "id", model.id);
    readString(object, "type", model.type);
    readString(object, "opacity", model.opacity);
    readInt(object, "angle", model.angle);
    return model;
}

CanvasTextFormatModel::CanvasTextFormatModel()
    : id(freshId())
{
}

CanvasTextFormatModel CanvasTextFormatModel::fromJson(const json& object)
{
    CanvasTextFormatModel model;
    readString(object, "id", model.id);
    readBool(object, "isBold", model.isBold);
    readBool(object, "isItalic", model.isItalic);
    readBool(object, "isUnderLine", model.isUnderLine);
    readBool(object, "isUpper", model.isUpper);
    readBool(object, "isVertical", model.isVertical);
    return model;
}

SvgBase64Model::SvgBase64Model()
    : id(freshId())
{
}

SvgBase64Model SvgBase64Model::fromJson(const json& object)
{
    SvgBase64Model model;
    readString(object, "id", model.id);
    readString(object, "base64", model.base64);
    readString(object, "form", model.form);
    return model;
}

SvgStringModel::SvgStringModel()
    : id(freshId())
{
}

SvgStringModel SvgStringModel::fromJson(const json& object)
{
    SvgStringModel model;
    readString(object, "id", model.id);
    readString(object, "svg", model.svg);
    readString(object, "form", model.form);
    return model;
}

CanvasUndoRedoModel CanvasUndoRedoModel::fromJson(const json& object)
{
    CanvasUndoRedoModel model;
    readBool(object, "canUndo", model.canUndo);
    readBool(object, "canRedo", model.canRedo);
    return model;
}

CanvasSvgLoadedModel CanvasSvgLoadedModel::fromJson(const json& object)
{
    CanvasSvgLoadedModel model;
    readDouble(object, "width", model.width);
    readDouble(object, "height", model.height);
    return model;
}

std::optional<json> parseJsonObject(const QString& body)
{
    json parsed = json::parse(body.toStdString(), nullptr, false);
    if (parsed.is_discarded() || !parsed.is_object())
        return std::nullopt;
    return parsed;
}
