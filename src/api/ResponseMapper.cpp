#include "api/ResponseMapper.h"

#include "api/ParameterDescription.h"
#include "core/Configs.h"
#include "core/Log.h"

#include <algorithm>
#include <nlohmann/json.hpp>

namespace ResponseMapper {

namespace {

void printRequestLines(const APIResponse& response)
{
    const QString prefix = QStringLiteral("requestrequestrequest = ");
    const QString headers = describeHeaders(response.requestHeaders);
    printLine(prefix + response.requestURL.toString());
    printLine(prefix + headers);
    printLine(prefix + QString::fromLatin1(response.requestMethod));
    printLine(prefix + headers);
    printLine(prefix + response.requestURL.path());
    printLine(prefix + QString::number(response.requestBodySize) + QStringLiteral(" bytes"));
}

// Replies are echoed to the log for diagnosis; a template list can run to
// megabytes, and echoing all of it (twice) would stall the window, so long
// bodies are shortened.
constexpr qsizetype logEchoLimit = 64 * 1024;

QString shortenedForLog(const QString& text)
{
    if (text.size() <= logEchoLimit)
        return text;
    return text.left(logEchoLimit) + QStringLiteral(" … (%1 characters in all)").arg(text.size());
}

// The indented echo grows with the square of the nesting depth (a 64 KB
// reply of nested arrays would need gigabytes) and is written recursively,
// so only shallow replies are echoed indented; the compact echo above
// already holds every byte.
constexpr int indentedEchoDepthLimit = 32;

// The deepest nesting of arrays and objects in JSON text, counted without parsing it.
int nestingDepth(const QByteArray& text)
{
    int depth = 0;
    int deepest = 0;
    bool inString = false;
    bool escaped = false;
    for (const char c : text) {
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return deepest;
}

} // namespace

MoyaFailure dataInvalid()
{
    return MoyaFailure { -1, Configs::Const::dataInvalid() };
}

std::optional<MoyaFailure> checkResponse(const APIResponse& response)
{
    printRequestLines(response);
    if (response.statusCode < 200 || response.statusCode > 299)
        return MoyaFailure { response.statusCode, serverAccessFailedText() };

    printLine(QStringLiteral(" Response data = ") + shortenedForLog(QString::fromUtf8(response.data)));

    // Long or deep replies go straight to the decoder, which also judges them.
    if (response.data.size() > logEchoLimit || nestingDepth(response.data) > indentedEchoDepthLimit)
        return std::nullopt;
    try {
        const nlohmann::json json = nlohmann::json::parse(response.data.cbegin(), response.data.cend(), nullptr, false);
        if (json.is_discarded() || !(json.is_object() || json.is_array()))
            return dataInvalid();
        printLine(QString::fromStdString(json.dump(2)));
    } catch (const nlohmann::json::exception&) {
        return dataInvalid();
    }
    return std::nullopt;
}

} // namespace ResponseMapper
