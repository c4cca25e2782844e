#pragma once

#include <string>
#include <vector>

namespace standin {

// The small set of pictograms the stand-in draws its logos, graphics and
// style previews with. Each icon is one SVG path in a 100 x 100 box, filled
// with the even-odd rule so that inner sub-paths cut holes.
class IconLibrary {
public:
    struct Icon {
        std::string name;
        std::string path;
    };

    static const std::vector<Icon>& icons();
    // The path of the named icon; the circle when the name is unknown.
    static const std::string& path(const std::string& name);
    // An SVG group drawing the icon in `fill`, scaled to `size` with its
    // top-left corner at (x, y).
    static std::string group(const std::string& name, double x, double y, double size, const std::string& fill);
};

} // namespace standin
