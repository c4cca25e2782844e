#include "core/NetworkStatus.h"

std::optional<RequestStatus> requestStatusFromRawValue(int rawValue)
{
    switch (rawValue) {
    case static_cast<int>(RequestStatus::requestSuccess):
        return RequestStatus::requestSuccess;
    case static_cast<int>(RequestStatus::requestError):
        return RequestStatus::requestError;
    default:
        return std::nullopt;
    }
}
