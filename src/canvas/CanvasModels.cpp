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

template <class Record> Record JsonDecodable<Record>::fromJson(const json& object)
{
    return decodeRecord<Record>(object);
}

template struct JsonDecodable<Fill>;
template struct JsonDecodable<CanvasBrightnessAndSaturationModel>;
template struct JsonDecodable<HslToRgbModle>;
template struct JsonDecodable<CanvasTextModel>;
template struct JsonDecodable<CanvasTextCharSpacingModel>;
template struct JsonDecodable<CanvasPathModel>;
template struct JsonDecodable<CanvasTextFormatModel>;
template struct JsonDecodable<SvgBase64Model>;
template struct JsonDecodable<SvgStringModel>;
template struct JsonDecodable<CanvasUndoRedoModel>;

Fill::Fill()
    : id(freshId())
{
}

CanvasBrightnessAndSaturationModel::CanvasBrightnessAndSaturationModel()
    : id(freshId())
{
}

HslToRgbModle::HslToRgbModle()
    : id(freshId())
{
}

CanvasTextModel::CanvasTextModel()
    : id(freshId())
{
}

CanvasTextCharSpacingModel::CanvasTextCharSpacingModel()
    : id(freshId())
{
}

CanvasPathModel::CanvasPathModel()
    : id(freshId())
{
}

CanvasTextFormatModel::CanvasTextFormatModel()
    : id(freshId())
{
}

SvgBase64Model::SvgBase64Model()
    : id(freshId())
{
}

SvgStringModel::SvgStringModel()
    : id(freshId())
{
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
