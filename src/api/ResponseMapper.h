#pragma once

// Judges one reply and decodes it into its model: a status outside 200...299
// fails with "服务器访问失败", a body that is not a JSON object fails with
// -1 and "数据无效". The server's own status field is left to the caller.

#include "api/APIResponse.h"
#include "api/MoyaResult.h"
#include "model/JsonFieldReader.h"

#include <nlohmann/json.hpp>
#include <variant>

namespace ResponseMapper {

inline const QString serverAccessFailedText = QStringLiteral("服务器访问失败");

// Checks the status, prints the diagnostic lines and parses the body. Gives
// the parsed top-level object or array, or the failure.
std::variant<nlohmann::json, MoyaFailure> parseResponse(const APIResponse& response);

MoyaFailure dataInvalid();

} // namespace ResponseMapper

template <class T> MoyaResult<T> mapModel(const APIResponse& response)
{
    auto parsed = ResponseMapper::parseResponse(response);
    if (auto* failure = std::get_if<MoyaFailure>(&parsed))
        return MoyaResult<T>::failure(std::move(*failure));
    const nlohmann::json& json = std::get<nlohmann::json>(parsed);
    if (!json.is_object())
        return MoyaResult<T>::failure(ResponseMapper::dataInvalid());
    return MoyaResult<T>::success(decodeRecord<T>(json));
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
