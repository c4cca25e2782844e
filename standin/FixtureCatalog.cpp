#include "standin/FixtureCatalog.h"

#include <QFileInfo>
#include <algorithm>
#include <cctype>

namespace standin {

namespace {

std::vector<Industry> makeIndustries()
{
    // Symbol ids are the industry id times ten plus the symbol's position.
    struct Row {
        int id;
        LocalText name;
        LocalText desc;
        std::vector<const char*> nouns;
        std::vector<std::pair<LocalText, const char*>> symbols;
    };
    const std::vector<Row> rows = {
        { 101, { "Technology", "科技" }, { "Software, hardware and online services", "软件、硬件与互联网服务" },
            { "Labs", "Systems", "Tech" },
            { { { "Lightning", "闪电" }, "bolt" }, { { "Cloud", "云" }, "cloud" }, { { "Arrow", "箭头" }, "arrow" },
                { { "Hexagon", "六边形" }, "hexagon" }, { { "Signal", "信号" }, "bars" } } },
        { 102, { "Education", "教育" }, { "Schools, courses and tutoring", "学校、课程与辅导" },
            { "Academy", "Learning", "School" },
            { { { "Book", "书本" }, "book" }, { { "Star", "星星" }, "star" }, { { "Growth", "成长" }, "bars" },
                { { "Peak", "山峰" }, "mountain" }, { { "Shield", "盾牌" }, "shield" } } },
        { 103, { "Food & Drink", "餐饮" }, { "Restaurants, cafés and catering", "餐厅、咖啡馆与餐饮服务" },
            { "Kitchen", "Bistro", "Eatery" },
            { { { "Cup", "杯子" }, "cup" }, { { "Leaf", "叶子" }, "leaf" }, { { "Heart", "爱心" }, "heart" },
                { { "Drop", "水滴" }, "drop" }, { { "House", "小屋" }, "house" } } },
        { 104, { "Coffee", "咖啡" }, { "Coffee shops and roasters", "咖啡店与烘焙坊" },
            { "Coffee", "Roasters", "Café" },
            { { { "Coffee cup", "咖啡杯" }, "cup" }, { { "Coffee leaf", "咖啡叶" }, "leaf" },
                { { "Steam", "蒸汽" }, "cloud" }, { { "Heart", "爱心" }, "heart" }, { { "Moon", "月亮" }, "moon" } } },
        { 105, { "Fashion", "时尚" }, { "Clothing, accessories and boutiques", "服装、配饰与精品店" },
            { "Boutique", "Atelier", "Wear" },
            { { { "Diamond", "钻石" }, "diamond" }, { { "Star", "星星" }, "star" }, { { "Heart", "心形" }, "heart" },
                { { "Moon", "月亮" }, "moon" }, { { "Ring", "指环" }, "ring" } } },
        { 106, { "Health", "健康" }, { "Clinics, fitness and wellbeing", "诊所、健身与养生" },
            { "Care", "Clinic", "Wellness" },
            { { { "Cross", "十字" }, "cross" }, { { "Heart", "心脏" }, "heart" }, { { "Leaf", "绿叶" }, "leaf" },
                { { "Drop", "水滴" }, "drop" }, { { "Shield", "守护" }, "shield" } } },
        { 107, { "Finance", "金融" }, { "Banking, investment and insurance", "银行、投资与保险" },
            { "Capital", "Partners", "Finance" },
            { { { "Chart", "图表" }, "bars" }, { { "Rising arrow", "上升箭头" }, "arrow" },
                { { "Shield", "盾牌" }, "shield" }, { { "Diamond", "钻石" }, "diamond" },
                { { "Hexagon", "六边形" }, "hexagon" } } },
        { 108, { "Real Estate", "房地产" }, { "Agents, homes and property management", "中介、住宅与物业管理" },
            { "Homes", "Realty", "Estates" },
            { { { "House", "房屋" }, "house" }, { { "Roof", "屋顶" }, "triangle" },
                { { "Mountain view", "山景" }, "mountain" }, { { "Star", "星级" }, "star" },
                { { "Shield", "安心" }, "shield" } } },
        { 109, { "Travel", "旅游" }, { "Agencies, hotels and tours", "旅行社、酒店与旅行团" },
            { "Travel", "Journeys", "Trips" },
            { { { "Mountain", "山峰" }, "mountain" }, { { "Wave", "海浪" }, "wave" }, { { "Sun", "太阳" }, "sun" },
                { { "Cloud", "云朵" }, "cloud" }, { { "Heading", "航向" }, "arrow" } } },
        { 110, { "Sports", "运动" }, { "Clubs, gyms and sporting goods", "俱乐部、健身房与体育用品" },
            { "Athletics", "Sports", "Club" },
            { { { "Lightning", "闪电" }, "bolt" }, { { "Star", "星" }, "star" }, { { "Crest", "盾徽" }, "shield" },
                { { "Sprint", "冲刺" }, "arrow" }, { { "Triangle", "三角" }, "triangle" } } },
        { 111, { "Music", "音乐" }, { "Bands, studios and music schools", "乐队、录音棚与音乐学校" },
            { "Records", "Sound", "Studio" },
            { { { "Note", "音符" }, "note" }, { { "Sound wave", "声波" }, "wave" }, { { "Star", "明星" }, "star" },
                { { "Heart", "心动" }, "heart" }, { { "Nocturne", "夜曲" }, "moon" } } },
        { 112, { "Photography", "摄影" }, { "Photographers and photo studios", "摄影师与影楼" },
            { "Photo", "Studio", "Lens" },
            { { { "Camera", "相机" }, "camera" }, { { "Sunlight", "阳光" }, "sun" },
                { { "Landscape", "风景" }, "mountain" }, { { "Lens", "镜头" }, "ring" },
                { { "Moonlight", "月光" }, "moon" } } },
        { 113, { "Beauty", "美容" }, { "Salons, spas and cosmetics", "沙龙、水疗与化妆品" },
            { "Beauty", "Spa", "Salon" },
            { { { "Herbal leaf", "草本" }, "leaf" }, { { "Serum drop", "精华" }, "drop" },
                { { "Heart", "爱心" }, "heart" }, { { "Sparkle", "闪耀" }, "diamond" },
                { { "Moonlight", "月光" }, "moon" } } },
        { 114, { "Pets", "宠物" }, { "Pet shops, grooming and vets", "宠物店、美容与兽医" },
            { "Pets", "Paws", "Friends" },
            { { { "Heart", "爱心" }, "heart" }, { { "Kennel", "小窝" }, "house" }, { { "Star", "星星" }, "star" },
                { { "Meadow", "草地" }, "leaf" }, { { "Dot", "圆点" }, "circle" } } },
        { 115, { "Gaming", "游戏" }, { "Game studios, esports and arcades", "游戏工作室、电竞与街机" },
            { "Games", "Arcade", "Esports" },
            { { { "Lightning", "闪电" }, "bolt" }, { { "Star", "星星" }, "star" }, { { "Shield", "盾牌" }, "shield" },
                { { "Gem", "宝石" }, "diamond" }, { { "Triangle", "三角" }, "triangle" } } },
        { 116, { "Bakery", "烘焙" }, { "Bakeries, cakes and pastries", "面包店、蛋糕与糕点" },
            { "Bakery", "Bakehouse", "Patisserie" },
            { { { "Heart", "爱心" }, "heart" }, { { "Teacup", "茶杯" }, "cup" }, { { "Shop", "小店" }, "house" },
                { { "Star", "星星" }, "star" }, { { "Doughnut", "甜甜圈" }, "ring" } } },
        { 117, { "Construction", "建筑" }, { "Builders, architects and engineering", "建筑商、建筑师与工程" },
            { "Builders", "Construction", "Works" },
            { { { "House", "房屋" }, "house" }, { { "Triangle", "三角" }, "triangle" },
                { { "Hexagon", "六边形" }, "hexagon" }, { { "Structure", "结构" }, "bars" },
                { { "Mountain", "山" }, "mountain" } } },
        { 118, { "Agriculture", "农业" }, { "Farms, produce and gardening", "农场、农产品与园艺" },
            { "Farms", "Harvest", "Growers" },
            { { { "Leaf", "叶子" }, "leaf" }, { { "Sun", "太阳" }, "sun" }, { { "Raindrop", "雨滴" }, "drop" },
                { { "Fields", "田野" }, "mountain" }, { { "Wheat wave", "麦浪" }, "wave" } } },
        { 119, { "Logistics", "物流" }, { "Shipping, delivery and warehousing", "运输、配送与仓储" },
            { "Logistics", "Freight", "Express" },
            { { { "Arrow", "箭头" }, "arrow" }, { { "Crate", "箱体" }, "hexagon" }, { { "Globe", "地球" }, "circle" },
                { { "Speed", "快速" }, "bolt" }, { { "Route", "航线" }, "wave" } } },
        { 120, { "Consulting", "咨询" }, { "Advisers, agencies and coaching", "顾问、代理与辅导" },
            { "Consulting", "Advisors", "Group" },
            { { { "Growth", "增长" }, "bars" }, { { "Direction", "方向" }, "arrow" },
                { { "Value", "价值" }, "diamond" }, { { "Circle", "圆环" }, "ring" },
                { { "Excellence", "卓越" }, "star" } } },
        { 121, { "Art & Design", "艺术设计" }, { "Designers, galleries and craft", "设计师、画廊与手工艺" },
            { "Design", "Gallery", "Creative" },
            { { { "Ink drop", "墨滴" }, "drop" }, { { "Inspiration", "灵感" }, "star" },
                { { "Circle", "圆形" }, "circle" }, { { "Geometry", "几何" }, "triangle" },
                { { "Curve", "曲线" }, "wave" } } },
        { 122, { "3D Printing", "3D打印" }, { "Printing services and makers", "打印服务与创客" },
            { "Makers", "Print", "Forge" },
            { { { "Cube", "立方" }, "hexagon" }, { { "Edge", "棱角" }, "triangle" }, { { "Grid", "网格" }, "cross" },
                { { "Power", "能量" }, "bolt" }, { { "Layers", "层叠" }, "bars" } } },
    };
    std::vector<Industry> industries;
    for (const auto& row : rows) {
        Industry industry { row.id, row.name, row.desc, row.nouns, {} };
        int position = 1;
        for (const auto& [word, icon] : row.symbols)
            industry.symbols.push_back({ row.id * 10 + position++, word, icon });
        industries.push_back(std::move(industry));
    }
    return industries;
}

std::vector<StyleGroup> makeStyleGroups()
{
    return {
        { 2, { "Design style", "设计风格" },
            {
                { 201, { "Minimal", "简约" }, { "A single clean mark and quiet lettering", "干净的图形与安静的字体" } },
                { 202, { "Modern", "现代" }, { "Rounded tiles and confident type", "圆角色块与自信的字体" } },
                { 203, { "Vintage", "复古" }, { "Classic rings and serif lettering", "经典圆环与衬线字体" } },
                { 204, { "Playful", "活泼" }, { "Bright circles and friendly shapes", "明亮的圆形与友好的造型" } },
                { 205, { "Elegant", "优雅" }, { "Fine lines and refined serif type", "纤细线条与精致衬线字体" } },
                { 206, { "Bold", "大胆" }, { "Heavy shapes that stand out", "醒目的厚重造型" } },
                { 207, { "Geometric", "几何" }, { "Sharp diamonds and clear angles", "锐利的菱形与清晰的角度" } },
                { 208, { "Badge", "徽章" }, { "A crest that frames the symbol", "以盾徽框住图形" } },
            } },
        { 3, { "Colour tone", "色彩基调" },
            {
                { 301, { "Warm", "暖色" }, { "Oranges, reds and sunny yellows", "橙色、红色与阳光黄" } },
                { 302, { "Cool", "冷色" }, { "Blues, teals and violets", "蓝色、青色与紫色" } },
                { 303, { "Monochrome", "黑白" }, { "Black, white and greys", "黑、白与灰" } },
                { 304, { "Pastel", "马卡龙" }, { "Soft, light colours", "柔和的浅色" } },
                { 305, { "Vibrant", "鲜艳" }, { "Saturated, energetic colours", "饱和而有活力的颜色" } },
                { 306, { "Earthy", "大地色" }, { "Browns, olives and sand", "棕色、橄榄绿与沙色" } },
            } },
    };
}

std::vector<std::vector<Palette>> makeTonePalettes()
{
    return {
        { { "#FFF4E6", "#E8590C", "#F59F00", "#5C2B0A" }, { "#2B1B17", "#FF8787", "#FFD43B", "#FFF0E0" },
            { "#FFF9DB", "#D9480F", "#C92A2A", "#3B1F0E" } },
        { { "#E7F5FF", "#1971C2", "#15AABF", "#0B2545" }, { "#0B1D2E", "#4DABF7", "#63E6BE", "#E3FAFC" },
            { "#F3F0FF", "#5F3DC4", "#3BC9DB", "#1E1B4B" } },
        { { "#FFFFFF", "#212529", "#868E96", "#111111" }, { "#111111", "#F8F9FA", "#ADB5BD", "#FFFFFF" },
            { "#E9ECEF", "#343A40", "#495057", "#212529" } },
        { { "#FFF0F6", "#F783AC", "#91A7FF", "#5C3D4E" }, { "#EBFBEE", "#69DB7C", "#FFC078", "#2B4A32" },
            { "#F8F0FC", "#B197FC", "#FFA8A8", "#3F2E56" } },
        { { "#1A1A2E", "#FF006E", "#FFBE0B", "#FFFFFF" }, { "#FFFFFF", "#7B2FF7", "#00C2FF", "#1A1033" },
            { "#06D6A0", "#073B4C", "#FFD166", "#073B4C" } },
        { { "#F4EDE4", "#6B4F3A", "#A3B18A", "#3A2E24" }, { "#283618", "#DDA15E", "#FEFAE0", "#FEFAE0" },
            { "#EDE0D4", "#7F5539", "#B08968", "#3E2A1C" } },
    };
}

const std::vector<const char*>& brandPrefixes()
{
    static const std::vector<const char*> prefixes = { "Nova", "Blue", "Peak", "Sunny", "Urban", "Green", "Pixel",
        "Golden", "Silver", "North", "Bright", "Swift", "Lumen", "Maple", "Cedar", "Coral", "Echo", "Aurora", "Orbit",
        "Harbor", "Velvet", "Atlas", "Bloom", "Crest", "Summit", "Willow", "Iron", "Luna", "Zen", "Vivid" };
    return prefixes;
}

std::vector<GraphicCategory> makeGraphicCategories()
{
    return {
        { 1, { "Basic shapes", "基础形状" },
            { "circle", "ring", "triangle", "diamond", "hexagon", "star", "heart", "cross", "shield" } },
        { 2, { "Nature", "自然" }, { "leaf", "drop", "mountain", "sun", "moon", "cloud", "wave" } },
        { 3, { "Business", "商务" }, { "bars", "arrow", "shield", "house", "book", "camera", "bolt" } },
        { 4, { "Lifestyle", "生活" }, { "cup", "note", "heart", "star", "camera", "house", "leaf" } },
    };
}

const std::vector<std::string>& graphicColours()
{
    static const std::vector<std::string> colours = { "#212529", "#E8590C", "#1971C2", "#2F9E44", "#AE3EC9" };
    return colours;
}

std::string gradientSvg(const std::string& from, const std::string& to, const std::string& overlay)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" "
           "width=\"512\" height=\"512\" viewBox=\"0 0 512 512\">\n<defs><linearGradient id=\"g\" x1=\"0\" "
           "y1=\"0\" x2=\"1\" y2=\"1\"><stop offset=\"0\" stop-color=\""
        + from + "\"/><stop offset=\"1\" stop-color=\"" + to
        + "\"/></linearGradient></defs>\n<rect width=\"512\" height=\"512\" fill=\"url(#g)\"/>\n" + overlay
        + "</svg>\n";
}

std::string dots(const std::string& colour)
{
    std::string out;
    for (int y = 32; y < 512; y += 64)
        for (int x = 32; x < 512; x += 64)
            out += "<circle cx=\"" + std::to_string(x) + "\" cy=\"" + std::to_string(y) + "\" r=\"8\" fill=\"" + colour
                + "\" fill-opacity=\"0.35\"/>\n";
    return out;
}

std::string stripes(const std::string& colour)
{
    std::string out;
    for (int x = 0; x < 512; x += 48)
        out += "<rect x=\"" + std::to_string(x) + "\" y=\"0\" width=\"20\" height=\"512\" fill=\"" + colour
            + "\" fill-opacity=\"0.25\"/>\n";
    return out;
}

std::vector<Background> makeBackgrounds()
{
    return {
        { 1, { "Sunset", "日落" }, 0, gradientSvg("#FF8A5B", "#7B2FF7", "") },
        { 2, { "Ocean", "海洋" }, 0, gradientSvg("#00C2FF", "#1A3D8F", "") },
        { 3, { "Forest", "森林" }, 0, gradientSvg("#A3D977", "#1F5130", "") },
        { 4, { "Lavender", "薰衣草" }, 0, gradientSvg("#F3E8FF", "#B197FC", "") },
        { 5, { "Peach", "蜜桃" }, 0, gradientSvg("#FFE3D3", "#FF9F8A", "") },
        { 6, { "Midnight", "午夜" }, 0, gradientSvg("#1A1A2E", "#0F3460", dots("#FFFFFF")) },
        { 7, { "Mint dots", "薄荷圆点" }, 0, gradientSvg("#E6FCF5", "#96F2D7", dots("#087F5B")) },
        { 8, { "Sand stripes", "沙色条纹" }, 0, gradientSvg("#F4EDE4", "#DDC9B4", stripes("#7F5539")) },
        { 9, { "Rose", "玫瑰" }, 1, gradientSvg("#FFDEEB", "#E64980", "") },
        { 10, { "Slate", "石板" }, 0, gradientSvg("#ADB5BD", "#343A40", stripes("#FFFFFF")) },
        { 11, { "Lemon", "柠檬" }, 0, gradientSvg("#FFF9DB", "#FCC419", "") },
        { 12, { "Aurora", "极光" }, 1, gradientSvg("#63E6BE", "#5F3DC4", dots("#FFFFFF")) },
    };
}

std::vector<FontFile> findFonts(const std::string& directory)
{
    const std::vector<FontFile> candidates = {
        { "DejaVuSans.ttf", "DejaVu Sans", "DejaVu Sans" },
        { "DejaVuSans-Bold.ttf", "DejaVu Sans", "DejaVu Sans Bold" },
        { "DejaVuSerif.ttf", "DejaVu Serif", "DejaVu Serif" },
        { "DejaVuSerif-Bold.ttf", "DejaVu Serif", "DejaVu Serif Bold" },
        { "DejaVuSansMono.ttf", "DejaVu Sans Mono", "DejaVu Sans Mono" },
        { "DejaVuSansMono-Bold.ttf", "DejaVu Sans Mono", "DejaVu Sans Mono Bold" },
    };
    std::vector<FontFile> found;
    for (const auto& font : candidates)
        if (QFileInfo::exists(QString::fromStdString(directory + "/" + font.file)))
            found.push_back(font);
    return found;
}

std::string upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

FixtureCatalog::FixtureCatalog(int templateCount, std::string fontDirectory)
    : m_industries(makeIndustries())
    , m_styleGroups(makeStyleGroups())
    , m_tonePalettes(makeTonePalettes())
    , m_graphicCategories(makeGraphicCategories())
    , m_backgrounds(makeBackgrounds())
    , m_fonts(findFonts(fontDirectory))
    , m_fontDirectory(std::move(fontDirectory))
{
    const int count = std::max(0, templateCount);
    m_templates.reserve(static_cast<size_t>(count));
    for (int id = 1; id <= count; ++id) {
        const std::uint64_t seed = mix(static_cast<std::uint64_t>(id));
        const Industry& industry = m_industries[seed % m_industries.size()];
        DesignTraits traits;
        traits.industryId = industry.id;
        traits.symbolId = industry.symbols[(seed >> 8) % industry.symbols.size()].id;
        traits.designStyle = static_cast<int>((seed >> 16) % m_styleGroups[0].styles.size());
        traits.tone = static_cast<int>((seed >> 24) % m_tonePalettes.size());
        traits.palette = static_cast<int>((seed >> 32) % m_tonePalettes[static_cast<size_t>(traits.tone)].size());
        m_templates.push_back({ id, brandName(industry.id, seed >> 40), traits });
    }
}

std::uint64_t FixtureCatalog::mix(std::uint64_t value)
{
    // SplitMix64: a fixed, portable scramble so every run makes the same data.
    value += 0x9E3779B97F4A7C15ULL;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ULL;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBULL;
    return value ^ (value >> 31);
}

const Industry* FixtureCatalog::industry(int id) const
{
    const auto found = std::find_if(
        m_industries.begin(), m_industries.end(), [id](const Industry& industry) { return industry.id == id; });
    return found != m_industries.end() ? &*found : nullptr;
}

const Symbol* FixtureCatalog::symbol(int id) const
{
    const Industry* owner = industry(id / 10);
    if (!owner)
        return nullptr;
    const auto found
        = std::find_if(owner->symbols.begin(), owner->symbols.end(), [id](const Symbol& s) { return s.id == id; });
    return found != owner->symbols.end() ? &*found : nullptr;
}

const TemplateInfo* FixtureCatalog::templateById(int id) const
{
    if (id < 1 || id > static_cast<int>(m_templates.size()))
        return nullptr;
    return &m_templates[static_cast<size_t>(id - 1)];
}

std::optional<std::pair<int, int>> FixtureCatalog::styleLocation(int styleId) const
{
    for (size_t group = 0; group < m_styleGroups.size(); ++group) {
        const auto& styles = m_styleGroups[group].styles;
        for (size_t position = 0; position < styles.size(); ++position)
            if (styles[position].id == styleId)
                return std::make_pair(static_cast<int>(group), static_cast<int>(position));
    }
    return std::nullopt;
}

std::vector<Graphic> FixtureCatalog::graphics(int igid) const
{
    std::vector<Graphic> result;
    for (const auto& category : m_graphicCategories) {
        if (category.igid != igid)
            continue;
        int index = 1;
        for (const std::string& colour : graphicColours())
            for (const char* icon : category.icons)
                result.push_back({ igid * 1000 + index++, icon, colour });
    }
    return result;
}

const Background* FixtureCatalog::background(int id) const
{
    const auto found
        = std::find_if(m_backgrounds.begin(), m_backgrounds.end(), [id](const Background& b) { return b.id == id; });
    return found != m_backgrounds.end() ? &*found : nullptr;
}

const FontFile* FixtureCatalog::font(const std::string& file) const
{
    const auto found
        = std::find_if(m_fonts.begin(), m_fonts.end(), [&](const FontFile& font) { return font.file == file; });
    return found != m_fonts.end() ? &*found : nullptr;
}

std::vector<const TemplateInfo*> FixtureCatalog::similarTo(const TemplateInfo& info, size_t count) const
{
    std::vector<const TemplateInfo*> result;
    // Walk forward from the template so that neighbours differ from one design to the next.
    const size_t total = m_templates.size();
    for (size_t step = 1; step < total && result.size() < count; ++step) {
        const TemplateInfo& candidate = m_templates[(static_cast<size_t>(info.id - 1) + step) % total];
        if (candidate.traits.industryId == info.traits.industryId)
            result.push_back(&candidate);
    }
    for (size_t step = 1; step < total && result.size() < count; ++step) {
        const TemplateInfo& candidate = m_templates[(static_cast<size_t>(info.id - 1) + step) % total];
        if (std::find(result.begin(), result.end(), &candidate) == result.end())
            result.push_back(&candidate);
    }
    return result;
}

const std::vector<Palette>& FixtureCatalog::palettes(int tone) const
{
    const size_t count = m_tonePalettes.size();
    return m_tonePalettes[static_cast<size_t>(((tone % static_cast<int>(count)) + static_cast<int>(count))) % count];
}

LogoSpec FixtureCatalog::logoSpec(const std::string& name, const DesignTraits& traits) const
{
    LogoSpec spec;
    spec.name = name;
    spec.designStyle = traits.designStyle;
    const auto& tonePalettes = palettes(traits.tone);
    spec.palette = tonePalettes[static_cast<size_t>(std::max(0, traits.palette)) % tonePalettes.size()];
    const Symbol* chosen = symbol(traits.symbolId);
    spec.icon = chosen ? chosen->icon : "circle";
    const Industry* owner = industry(traits.industryId);
    const bool badgeLike = traits.designStyle == 2 || traits.designStyle == 7;
    if (badgeLike)
        spec.tagline = "EST. " + std::to_string(1990 + (traits.symbolId + traits.palette * 7) % 34);
    else if (owner)
        spec.tagline = upper(owner->name.en);
    return spec;
}

std::string FixtureCatalog::templateSvg(const TemplateInfo& info) const
{
    return LogoComposer::compose(logoSpec(info.name, info.traits));
}

DesignTexts FixtureCatalog::describe(const std::string& name, const DesignTraits& traits, bool chinese) const
{
    DesignTexts texts;
    const Industry* owner = industry(traits.industryId);
    const Symbol* chosen = symbol(traits.symbolId);
    const auto& designStyles = m_styleGroups[0].styles;
    const auto& tones = m_styleGroups[1].styles;
    const Style& style = designStyles[static_cast<size_t>(std::max(0, traits.designStyle)) % designStyles.size()];
    const Style& tone = tones[static_cast<size_t>(std::max(0, traits.tone)) % tones.size()];
    const std::string industryName = owner ? owner->name.pick(chinese) : (chinese ? "通用" : "General");
    const std::string symbolName = chosen ? chosen->word.pick(chinese) : (chinese ? "图形" : "Mark");
    texts.tradeName = industryName;
    texts.keywords = { industryName, symbolName, style.name.pick(chinese), tone.name.pick(chinese) };
    texts.styles = { style.name.pick(chinese), tone.name.pick(chinese) };
    if (chinese) {
        texts.desc = style.name.zh + std::string("风格的") + industryName + "标志，" + tone.name.zh + "配色";
        texts.prompt = "为“" + name + "”设计的" + style.name.zh + "风格" + industryName + "标志，以" + symbolName
            + "为图形元素，" + tone.name.zh + "配色，字体简洁清晰。";
    } else {
        texts.desc
            = std::string(style.name.en) + " " + lower(industryName) + " logo, " + lower(tone.name.en) + " palette";
        texts.prompt = "A " + lower(style.name.en) + " logo for \"" + name + "\", a " + lower(industryName)
            + " brand, featuring a " + lower(symbolName) + " symbol in " + lower(tone.name.en)
            + " colours with clean, legible lettering.";
    }
    return texts;
}

std::string FixtureCatalog::brandName(int industryId, std::uint64_t seed) const
{
    const auto& prefixes = brandPrefixes();
    const Industry* owner = industry(industryId);
    const std::string prefix = prefixes[seed % prefixes.size()];
    if (!owner || owner->nouns.empty())
        return prefix + " Studio";
    return prefix + " " + owner->nouns[(seed / prefixes.size()) % owner->nouns.size()];
}

std::string FixtureCatalog::stylePreviewSvg(int styleId) const
{
    const auto location = styleLocation(styleId);
    DesignTraits traits;
    traits.industryId = 121;
    traits.symbolId = 1212;
    if (location && location->first == 0) {
        traits.designStyle = location->second;
        traits.tone = 1;
    } else if (location) {
        traits.designStyle = 1;
        traits.tone = location->second;
    }
    LogoSpec preview = logoSpec("Aa", traits);
    preview.tagline.clear();
    return LogoComposer::compose(preview);
}

} // namespace standin
