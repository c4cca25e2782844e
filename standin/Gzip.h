#pragma once

#include <optional>
#include <string>

namespace standin {

// gzip streams through zlib.
class Gzip {
public:
    // The inflated bytes, or nothing when `data` is not one complete gzip
    // stream or would inflate beyond `maxSize`.
    static std::optional<std::string> decompress(const std::string& data, size_t maxSize = 64 * 1024 * 1024);
    // A gzip stream at zlib's default level.
    static std::string compress(const std::string& data);
};

} // namespace standin
