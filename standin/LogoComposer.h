#pragma once

#include <string>

namespace standin {

struct Palette {
    std::string background;
    std::string primary;
    std::string accent;
    std::string text;
};

// The look of one logo: the emblem around the icon, the lettering and its
// colours. `designStyle` indexes the design styles of the AI wizard.
struct LogoSpec {
    std::string name;
    std::string tagline;
    std::string icon;
    int designStyle = 0;
    Palette palette;
};

// Writes logos as SVG documents on the editor's 460 x 460 canvas, composed
// from an emblem, an icon and text, so that the canvas page can edit them.
class LogoComposer {
public:
    static constexpr int canvasSize = 460;

    static std::string compose(const LogoSpec& spec);
    // A logo made around a picture the user uploaded (PNG bytes).
    static std::string composeAroundPicture(const std::string& png, const std::string& name, const Palette& palette);
    // A single pictogram on a transparent square, as the graphics library serves it.
    static std::string graphic(const std::string& icon, const std::string& colour);

    static std::string escapeXml(const std::string& text);
};

} // namespace standin
