#include "api/ResponseMapper.h"

#include "api/ParameterDescription.h"
#include "core/Configs.h"
#include "core/Log.h"

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

} // namespace

MoyaFailure dataInvalid()
{
    return MoyaFailure { -1, Configs::Const::dataInvalid };
}

std::variant<nlohmann::json, MoyaFailure> parseResponse(const APIResponse& response)
{
    printRequestLines(response);
    if (response.statusCode < 200 || response.statusCode > 299)
        return MoyaFailure { response.statusCode, serverAccessFailedText };

    printLine(QStringLiteral(" Response data = ") + shortenedForLog(QString::fromUtf8(response.data)));

    nlohmann::json json = nlohmann::json::parse(response.data.cbegin(), response.data.cend(), nullptr, false);
    if (json.is_discarded() || !(json.is_object() || json.is_array()))
        return dataInvalid();

    if (response.data.size() <= logEchoLimit) {
        try {
            printLine(QString::fromStdString(json.dump(2)));
        } catch (const nlohmann::json::exception&) {
            return dataInvalid();
        }
    }
    return json;
}

} // namespace ResponseMapper
