#pragma once

#include <optional>
#include <string>

namespace standin {

// Whole-file reads and writes for the stand-in's data folder.
class FileUtil {
public:
    static std::optional<std::string> read(const std::string& path);
    // Writes the file whole or not at all, creating its folder.
    static bool writeWhole(const std::string& path, const std::string& bytes);
};

} // namespace standin
