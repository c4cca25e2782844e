#include "standin/RouteTable.h"

#include <httplib.h>

namespace standin {

void RouteTable::add(const std::string& methods, const std::string& pattern, Handler handler)
{
    m_routes.push_back({ "|" + methods + "|", std::regex(pattern), std::move(handler) });
}

std::optional<Reply> RouteTable::dispatch(
    const httplib::Request& request, const nlohmann::json& body, const std::string& baseUrl) const
{
    const std::string method = "|" + request.method + "|";
    for (const Route& route : m_routes) {
        if (route.methods.find(method) == std::string::npos)
            continue;
        std::smatch match;
        if (std::regex_match(request.path, match, route.pattern))
            return route.handler(RouteRequest { request, match, body, baseUrl });
    }
    return std::nullopt;
}

} // namespace standin
