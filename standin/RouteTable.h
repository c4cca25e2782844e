#pragma once

#include "standin/Reply.h"
#include "standin/RouteRequest.h"

#include <functional>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace standin {

// Maps a method and a whole request path onto its handler.
class RouteTable {
public:
    using Handler = std::function<Reply(const RouteRequest&)>;

    // `methods` lists the accepted methods separated by "|", e.g. "GET|POST";
    // `pattern` must match the whole path, its groups become the captures.
    void add(const std::string& methods, const std::string& pattern, Handler handler);
    std::optional<Reply> dispatch(
        const httplib::Request& request, const nlohmann::json& body, const std::string& baseUrl) const;

private:
    struct Route {
        std::string methods;
        std::regex pattern;
        Handler handler;
    };
    std::vector<Route> m_routes;
};

} // namespace standin
