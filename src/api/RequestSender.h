#pragma once

// Sends one APIManager case and maps its reply into a model. Exactly one of
// the three handlers runs, on the main thread: the mapped result for any
// HTTP reply, or the transport error when none arrived.

#include "api/APIProvider.h"
#include "api/ResponseMapper.h"
#include "core/Configs.h"

#include <QObject>
#include <memory>

template <class T>
void sendForModel(const APIManager& target, QObject* context, std::function<void(const MoyaResult<T>&)> onResult,
    std::function<void(const TransportError&)> onTransportError)
{
    APIProvider::shared().request(
        target, context,
        [onResult = std::move(onResult)](const APIResponse& response) { onResult(mapModel<T>(response)); },
        std::move(onTransportError));
}

// The completion form: a transport error becomes a failure with the error's
// code and the "HUD_NetworkAnomaly" key.
template <class T>
void requestModel(
    const APIManager& target, std::function<void(const MoyaResult<T>&)> completion, QObject* context = nullptr)
{
    auto shared = std::make_shared<std::function<void(const MoyaResult<T>&)>>(std::move(completion));
    sendForModel<T>(
        target, context, [shared](const MoyaResult<T>& result) { (*shared)(result); },
        [shared](const TransportError& error) {
            (*shared)(MoyaResult<T>::failure(error.code, Configs::Const::hudNetworkAnomaly));
        });
}
