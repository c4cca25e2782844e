#include "standin/RequestLog.h"

#include <httplib.h>

namespace standin {

namespace {

nlohmann::json parsedBody(const httplib::Request& request)
{
    if (request.is_multipart_form_data()) {
        nlohmann::json fields = nlohmann::json::object();
        for (const auto& [name, part] : request.files) {
            if (part.filename.empty())
                fields[name] = part.content;
            else
                fields[name] = { { "filename", part.filename }, { "content_type", part.content_type },
                    { "size", part.content.size() } };
        }
        return fields;
    }
    // The client sends JSON under a form-encoded content type, so JSON is tried first.
    nlohmann::json body = nlohmann::json::parse(request.body, nullptr, false);
    if (!body.is_discarded())
        return body;
    if (request.get_header_value("Content-Type").rfind("application/x-www-form-urlencoded", 0) == 0
        && !request.body.empty()) {
        httplib::Params params;
        httplib::detail::parse_query_text(request.body, params);
        nlohmann::json fields = nlohmann::json::object();
        for (const auto& [key, value] : params)
            fields[key] = value;
        return fields;
    }
    return nullptr;
}

} // namespace

RecordedRequest RequestLog::recordOf(const httplib::Request& request)
{
    RecordedRequest record;
    record.method = request.method;
    record.path = request.path;
    record.target = request.target;
    for (const auto& [name, value] : request.headers)
        if (name != "REMOTE_ADDR" && name != "REMOTE_PORT" && name != "LOCAL_ADDR" && name != "LOCAL_PORT")
            record.headers[name] = value; // the server's own notes are not the client's headers
    record.body = parsedBody(request);
    record.rawBody = request.body;
    return record;
}

void RequestLog::add(RecordedRequest request)
{
    std::lock_guard lock(m_mutex);
    m_requests.push_back(std::move(request));
}

std::vector<RecordedRequest> RequestLog::all() const
{
    std::lock_guard lock(m_mutex);
    return m_requests;
}

std::vector<RecordedRequest> RequestLog::endingWith(const std::string& pathSuffix) const
{
    std::lock_guard lock(m_mutex);
    std::vector<RecordedRequest> matching;
    for (const auto& request : m_requests)
        if (request.path.size() >= pathSuffix.size()
            && request.path.compare(request.path.size() - pathSuffix.size(), pathSuffix.size(), pathSuffix) == 0)
            matching.push_back(request);
    return matching;
}

void RequestLog::clear()
{
    std::lock_guard lock(m_mutex);
    m_requests.clear();
}

} // namespace standin
