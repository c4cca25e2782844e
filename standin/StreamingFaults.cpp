#include "standin/StreamingFaults.h"

#include <httplib.h>
#include <memory>

namespace standin {

void StreamingFaults::endless(httplib::Response& response, int pauseMs, Wait waitUnlessStopping)
{
    response.status = 200;
    auto block = std::make_shared<std::string>();
    while (block->size() < 64 * 1024)
        block->append("0,");
    // Neither sized nor chunked: the body ends with the connection, and the
    // library sends it as it is, never compressed.
    response.set_content_provider("application/json; charset=utf-8",
        [block, pauseMs, wait = std::move(waitUnlessStopping), started = false](
            std::size_t, httplib::DataSink& sink) mutable {
            if (!std::exchange(started, true))
                return sink.write("{\"data\":[", 9);
            // A failed write means the client has gone.
            return wait(pauseMs) && sink.write(block->data(), block->size());
        });
}

void StreamingFaults::trickle(httplib::Response& response, const Reply& reply, int intervalMs, Wait waitUnlessStopping)
{
    response.status = reply.status;
    auto body = std::make_shared<std::string>(reply.body);
    response.set_content_provider(body->size(), reply.contentType,
        [body, intervalMs, wait = std::move(waitUnlessStopping)](std::size_t offset, std::size_t,
            httplib::DataSink& sink) { return wait(intervalMs) && sink.write(body->data() + offset, 1); });
}

} // namespace standin
