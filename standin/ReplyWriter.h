#pragma once

#include "standin/Reply.h"

namespace httplib {
struct Response;
}

namespace standin {

// Puts a route's reply into the server's response as it is. cpp-httplib
// compresses a body given with set_content whenever the client accepts it,
// with Brotli at its slowest setting (seconds for a design of a few
// megabytes); a body given through a provider with its length goes out
// untouched, so every reply of the stand-in goes that way.
class ReplyWriter {
public:
    static void write(httplib::Response& response, Reply reply);
};

} // namespace standin
