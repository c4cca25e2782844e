#pragma once

#include <string>

namespace standin {

// The paths under which the stand-in serves its files. The routing table
// matches the same shapes.
class AssetPaths {
public:
    static std::string templateFile(int id, const std::string& file)
    {
        return "/static/templates/" + std::to_string(id) + "/" + file;
    }
    static std::string designFile(const std::string& userKey, long long id, int revision, const std::string& file)
    {
        return "/static/designs/" + userKey + "/" + std::to_string(id) + "/" + std::to_string(revision) + "/" + file;
    }
    static std::string styleImage(int styleId) { return "/static/styles/" + std::to_string(styleId) + ".png"; }
    static std::string graphic(int imageId, const std::string& extension)
    {
        return "/static/graphics/" + std::to_string(imageId) + "." + extension;
    }
    static std::string categoryIcon(int igid) { return "/static/graphics/categories/" + std::to_string(igid) + ".png"; }
    static std::string backgroundFile(int id, const std::string& file)
    {
        return "/static/backgrounds/" + std::to_string(id) + "/" + file;
    }
    static std::string font(const std::string& file) { return "/static/fonts/" + file; }
    static std::string picture(const std::string& id) { return "/static/pictures/" + id + ".png"; }
    static std::string upload(const std::string& id) { return "/upload/" + id + ".png"; }
    // The large image of a design: WebP where this machine can write it.
    static std::string imageFile();
};

} // namespace standin
