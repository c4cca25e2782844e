#include "standin/LogoComposer.h"

#include "standin/IconLibrary.h"

#include <QByteArray>
#include <algorithm>
#include <string>

namespace standin {

namespace {

enum DesignStyle { Minimal, Modern, Vintage, Playful, Elegant, Bold, Geometric, Badge, DesignStyleCount };

std::string header()
{
    const std::string size = std::to_string(LogoComposer::canvasSize);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
           "xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.1\" width=\""
        + size + "\" height=\"" + size + "\" viewBox=\"0 0 " + size + " " + size + "\">\n";
}

std::string text(
    const std::string& content, int y, int fontSize, const std::string& family, bool bold, const std::string& fill)
{
    return "<text x=\"230\" y=\"" + std::to_string(y) + "\" text-anchor=\"middle\" font-family=\"" + family
        + "\" font-size=\"" + std::to_string(fontSize) + "\"" + (bold ? " font-weight=\"bold\"" : "") + " fill=\""
        + fill + "\">" + LogoComposer::escapeXml(content) + "</text>\n";
}

// The shape behind the icon, and the colour the icon takes on top of it.
std::string emblem(int style, const Palette& p, std::string& iconFill)
{
    const double cx = 230;
    const double cy = 165;
    iconFill = p.background;
    switch (style) {
    case Minimal:
        iconFill = p.primary;
        return {};
    case Modern:
        return "<rect x=\"140\" y=\"75\" width=\"180\" height=\"180\" rx=\"40\" fill=\"" + p.primary + "\"/>\n";
    case Vintage:
        iconFill = p.primary;
        return "<circle cx=\"230\" cy=\"165\" r=\"98\" fill=\"none\" stroke=\"" + p.primary
            + "\" stroke-width=\"6\"/>\n<circle cx=\"230\" cy=\"165\" r=\"84\" fill=\"none\" stroke=\"" + p.accent
            + "\" stroke-width=\"2\"/>\n";
    case Playful:
        return "<circle cx=\"230\" cy=\"165\" r=\"92\" fill=\"" + p.accent + "\"/>\n";
    case Elegant:
        iconFill = p.accent;
        return "<circle cx=\"230\" cy=\"165\" r=\"90\" fill=\"none\" stroke=\"" + p.primary
            + "\" stroke-width=\"2\"/>\n";
    case Bold:
        return IconLibrary::group("hexagon", cx - 100, cy - 100, 200, p.primary) + "\n";
    case Geometric:
        return IconLibrary::group("diamond", cx - 100, cy - 100, 200, p.primary) + "\n";
    default:
        return IconLibrary::group("shield", cx - 100, cy - 100, 200, p.primary) + "\n";
    }
}

std::string fontFamily(int style)
{
    return style == Vintage || style == Elegant ? "DejaVu Serif" : "DejaVu Sans";
}

} // namespace

std::string LogoComposer::compose(const LogoSpec& spec)
{
    const int style = ((spec.designStyle % DesignStyleCount) + DesignStyleCount) % DesignStyleCount;
    const Palette& p = spec.palette;
    std::string iconFill;
    std::string svg = header();
    svg += "<rect x=\"0\" y=\"0\" width=\"460\" height=\"460\" fill=\"" + p.background + "\"/>\n";
    svg += emblem(style, p, iconFill);
    const double iconSize = style == Minimal ? 150 : 104;
    svg += IconLibrary::group(spec.icon, 230 - iconSize / 2, 165 - iconSize / 2, iconSize, iconFill) + "\n";

    const int nameLength = std::max<int>(1, static_cast<int>(spec.name.size()));
    const int nameSize = std::clamp(640 / nameLength, 26, 46);
    const bool bold = style == Modern || style == Bold || style == Playful || style == Badge;
    svg += text(spec.name, 330, nameSize, fontFamily(style), bold, p.text);
    if (!spec.tagline.empty())
        svg += text(spec.tagline, 372, 16, fontFamily(style), false, p.accent);
    svg += "</svg>\n";
    return svg;
}

std::string LogoComposer::composeAroundPicture(const std::string& png, const std::string& name, const Palette& p)
{
    const QByteArray base64 = QByteArray::fromStdString(png).toBase64();
    std::string svg = header();
    svg += "<rect x=\"0\" y=\"0\" width=\"460\" height=\"460\" fill=\"" + p.background + "\"/>\n";
    svg += "<rect x=\"114\" y=\"48\" width=\"232\" height=\"232\" rx=\"24\" fill=\"" + p.primary + "\"/>\n";
    svg += "<image x=\"124\" y=\"58\" width=\"212\" height=\"212\" preserveAspectRatio=\"xMidYMid slice\" "
           "xlink:href=\"data:image/png;base64,"
        + base64.toStdString() + "\"/>\n";
    svg += text(name, 344, 40, "DejaVu Sans", true, p.text);
    svg += "</svg>\n";
    return svg;
}

std::string LogoComposer::graphic(const std::string& icon, const std::string& colour)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" "
           "width=\"200\" height=\"200\" viewBox=\"0 0 100 100\">\n<path fill=\""
        + colour + "\" fill-rule=\"evenodd\" d=\"" + IconLibrary::path(icon) + "\"/>\n</svg>\n";
}

std::string LogoComposer::escapeXml(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace standin
