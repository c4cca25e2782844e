#pragma once

// Sends one APIManager case and maps its reply into a model. Exactly one of
// the two handlers runs, on the main thread: the mapped result for any HTTP
// reply, or the transport error when none arrived. Replies are parsed and
// decoded on a pool thread (a template list runs to megabytes); when the
// context is destroyed before the result is back, neither handler runs.

#include "api/APIProvider.h"
#include "api/OffMainThread.h"
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
        // The provider calls this only while the context is alive, so it can still be watched here.
        [context, onResult = std::move(onResult)](const APIResponse& response) {
            runOffMainThread<MoyaResult<T>>(
                context, [response] { return mapModelOrFail<T>(response); }, onResult);
        },
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
            (*shared)(MoyaResult<T>::failure(error.code, Configs::Const::hudNetworkAnomaly()));
        });
}
