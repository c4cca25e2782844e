#include "api/ParameterDescription.h"

namespace {

QString quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
    escaped.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString describeValue(const nlohmann::ordered_json& value)
{
    if (value.is_string())
        return quoted(QString::fromStdString(value.get<std::string>()));
    if (value.is_array()) {
        QStringList parts;
        for (const auto& element : value)
            parts << describeValue(element);
        return QLatin1Char('[') + parts.join(QLatin1String(", ")) + QLatin1Char(']');
    }
    if (value.is_object())
        return describeParameters(value);
    return QString::fromStdString(value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
}

} // namespace

QString describeParameters(const nlohmann::ordered_json& parameters)
{
    if (!parameters.is_object() || parameters.empty())
        return QStringLiteral("[:]");
    QStringList parts;
    for (const auto& [key, value] : parameters.items())
        parts << quoted(QString::fromStdString(key)) + QStringLiteral(": ") + describeValue(value);
    return QLatin1Char('[') + parts.join(QLatin1String(", ")) + QLatin1Char(']');
}

QString describeHeaders(const QList<QPair<QByteArray, QByteArray>>& headers)
{
    if (headers.isEmpty())
        return QStringLiteral("[:]");
    QStringList parts;
    for (const auto& [name, value] : headers)
        parts << quoted(QString::fromLatin1(name)) + QStringLiteral(": ") + quoted(QString::fromLatin1(value));
    return QLatin1Char('[') + parts.join(QLatin1String(", ")) + QLatin1Char(']');
}
