#pragma once

// Declared error and status values of the request layer.

#include <QHashFunctions>
#include <QString>
#include <optional>

struct DCUError {
    enum class Kind { UnexpectedResult, ParseJSONError, RequestFailed, NoResponse };

    Kind kind = Kind::RequestFailed;
    // Only UnexpectedResult carries these.
    std::optional<int> resultCode;
    std::optional<QString> resultMsg;

    static DCUError unexpectedResult(std::optional<int> code, std::optional<QString> message)
    {
        return { Kind::UnexpectedResult, code, std::move(message) };
    }
    static DCUError parseJSONError() { return { Kind::ParseJSONError, {}, {} }; }
    static DCUError requestFailed() { return { Kind::RequestFailed, {}, {} }; }
    static DCUError noResponse() { return { Kind::NoResponse, {}, {} }; }
};

enum class RequestStatus : int {
    requestSuccess = 200,
    requestError = 201,
};

// The case with that raw value, or none.
std::optional<RequestStatus> requestStatusFromRawValue(int rawValue);

inline size_t qHash(RequestStatus status, size_t seed = 0) noexcept
{
    return ::qHash(static_cast<int>(status), seed);
}
