#pragma once

#include "standin/StandinServer.h"

#include <httplib.h>
#include <nlohmann/json.hpp>
#include <string>

// A plain HTTP client for the server's tests, sending bodies the way the
// application does: compact JSON under a form-encoded content type.
class StandinTestClient {
public:
    explicit StandinTestClient(const standin::StandinServer& server)
        : m_client("127.0.0.1", server.port())
    {
        m_client.set_read_timeout(30, 0);
    }

    httplib::Result post(const std::string& path, const nlohmann::json& body)
    {
        return m_client.Post(path.c_str(), { { "platform", "ios" } }, body.dump(), "application/x-www-form-urlencoded");
    }

    nlohmann::json postJson(const std::string& path, const nlohmann::json& body)
    {
        const auto result = post(path, body);
        return result && result->status == 200 ? nlohmann::json::parse(result->body, nullptr, false) : nlohmann::json();
    }

    httplib::Result get(const std::string& path) { return m_client.Get(path.c_str()); }

    httplib::Client& raw() { return m_client; }

private:
    httplib::Client m_client;
};
