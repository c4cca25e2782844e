#pragma once

// The local stand-in for the remote API: an HTTP server on 127.0.0.1 that
// answers every operation of the client from generated fixture data, keeps
// the users' designs in a data folder, and can be told to fail any route so
// that failure paths are tested over real HTTP.

#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

namespace standin {

enum class Fault {
    None,
    Http500, // status 500
    Http403, // status 403
    NotJson, // status 200 with a body that is not JSON
    WrongTypes, // status 200 with JSON whose top-level fields have the wrong types
    Delay, // the normal reply, after delayMs
    Drop, // the connection is closed without a reply
    Nested, // status 200 with 64,000 bytes of arrays nested 32,000 deep
    Endless, // status 200 with no length and a body that never ends, 64 KiB every delayMs
    Trickle, // the normal reply with its length, one byte every delayMs
};

struct RecordedRequest {
    std::string method, path;
    // Header names as the client sent them.
    std::map<std::string, std::string> headers;
    // The body parsed as JSON whatever the content type; for a multipart form
    // an object of its fields, file parts as {"filename", "content_type",
    // "size"}; for a form-encoded body an object of its fields; else null.
    nlohmann::json body;
    std::string rawBody;
    // The path with its query, as requested.
    std::string target;
};

struct Options {
    std::string dataDir; // empty: a private temporary folder, removed with the server
    int templateCount = 300;
    std::string updateVersion = "1.0.0";
    // Print one line per request to standard output.
    bool logRequests = false;
    // How long a generation takes before it answers, for both the AI
    // generation and a logo made from an uploaded picture, in milliseconds.
    // Servers made in code answer at once; the command line waits 3 s.
    int generationMs = 0;
};

class StandinServer {
public:
    explicit StandinServer(Options options = {});
    ~StandinServer();
    StandinServer(const StandinServer&) = delete;
    StandinServer& operator=(const StandinServer&) = delete;

    // Binds 127.0.0.1:`port` (0 picks a free port) and serves on background
    // threads. Returns the bound port, or -1 when it cannot bind.
    int start(int port = 0);
    void stop();
    int port() const;
    std::string baseUrl() const; // http://127.0.0.1:<port>
    std::string apiBase() const; // baseUrl() + "/index.php"
    std::string updateBase() const; // baseUrl() + "/update/index.php"

    // Makes requests to `path` fail. The path is as requested, e.g.
    // "/index.php/logo2/Get_design_list" or a static file's path; a path
    // ending in "*" covers every path that starts with the part before it.
    void setFault(const std::string& path, Fault fault, int delayMs = 0);
    void clearFaults();
    // Answers `path` with this reply instead of its normal one, until cleared.
    void setReply(const std::string& path, int status, std::string body,
        std::string contentType = "application/json; charset=utf-8");
    void clearReplies();

    std::vector<RecordedRequest> requests() const;
    std::vector<RecordedRequest> requestsTo(const std::string& pathSuffix) const;
    void clearRequests();

    // The stored SVG of one of a user's designs.
    std::optional<std::string> designSvg(const std::string& uuid, const std::string& itemId) const;
    // The ids of a user's designs, in the order the design list gives them.
    std::vector<std::string> designIds(const std::string& uuid) const;

private:
    class Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace standin
