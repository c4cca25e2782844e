#pragma once

#include "standin/StandinServer.h"

#include <mutex>
#include <vector>

namespace httplib {
struct Request;
}

namespace standin {

// Every request the server received, in arrival order. Safe to call from any thread.
class RequestLog {
public:
    // The record of one request, its body parsed as RecordedRequest describes.
    static RecordedRequest recordOf(const httplib::Request& request);

    void add(RecordedRequest request);
    std::vector<RecordedRequest> all() const;
    std::vector<RecordedRequest> endingWith(const std::string& pathSuffix) const;
    void clear();

private:
    mutable std::mutex m_mutex;
    std::vector<RecordedRequest> m_requests;
};

} // namespace standin
