#pragma once

// Judges one reply and decodes it into its model: a status outside 200...299
// fails with "服务器访问失败", a body that is not a JSON object fails with
// -1 and "数据无效". The server's own status field is left to the caller.

#include "api/APIResponse.h"
#include "api/MoyaResult.h"
#include "model/JsonRecordDecoder.h"

#include <optional>
#include <string_view>

namespace ResponseMapper {

inline QString serverAccessFailedText()
{
    return QStringLiteral("服务器访问失败");
}

// Checks the status and prints the diagnostic lines, with the body indented
// when it is short enough to echo. Gives the failure, or nothing when the
// body is left to decode.
std::optional<MoyaFailure> checkResponse(const APIResponse& response);

MoyaFailure dataInvalid();

} // namespace ResponseMapper

template <class T> MoyaResult<T> mapModel(const APIResponse& response)
{
    if (std::optional<MoyaFailure> failure = ResponseMapper::checkResponse(response))
        return MoyaResult<T>::failure(std::move(*failure));
    std::optional<T> model = decodeRecordText<T>(
        std::string_view(response.data.constData(), static_cast<std::size_t>(response.data.size())));
    if (!model)
        return MoyaResult<T>::failure(ResponseMapper::dataInvalid());
    return MoyaResult<T>::success(std::move(*model));
}

// mapModel for the decode task: any exception on the way (memory exhausted
// by a hostile reply, say) becomes invalid data instead of ending the process.
template <class T> MoyaResult<T> mapModelOrFail(const APIResponse& response)
{
    try {
        return mapModel<T>(response);
    } catch (...) {
        return MoyaResult<T>::failure(ResponseMapper::dataInvalid());
    }
}
