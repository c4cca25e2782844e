// Every operation of the client's own table, sent the way the client sends
// it (path, method, headers and encoding), with fuzzed parameters.

#include "FuzzEnvironment.h"
#include "StandinUnderFuzz.h"
#include "api/APIManager.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startFuzzEnvironment();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    StandinUnderFuzz& standin = StandinUnderFuzz::shared();
    standin.serverForNextInput();
    FuzzedDataProvider input(data, size);
    const auto operation = static_cast<APIManager::Case>(
        input.ConsumeIntegralInRange<int>(0, static_cast<int>(APIManager::Case::weather)));
    const std::string text = input.ConsumeRemainingBytesAsString();
    auto parameters = APIManager::Parameters::parse(text, nullptr, false);
    const bool asParameters = parameters.is_object() && APIManager::carriesParameters(operation);
    const APIManager target = APIManager::withParameters(
        operation, asParameters ? std::move(parameters) : APIManager::Parameters::object());

    httplib::Headers headers;
    std::string contentType = "application/x-www-form-urlencoded";
    for (const auto& [name, value] : target.headers()) {
        if (name.compare("Content-Type", Qt::CaseInsensitive) == 0)
            contentType = value.toStdString();
        else
            headers.emplace(name.toStdString(), value.toStdString());
    }
    // Bodies that are not a parameter object still go out, as the raw text.
    const std::string body = asParameters ? target.body().toStdString() : text;
    const std::string path = target.requestURL().path(QUrl::FullyEncoded).toStdString();
    const std::string pathAndQuery
        = target.requestURL().toString(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::FullyEncoded).toStdString();
    const httplib::Result result = target.method() == "GET"
        ? standin.client().Get(pathAndQuery, headers)
        : standin.client().Post(pathAndQuery, headers, body, contentType);
    StandinUnderFuzz::checkReply(path, result);
    return 0;
}
