#pragma once

#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace standin {

// Renders SVG documents into PNG or WebP images with QSvgRenderer, keeping
// the most recent results so repeated requests for an image are cheap.
// Needs a QGuiApplication (text rendering needs the font database); safe to
// call from any thread.
class ImageRenderer {
public:
    explicit ImageRenderer(size_t cacheLimit = 2000);

    // The image cached under `key`, else `svg()` rendered into a `size` x
    // `size` image in `format` ("png" or "webp"). Nothing when there is no
    // SVG, it does not parse, or no image can be rendered here.
    std::optional<std::string> render(const std::string& key, const std::function<std::optional<std::string>()>& svg,
        int size, const std::string& format);

    static std::optional<std::string> renderNow(const std::string& svg, int size, const std::string& format);
    static bool webpAvailable();
    static bool canRender();

private:
    size_t m_cacheLimit;
    std::mutex m_mutex;
    std::map<std::string, std::string> m_cache;
    std::deque<std::string> m_order;
};

} // namespace standin
