#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <regex>
#include <string>

namespace httplib {
struct Request;
}

namespace standin {

// What a route handler sees of a request: the HTTP request, the captures of
// the route's pattern, the body parsed as JSON, and the server's own address
// for the URLs it hands out.
struct RouteRequest {
    const httplib::Request& http;
    std::smatch match;
    const nlohmann::json& body;
    std::string baseUrl;

    std::string capture(size_t index) const { return match[index].str(); }
    // A body field as text; numbers are written in decimal.
    std::string text(const char* key) const;
    // A body field as an integer; numeric text is read too.
    std::optional<long long> integer(const char* key) const;
    // The first element of an array field (or the field itself) as an integer.
    std::optional<long long> firstInteger(const char* key) const;
    std::string lang() const { return text("lang"); }
    std::string uuid() const { return text("uuid"); }
    // `path` on this server, as an absolute URL.
    std::string url(const std::string& path) const { return baseUrl + path; }
};

} // namespace standin
