#include "canvas/CanvasModels.h"

#include "model/JsonFieldReader.h"
#include "model/RecordDefaults.h"

#include <cmath>

using nlohmann::json;

namespace {

QString freshId()
{
    return RecordDefaults::freshUUID();
}

} // namespace

Fill::Fill()
    : id(freshId())
{
}

Fill Fill::fromJson(const json& object)
{
    return decodeRecord<Fill>(object);
}

CanvasBrightnessAndSaturationModel::CanvasBrightnessAndSaturationModel()
    : id(freshId())
{
}

CanvasBrightnessAndSaturationModel CanvasBrightnessAndSaturationModel::fromJson(const json& object)
{
    return decodeRecord<CanvasBrightnessAndSaturationModel>(object);
}

HslToRgbModle::HslToRgbModle()
    : id(freshId())
{
}

HslToRgbModle HslToRgbModle::fromJson(const json& object)
{
    return decodeRecord<HslToRgbModle>(object);
}

CanvasTextModel::CanvasTextModel()
    : id(freshId())
{
}

CanvasTextModel CanvasTextModel::fromJson(const json& object)
{
    return decodeRecord<CanvasTextModel>(object);
}

CanvasTextCharSpacingModel::CanvasTextCharSpacingModel()
    : id(freshId())
{
}

CanvasTextCharSpacingModel CanvasTextCharSpacingModel::fromJson(const json& object)
{
    return decodeRecord<CanvasTextCharSpacingModel>(object);
}

CanvasPathModel::CanvasPathModel()
    : id(freshId())
{
}

CanvasPathModel CanvasPathModel::fromJson(const json& object)
{
    return decodeRecord<CanvasPathModel>(object);
}

CanvasTextFormatModel::CanvasTextFormatModel()
    : id(freshId())
{
}

CanvasTextFormatModel CanvasTextFormatModel::fromJson(const json& object)
{
    return decodeRecord<CanvasTextFormatModel>(object);
}

SvgBase64Model::SvgBase64Model()
    : id(freshId())
{
}

SvgBase64Model SvgBase64Model::fromJson(const json& object)
{
    return decodeRecord<SvgBase64Model>(object);
}

SvgStringModel::SvgStringModel()
    : id(freshId())
{
}

SvgStringModel SvgStringModel::fromJson(const json& object)
{
    return decodeRecord<SvgStringModel>(object);
}

CanvasUndoRedoModel CanvasUndoRedoModel::fromJson(const json& object)
{
    return decodeRecord<CanvasUndoRedoModel>(object);
}

CanvasSvgLoadedModel CanvasSvgLoadedModel::fromJson(const json& object)
{
    CanvasSvgLoadedModel model;
    const auto readNumber = [&object](const char* key, double& field) {
        if (!object.is_object() || !object.contains(key))
            return;
        bool ok = false;
        const double number = JsonFieldReader::stringFrom(object.at(key)).value_or(QString()).toDouble(&ok);
        if (ok && std::isfinite(number))
            field = number;
    };
    readNumber("width", model.width);
    readNumber("height", model.height);
    model.token = designLoadTokenOf(object);
    return model;
}

qint64 designLoadTokenOf(const json& body)
{
    if (!body.is_object())
        return 0;
    const auto it = body.find("token");
    if (it == body.end() || !it->is_number_integer())
        return 0;
    return it->get<qint64>();
}

std::optional<json> parseJsonObject(const QString& body)
{
    json parsed = json::parse(body.toStdString(), nullptr, false);
    if (parsed.is_discarded() || !parsed.is_object())
        return std::nullopt;
    return parsed;
}
