#pragma once

#include "standin/Reply.h"

#include <functional>

namespace httplib {
struct Response;
}

namespace standin {

// Replies that never end, or end only very slowly, for the client's limits
// on reply size and request time. Both stop when the client goes away or
// `waitUnlessStopping` reports that the server is stopping.
class StreamingFaults {
public:
    using Wait = std::function<bool(int delayMs)>;

    // Status 200 with no length, then 64 KiB of JSON-looking text every
    // `pauseMs` for as long as the client reads.
    static void endless(httplib::Response& response, int pauseMs, Wait waitUnlessStopping);
    // The normal reply with its true length, one byte every `intervalMs`.
    static void trickle(httplib::Response& response, const Reply& reply, int intervalMs, Wait waitUnlessStopping);
};

} // namespace standin
