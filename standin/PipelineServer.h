#pragma once

#include <httplib.h>

namespace standin {

// An HTTP server that answers requests pipelined on one connection, in
// order. cpp-httplib reads each request through a buffer of its own that it
// drops after the reply, so the requests a client sent behind the first one
// were lost and never answered; here one buffered stream lives as long as
// its connection.
class PipelineServer : public httplib::Server {
private:
    bool process_and_close_socket(socket_t socket) override;
    // Waits for the next request on an idle keep-alive connection; false
    // when the wait ends or the server stops first.
    bool awaitRequest(socket_t socket) const;
};

} // namespace standin
