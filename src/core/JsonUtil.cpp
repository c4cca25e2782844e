#include "core/JsonUtil.h"

#include "core/Log.h"

#include <QJsonArray>
#include <cmath>

std::optional<QJsonObject> JsonUtil::parseObject(const QString& json)
{
    if (json.isEmpty())
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

std::optional<QList<QJsonObject>> JsonUtil::parseArrayOfObjects(const QString& json)
{
    if (json.isEmpty())
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    QList<QJsonObject> objects;
    for (const QJsonValue& element : document.array()) {
        if (!element.isObject())
            return std::nullopt;
        objects.append(element.toObject());
    }
    return objects;
}

QString JsonUtil::serialized(const QJsonDocument& document)
{
    return QString::fromUtf8(document.toJson(QJsonDocument::Compact));
}

QString JsonUtil::modelToJSONString(const XBaseModel* model)
{
    if (!model)
        return {};
    return serialized(QJsonDocument(model->encode()));
}

QVariantMap JsonUtil::modelToDictionary(const XBaseModel* model)
{
    if (!model)
        return {};
    return model->encode().toVariantMap();
}

QString JsonUtil::jsonString(const QVariantMap& dictionary)
{
    if (!isJsonRepresentable(dictionary)) {
        printLine(QStringLiteral("无法解析出JSONString"));
        return {};
    }
    return serialized(QJsonDocument(QJsonObject::fromVariantMap(dictionary)));
}

QString JsonUtil::jsonString(const QVariantList& array)
{
    if (!isJsonRepresentable(array)) {
        printLine(QStringLiteral("无法解析出JSONString"));
        return {};
    }
    return serialized(QJsonDocument(QJsonArray::fromVariantList(array)));
}

bool JsonUtil::isJsonRepresentable(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return true;
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::QString:
    case QMetaType::QStringList:
    case QMetaType::Nullptr:
    case QMetaType::QJsonValue:
    case QMetaType::QJsonObject:
    case QMetaType::QJsonArray:
        return true;
    case QMetaType::Double:
    case QMetaType::Float:
        return std::isfinite(value.toDouble());
    case QMetaType::QVariantList:
        for (const QVariant& element : value.toList()) {
            if (!isJsonRepresentable(element))
                return false;
        }
        return true;
    case QMetaType::QVariantMap:
        for (const QVariant& element : value.toMap()) {
            if (!isJsonRepresentable(element))
                return false;
        }
        return true;
    case QMetaType::QVariantHash:
        for (const QVariant& element : value.toHash()) {
            if (!isJsonRepresentable(element))
                return false;
        }
        return true;
    default:
        return false;
    }
}

std::optional<QString> jsonText(const QVariantMap& dictionary)
{
    if (!JsonUtil::isJsonRepresentable(dictionary))
        return std::nullopt;
    return QString::fromUtf8(QJsonDocument(QJsonObject::fromVariantMap(dictionary)).toJson(QJsonDocument::Compact));
}
