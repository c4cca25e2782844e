#include "standin/IconLibrary.h"

#include <algorithm>
#include <cstdio>

namespace standin {

const std::vector<IconLibrary::Icon>& IconLibrary::icons()
{
    static const std::vector<Icon> all = {
        { "circle", "M50 10 A40 40 0 1 1 49.99 10 Z" },
        { "ring", "M50 6 A44 44 0 1 1 49.99 6 Z M50 26 A24 24 0 1 0 50.01 26 Z" },
        { "star", "M50 6 L61 38 L95 38 L67 58 L78 92 L50 71 L22 92 L33 58 L5 38 L39 38 Z" },
        { "heart", "M50 88 C20 66 6 48 10 30 C14 12 38 8 50 28 C62 8 86 12 90 30 C94 48 80 66 50 88 Z" },
        { "leaf",
            "M82 12 C40 12 14 36 16 70 C16 80 20 88 24 92 C30 70 44 54 66 44 C48 58 36 74 32 92 C64 94 88 66 "
            "82 12 Z" },
        { "drop", "M50 6 C66 32 82 50 82 66 C82 84 67 96 50 96 C33 96 18 84 18 66 C18 50 34 32 50 6 Z" },
        { "mountain", "M4 86 L36 30 L52 56 L64 40 L96 86 Z" },
        { "bolt", "M58 4 L18 56 L46 56 L38 96 L82 40 L54 40 Z" },
        { "moon", "M62 8 A42 42 0 1 0 92 70 A34 34 0 1 1 62 8 Z" },
        { "sun",
            "M50 28 A22 22 0 1 1 49.99 28 Z M47 2 L53 2 L53 18 L47 18 Z M47 82 L53 82 L53 98 L47 98 Z "
            "M2 47 L18 47 L18 53 L2 53 Z M82 47 L98 47 L98 53 L82 53 Z" },
        { "hexagon", "M50 5 L89 27.5 L89 72.5 L50 95 L11 72.5 L11 27.5 Z" },
        { "triangle", "M50 8 L94 88 L6 88 Z" },
        { "diamond", "M50 4 L92 50 L50 96 L8 50 Z" },
        { "cup",
            "M18 28 L74 28 L70 78 C69 86 62 92 54 92 L38 92 C30 92 23 86 22 78 Z M74 38 C90 38 90 62 72 62 "
            "L73 54 C80 54 80 46 74 46 Z" },
        { "bars", "M10 90 L10 60 L28 60 L28 90 Z M40 90 L40 36 L58 36 L58 90 Z M70 90 L70 12 L88 12 L88 90 Z" },
        { "arrow", "M10 58 L58 58 L58 80 L92 46 L58 12 L58 34 L10 34 Z" },
        { "cloud", "M26 80 C10 80 6 60 20 54 C18 38 36 30 46 40 C52 24 78 26 80 46 C96 48 96 80 78 80 Z" },
        { "wave", "M4 60 C20 40 34 40 50 60 C66 80 80 80 96 60 L96 92 L4 92 Z" },
        { "house", "M50 8 L94 46 L82 46 L82 92 L60 92 L60 64 L40 64 L40 92 L18 92 L18 46 L6 46 Z" },
        { "cross", "M38 8 L62 8 L62 38 L92 38 L92 62 L62 62 L62 92 L38 92 L38 62 L8 62 L8 38 L38 38 Z" },
        { "shield", "M50 4 L90 18 L86 56 C82 76 68 88 50 96 C32 88 18 76 14 56 L10 18 Z" },
        { "note",
            "M36 16 L86 6 L86 70 C86 80 76 86 68 84 C58 82 56 70 64 64 C70 60 76 60 78 62 L78 22 L44 29 "
            "L44 78 C44 88 34 94 26 92 C16 90 14 78 22 72 C28 68 34 68 36 70 Z" },
        { "camera", "M12 30 L32 30 L40 18 L60 18 L68 30 L88 30 L88 82 L12 82 Z M50 38 A16 16 0 1 0 50.01 38 Z" },
        { "book",
            "M8 20 C24 14 40 14 48 22 L48 88 C40 80 24 80 8 86 Z M52 22 C60 14 76 14 92 20 L92 86 C76 80 60 "
            "80 52 88 Z" },
    };
    return all;
}

const std::string& IconLibrary::path(const std::string& name)
{
    const auto& all = icons();
    const auto found = std::find_if(all.begin(), all.end(), [&](const Icon& icon) { return icon.name == name; });
    return found != all.end() ? found->path : all.front().path;
}

std::string IconLibrary::group(const std::string& name, double x, double y, double size, const std::string& fill)
{
    char transform[96];
    std::snprintf(transform, sizeof transform, "translate(%.1f %.1f) scale(%.3f)", x, y, size / 100.0);
    return "<g transform=\"" + std::string(transform) + "\"><path fill=\"" + fill + "\" fill-rule=\"evenodd\" d=\""
        + path(name) + "\"/></g>";
}

} // namespace standin
