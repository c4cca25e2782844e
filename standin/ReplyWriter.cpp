#include "standin/ReplyWriter.h"

#include <httplib.h>
#include <memory>

namespace standin {

void ReplyWriter::write(httplib::Response& response, Reply reply)
{
    response.status = reply.status;
    if (reply.body.empty()) {
        // A provider of no bytes would leave the reply without a length; an
        // empty body is never compressed.
        response.set_content(std::string(), reply.contentType);
        return;
    }
    const auto body = std::make_shared<const std::string>(std::move(reply.body));
    response.set_content_provider(
        body->size(), reply.contentType, [body](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
            return sink.write(body->data() + offset, length);
        });
}

} // namespace standin
