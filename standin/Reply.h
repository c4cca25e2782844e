#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace standin {

// One HTTP answer of a route.
struct Reply {
    int status = 200;
    std::string body;
    std::string contentType = "application/json; charset=utf-8";

    static Reply json(const nlohmann::json& value, int status = 200)
    {
        return { status, value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace),
            "application/json; charset=utf-8" };
    }
    static Reply bytes(std::string body, std::string contentType)
    {
        return { 200, std::move(body), std::move(contentType) };
    }
    static Reply text(int status, std::string body) { return { status, std::move(body), "text/plain; charset=utf-8" }; }
    bool isJson() const { return contentType.rfind("application/json", 0) == 0; }
};

} // namespace standin
