#pragma once

#include "standin/LocalText.h"
#include "standin/LogoComposer.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace standin {

struct Symbol {
    int id = 0;
    LocalText word;
    const char* icon = "circle";
};

struct Industry {
    int id = 0;
    LocalText name;
    LocalText desc;
    std::vector<const char*> nouns;
    std::vector<Symbol> symbols;
};

struct Style {
    int id = 0;
    LocalText name;
    LocalText desc;
};

struct StyleGroup {
    int id = 0;
    LocalText name;
    std::vector<Style> styles;
};

// What a logo is made of, by index into the catalogue: the industry and its
// symbol, the design style (first wizard style group) and the colour tone
// (second group) with one of its palettes.
struct DesignTraits {
    int industryId = 0;
    int symbolId = 0;
    int designStyle = 0;
    int tone = 0;
    int palette = 0;
};

struct TemplateInfo {
    int id = 0;
    std::string name;
    DesignTraits traits;
};

struct GraphicCategory {
    int igid = 0;
    LocalText name;
    std::vector<const char*> icons;
};

struct Graphic {
    int imageId = 0;
    const char* icon = "circle";
    std::string colour;
};

struct Background {
    int id = 0;
    LocalText name;
    int pay = 0;
    std::string svg;
};

struct FontFile {
    std::string file; // base name under the font folder, e.g. "DejaVuSans.ttf"
    std::string family;
    std::string name;
};

// The texts that describe a design in one language.
struct DesignTexts {
    std::string desc;
    std::string tradeName;
    std::vector<std::string> keywords;
    std::vector<std::string> styles;
    std::string prompt;
};

// The stand-in's fixture data, generated deterministically at start-up:
// industries with their symbols, the two style groups, colour palettes, the
// Discovery templates, graphics, backgrounds and fonts. Read-only afterwards,
// so the server's threads share it without locking.
class FixtureCatalog {
public:
    explicit FixtureCatalog(int templateCount, std::string fontDirectory = "/usr/share/fonts/truetype/dejavu");

    const std::vector<Industry>& industries() const { return m_industries; }
    const std::vector<StyleGroup>& styleGroups() const { return m_styleGroups; }
    const std::vector<TemplateInfo>& templates() const { return m_templates; }
    const std::vector<GraphicCategory>& graphicCategories() const { return m_graphicCategories; }
    const std::vector<Background>& backgrounds() const { return m_backgrounds; }
    const std::vector<FontFile>& fonts() const { return m_fonts; }
    const std::string& fontDirectory() const { return m_fontDirectory; }

    const Industry* industry(int id) const;
    const Symbol* symbol(int id) const;
    const TemplateInfo* templateById(int id) const;
    // The group index (0 design style, 1 colour tone) and position of a style id.
    std::optional<std::pair<int, int>> styleLocation(int styleId) const;
    std::vector<Graphic> graphics(int igid) const;
    const Background* background(int id) const;
    const FontFile* font(const std::string& file) const;

    // Templates of the same industry as `info`, other than itself.
    std::vector<const TemplateInfo*> similarTo(const TemplateInfo& info, size_t count) const;
    // The palettes of a tone; every tone has at least one.
    const std::vector<Palette>& palettes(int tone) const;

    LogoSpec logoSpec(const std::string& name, const DesignTraits& traits) const;
    std::string templateSvg(const TemplateInfo& info) const;
    DesignTexts describe(const std::string& name, const DesignTraits& traits, bool chinese) const;
    // A brand name for a new design of this industry, varied by `seed`.
    std::string brandName(int industryId, std::uint64_t seed) const;
    // A small preview logo for a style of the wizard.
    std::string stylePreviewSvg(int styleId) const;

    static std::uint64_t mix(std::uint64_t value);

private:
    std::vector<Industry> m_industries;
    std::vector<StyleGroup> m_styleGroups;
    std::vector<std::vector<Palette>> m_tonePalettes;
    std::vector<TemplateInfo> m_templates;
    std::vector<GraphicCategory> m_graphicCategories;
    std::vector<Background> m_backgrounds;
    std::vector<FontFile> m_fonts;
    std::string m_fontDirectory;
};

} // namespace standin
