#pragma once

// Conversions between JSON text, dictionaries and models. Empty input gives
// the empty result (a plain XBaseModel, an empty list, "" or an empty
// dictionary), and so does input that isn't JSON of the expected shape.

#include "core/XBaseModel.h"

#include <QJsonDocument>
#include <QList>
#include <QString>
#include <QVariant>
#include <concepts>
#include <optional>

class JsonUtil {
public:
    template <std::derived_from<XBaseModel> Model> static XBaseModelPtr jsonToModel(const QString& json)
    {
        std::optional<QJsonObject> object = parseObject(json);
        return object ? decoded<Model>(*object) : std::make_shared<XBaseModel>();
    }

    // One model per array element, in order; an empty object gives a plain
    // XBaseModel.
    template <std::derived_from<XBaseModel> Model> static QList<XBaseModelPtr> jsonArrayToModels(const QString& json)
    {
        QList<XBaseModelPtr> models;
        std::optional<QList<QJsonObject>> objects = parseArrayOfObjects(json);
        if (!objects)
            return models;
        for (const QJsonObject& object : *objects)
            models.append(object.isEmpty() ? std::make_shared<XBaseModel>() : decoded<Model>(object));
        return models;
    }

    template <std::derived_from<XBaseModel> Model> static XBaseModelPtr dictionaryToModel(const QVariantMap& dictionary)
    {
        if (dictionary.isEmpty() || !isJsonRepresentable(dictionary))
            return std::make_shared<XBaseModel>();
        return decoded<Model>(QJsonObject::fromVariantMap(dictionary));
    }

    // Compact JSON text; "" without a model.
    static QString modelToJSONString(const XBaseModel* model);
    static QVariantMap modelToDictionary(const XBaseModel* model);

    // Compact JSON text; "" (and the line "无法解析出JSONString") when a value
    // has no JSON form.
    static QString jsonString(const QVariantMap& dictionary);
    static QString jsonString(const QVariantList& array);

    // Whether the value (and everything in it) has a JSON form: null, bools,
    // finite numbers, strings, lists and maps with string keys.
    static bool isJsonRepresentable(const QVariant& value);

private:
    template <class Model> static XBaseModelPtr decoded(const QJsonObject& object)
    {
        auto model = std::make_shared<Model>();
        model->decode(object);
        return model;
    }

    static std::optional<QJsonObject> parseObject(const QString& json);
    static std::optional<QList<QJsonObject>> parseArrayOfObjects(const QString& json);
    static QString serialized(const QJsonDocument& document);
};

// Compact JSON text of a dictionary, or none when a value has no JSON form.
std::optional<QString> jsonText(const QVariantMap& dictionary);
