#include "standin/ApiHandlers.h"

#include "standin/AssetPaths.h"
#include "standin/Gzip.h"
#include "standin/LogoComposer.h"

#include <QBuffer>
#include <QDateTime>
#include <QImage>
#include <QXmlStreamReader>
#include <algorithm>
#include <functional>
#include <httplib.h>
#include <utility>

namespace standin {

namespace {

constexpr size_t stylesPerGroup = 4;

using json = nlohmann::json;

// The three envelopes the API's operations answer in.
json withReason(int status, const std::string& reason, json data)
{
    return { { "status", status }, { "reason", reason }, { "data", std::move(data) } };
}
json withMsg(int status, const std::string& msg, json data)
{
    return { { "status", status }, { "msg", msg }, { "data", std::move(data) } };
}
json withCode(int code, const std::string& message, json data)
{
    return { { "code", code }, { "message", message }, { "data", std::move(data) } };
}

json tradeObject(int industryId, const std::string& name)
{
    return { { "id", std::to_string(industryId) }, { "trade", name } };
}

json keywordArray(const std::string& owner, const std::vector<std::string>& words)
{
    json array = json::array();
    for (size_t i = 0; i < words.size(); ++i)
        array.push_back({ { "id", owner + "-kw" + std::to_string(i + 1) }, { "word", words[i] } });
    return array;
}

json styleArray(const std::string& owner, const std::vector<std::string>& styles)
{
    json array = json::array();
    for (size_t i = 0; i < styles.size(); ++i)
        array.push_back({ { "id", owner + "-st" + std::to_string(i + 1) }, { "style", styles[i] } });
    return array;
}

// True when the text is a well-formed XML document whose root is <svg>.
bool isSvgDocument(const std::string& text)
{
    QXmlStreamReader reader(QByteArray::fromStdString(text));
    bool sawRoot = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && !sawRoot) {
            if (reader.name() != QLatin1String("svg"))
                return false;
            sawRoot = true;
        }
    }
    return sawRoot && !reader.hasError();
}

std::string formField(const httplib::Request& request, const char* name)
{
    const auto field = request.files.find(name);
    return field != request.files.end() ? field->second.content : std::string {};
}

std::string shrunkPng(const std::string& png, int side)
{
    QImage image;
    if (!image.loadFromData(QByteArray::fromStdString(png), "PNG"))
        return png;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.scaled(side, side, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation).save(&buffer, "PNG");
    return bytes.toStdString();
}

std::uint64_t textSeed(const std::string& text)
{
    return std::hash<std::string> {}(text);
}

} // namespace

ApiHandlers::ApiHandlers(
    const FixtureCatalog& catalog, DesignStore& designs, PictureStore& pictures, std::string updateVersion)
    : m_catalog(catalog)
    , m_designs(designs)
    , m_pictures(pictures)
    , m_updateVersion(std::move(updateVersion))
{
}

// Templates and the users' designs

json ApiHandlers::templateCard(const TemplateInfo& info, const RouteRequest& request) const
{
    const DesignTexts texts = m_catalog.describe(info.name, info.traits, isChineseLanguage(request.lang()));
    const std::string id = std::to_string(info.id);
    return { { "id", id }, { "title", info.name }, { "desc", texts.desc },
        { "trade", tradeObject(info.traits.industryId, texts.tradeName) },
        { "img", request.url(AssetPaths::templateFile(info.id, AssetPaths::imageFile())) },
        { "thumb", request.url(AssetPaths::templateFile(info.id, "thumb.png")) },
        { "keywords", { { "id", "t" + id + "-kws" }, { "keywords", keywordArray("t" + id, texts.keywords) } } },
        { "svg", request.url(AssetPaths::templateFile(info.id, "design.svg")) }, { "select", false } };
}

json ApiHandlers::templateDetail(const TemplateInfo& info, const RouteRequest& request) const
{
    const DesignTexts texts = m_catalog.describe(info.name, info.traits, isChineseLanguage(request.lang()));
    const std::string id = std::to_string(info.id);
    return { { "id", id }, { "title", info.name }, { "desc", texts.desc },
        { "trade", tradeObject(info.traits.industryId, texts.tradeName) },
        { "img", request.url(AssetPaths::templateFile(info.id, AssetPaths::imageFile())) },
        { "thumb", request.url(AssetPaths::templateFile(info.id, "thumb.png")) },
        { "keywords", keywordArray("t" + id, texts.keywords) }, { "styles", styleArray("t" + id, texts.styles) },
        { "svg", request.url(AssetPaths::templateFile(info.id, "design.svg")) }, { "prompt", texts.prompt },
        { "orig_img", request.url(AssetPaths::templateFile(info.id, "original.png")) } };
}

DesignTexts ApiHandlers::textsOf(const DesignRecord& record, bool chinese) const
{
    if (record.hasTraits)
        return m_catalog.describe(record.title, record.traits, chinese);
    DesignTexts texts;
    texts.desc = chinese ? "由你的图片生成的标志" : "A logo made from your picture";
    texts.tradeName = chinese ? "通用" : "General";
    texts.keywords = { chinese ? "图片" : "Picture", chinese ? "个性" : "Personal" };
    texts.prompt = chinese ? "以上传的图片为主体，配以简洁的文字。"
                           : "Built around the uploaded picture, with simple lettering.";
    return texts;
}

json ApiHandlers::designCard(const DesignRecord& record, const RouteRequest& request) const
{
    const DesignTexts texts = textsOf(record, isChineseLanguage(request.lang()));
    const std::string key = DesignStore::userKey(request.uuid());
    const std::string id = std::to_string(record.id);
    return { { "id", id }, { "title", record.title }, { "desc", texts.desc },
        { "trade", tradeObject(record.traits.industryId, texts.tradeName) },
        { "img", request.url(AssetPaths::designFile(key, record.id, record.revision, AssetPaths::imageFile())) },
        { "thumb", request.url(AssetPaths::designFile(key, record.id, record.revision, "thumb.png")) },
        { "keywords", { { "id", "d" + id + "-kws" }, { "keywords", keywordArray("d" + id, texts.keywords) } } },
        { "svg", request.url(AssetPaths::designFile(key, record.id, record.revision, "design.svg")) },
        { "ver", record.ver } };
}

json ApiHandlers::designDetail(const DesignRecord& record, const RouteRequest& request) const
{
    const DesignTexts texts = textsOf(record, isChineseLanguage(request.lang()));
    const std::string key = DesignStore::userKey(request.uuid());
    const std::string id = std::to_string(record.id);
    return { { "id", id }, { "title", record.title }, { "desc", texts.desc },
        { "trade", tradeObject(record.traits.industryId, texts.tradeName) },
        { "img", request.url(AssetPaths::designFile(key, record.id, record.revision, AssetPaths::imageFile())) },
        { "thumb", request.url(AssetPaths::designFile(key, record.id, record.revision, "thumb.png")) },
        { "keywords", keywordArray("d" + id, texts.keywords) }, { "styles", styleArray("d" + id, texts.styles) },
        { "svg", request.url(AssetPaths::designFile(key, record.id, record.revision, "design.svg")) },
        { "prompt", texts.prompt },
        { "orig_img", request.url(AssetPaths::designFile(key, record.id, record.revision, "original.png")) } };
}

Reply ApiHandlers::discoveryList(const RouteRequest& request) const
{
    const long long pageNo = std::max(0LL, request.integer("page_no").value_or(0));
    long long pageLen = request.integer("page_len").value_or(20);
    if (pageLen <= 0)
        pageLen = 20;
    const std::string cacheKey = request.baseUrl + "|" + (isChineseLanguage(request.lang()) ? "zh" : "en") + "|"
        + std::to_string(pageNo) + "|" + std::to_string(pageLen);
    {
        std::lock_guard lock(m_pageMutex);
        if (const auto cached = m_pageCache.find(cacheKey); cached != m_pageCache.end())
            return Reply { 200, cached->second };
    }
    const auto& templates = m_catalog.templates();
    json items = json::array();
    // Bounded by the list before multiplying: the request's numbers may be any.
    const long long size = static_cast<long long>(templates.size());
    const long long first = pageNo <= size / pageLen ? pageNo * pageLen : size;
    const long long last = first + std::min(pageLen, size - first);
    for (long long i = first; i < last; ++i)
        items.push_back(templateCard(templates[static_cast<size_t>(i)], request));
    json advertisement = json::array();
    for (size_t i = 0; i < 2 && i < templates.size(); ++i)
        advertisement.push_back(templateCard(templates[i], request));
    Reply reply = Reply::json(withReason(0, "success",
        { { "page_no", pageNo }, { "page_len", pageLen }, { "advertisement", advertisement }, { "items", items } }));
    std::lock_guard lock(m_pageMutex);
    if (m_pageCache.size() >= 16)
        m_pageCache.clear();
    m_pageCache.emplace(cacheKey, reply.body);
    return reply;
}

Reply ApiHandlers::designList(const RouteRequest& request) const
{
    if (request.uuid().empty())
        return Reply::json(withReason(1, "missing uuid", json::object()));
    json items = json::array();
    for (const DesignRecord& record : m_designs.designs(request.uuid()))
        items.push_back(designCard(record, request));
    return Reply::json(withReason(0, "success", { { "user_name", "" }, { "items", items } }));
}

Reply ApiHandlers::templateDetails(const RouteRequest& request) const
{
    const TemplateInfo* info = m_catalog.templateById(static_cast<int>(request.integer("item_id").value_or(0)));
    if (!info)
        return Reply::json(withReason(1, "template not found", json::object()));
    json similar = json::array();
    for (const TemplateInfo* other : m_catalog.similarTo(*info, 2))
        similar.push_back(templateDetail(*other, request));
    return Reply::json(
        withReason(0, "success", { { "item", templateDetail(*info, request) }, { "similar", similar } }));
}

Reply ApiHandlers::designDetails(const RouteRequest& request) const
{
    const auto record = m_designs.design(request.uuid(), request.integer("item_id").value_or(0));
    if (!record)
        return Reply::json(withReason(1, "design not found", json::object()));
    // The client reloads a similar design of a saved design with the design
    // request, so only the user's own other designs can be similar to it.
    json similar = json::array();
    for (const DesignRecord& other : m_designs.designs(request.uuid())) {
        if (similar.size() == 2)
            break;
        if (other.id != record->id)
            similar.push_back(designDetail(other, request));
    }
    return Reply::json(
        withReason(0, "success", { { "item", designDetail(*record, request) }, { "similar", similar } }));
}

Reply ApiHandlers::deleteDesign(const RouteRequest& request) const
{
    const auto id = request.integer("item_id");
    if (!id || !m_designs.remove(request.uuid(), *id))
        return Reply::json(withReason(1, "design not found", json::object()));
    return Reply::json(withReason(0, "success", json::object()));
}

Reply ApiHandlers::saveLogoFile(const RouteRequest& request) const
{
    const httplib::Request& http = request.http;
    auto fail = [](int status, const std::string& msg) { return Reply::json(withMsg(status, msg, json::object())); };
    if (!http.is_multipart_form_data())
        return fail(1, "expected a multipart form");
    const std::string uuid = formField(http, "uuid");
    if (uuid.empty())
        return fail(2, "missing uuid");
    const auto file = http.files.find("filename");
    if (file == http.files.end() || file->second.filename.empty())
        return fail(3, "missing file part \"filename\"");
    const auto svg = Gzip::decompress(file->second.content);
    if (!svg)
        return fail(4, "the file is not gzip data");
    if (!isSvgDocument(*svg))
        return fail(5, "the file is not an SVG document");

    const std::string from = formField(http, "from");
    const long long itemId = request.integer("item_id").value_or(0);
    std::optional<DesignRecord> stored;
    if (from == "design" && m_designs.design(uuid, itemId)) {
        stored = m_designs.replaceSvg(uuid, itemId, *svg);
    } else {
        DesignRecord record;
        record.origin = "upload";
        record.title = "Untitled design";
        const TemplateInfo* info
            = std::in_range<int>(itemId) ? m_catalog.templateById(static_cast<int>(itemId)) : nullptr;
        if (info && from == "template") {
            record.origin = "template";
            record.title = info->name;
            record.hasTraits = true;
            record.traits = info->traits;
        }
        stored = m_designs.add(uuid, record, *svg);
    }
    if (!stored)
        return fail(6, "the design could not be stored");
    const std::string key = DesignStore::userKey(uuid);
    return Reply::json(withMsg(0, "操作成功",
        { { "item_id", std::to_string(stored->id) },
            { "svg", request.url(AssetPaths::designFile(key, stored->id, stored->revision, "design.svg")) } }));
}

// The AI wizard and the free creator

nlohmann::json ApiHandlers::symbolEntry(const Symbol& symbol, int industryId, bool chinese) const
{
    return { { "id", std::to_string(symbol.id) }, { "word", symbol.word.pick(chinese) },
        { "level", std::to_string(1 + symbol.id % 3) }, { "trade_id", std::to_string(industryId) },
        { "isSelected", false } };
}

nlohmann::json ApiHandlers::styleEntry(const Style& style, const RouteRequest& request) const
{
    const bool chinese = isChineseLanguage(request.lang());
    return { { "id", std::to_string(style.id) }, { "name", style.name.pick(chinese) },
        { "desc", style.desc.pick(chinese) }, { "img", request.url(AssetPaths::styleImage(style.id)) } };
}

Reply ApiHandlers::industries(const RouteRequest& request) const
{
    const bool chinese = isChineseLanguage(request.lang());
    json trades = json::array();
    for (const Industry& industry : m_catalog.industries())
        trades.push_back({ { "id", std::to_string(industry.id) }, { "name", industry.name.pick(chinese) } });
    return Reply::json(withMsg(0, "success", { { "trade", trades } }));
}

Reply ApiHandlers::styles(const RouteRequest& request) const
{
    const bool chinese = isChineseLanguage(request.lang());
    json groups = json::array();
    for (const StyleGroup& group : m_catalog.styleGroups()) {
        // One row of four per group, as the wizard lays them out; the other
        // styles stay valid for a generation.
        json contents = json::array();
        for (size_t i = 0; i < std::min<size_t>(stylesPerGroup, group.styles.size()); ++i)
            contents.push_back(styleEntry(group.styles[i], request));
        groups.push_back(
            { { "id", std::to_string(group.id) }, { "name", group.name.pick(chinese) }, { "contents", contents } });
    }
    return Reply::json(withMsg(0, "success", { { "all_styles", groups } }));
}

Reply ApiHandlers::symbols(const RouteRequest& request) const
{
    const Industry* industry = m_catalog.industry(static_cast<int>(request.integer("trade_id").value_or(0)));
    if (!industry)
        return Reply::json(withMsg(1, "unknown industry", { { "content0", json::array() } }));
    const bool chinese = isChineseLanguage(request.lang());
    json content = json::array();
    for (const Symbol& symbol : industry->symbols)
        content.push_back(symbolEntry(symbol, industry->id, chinese));
    return Reply::json(withMsg(0, "success", { { "content0", content } }));
}

Reply ApiHandlers::aiMake(const RouteRequest& request) const
{
    auto fail = [](int status, const std::string& msg) {
        return Reply::json(withMsg(status, msg, { { "item", json::object() } }));
    };
    const std::string uuid = request.uuid();
    if (uuid.empty())
        return fail(1, "missing uuid");
    const Industry* industry = m_catalog.industry(static_cast<int>(request.integer("trade_id").value_or(0)));
    const auto styleId = request.firstInteger("styles_ids");
    const auto style = styleId ? m_catalog.styleLocation(static_cast<int>(*styleId)) : std::nullopt;
    const auto symbolId = request.firstInteger("contents_ids");
    const Symbol* symbol = symbolId ? m_catalog.symbol(static_cast<int>(*symbolId)) : nullptr;
    if (!industry || !style || !symbol)
        return fail(2, "invalid industry, style or symbol");

    const std::uint64_t seed = FixtureCatalog::mix(textSeed(uuid) + m_designs.designs(uuid).size() * 7919
        + static_cast<std::uint64_t>(industry->id * 31 + symbol->id));
    DesignRecord record;
    record.origin = "ai";
    record.hasTraits = true;
    record.traits.industryId = industry->id;
    record.traits.symbolId = symbol->id;
    const auto [styleGroup, styleIndex] = *style;
    record.traits.designStyle = styleGroup == 0 ? styleIndex : static_cast<int>(seed % 8);
    record.traits.tone = styleGroup == 1 ? styleIndex : static_cast<int>((seed >> 8) % 6);
    record.traits.palette = static_cast<int>((seed >> 16) % 3);
    record.title = m_catalog.brandName(industry->id, seed >> 24);
    const auto stored
        = m_designs.add(uuid, record, LogoComposer::compose(m_catalog.logoSpec(record.title, record.traits)));
    if (!stored)
        return fail(3, "the design could not be stored");
    json card = designCard(*stored, request);
    card.erase("svg");
    card.erase("ver");
    return Reply::json(withMsg(0, "success", { { "item", card } }));
}

Reply ApiHandlers::freeAiGet(const RouteRequest& request)
{
    // Every call offers the next pair of industries and styles, like a refresh.
    const unsigned call = m_freeCalls++;
    const bool chinese = isChineseLanguage(request.lang());
    const auto& industries = m_catalog.industries();
    const auto& designStyles = m_catalog.styleGroups().front().styles;
    json trades = json::array();
    json contents = json::array();
    for (unsigned k = 0; k < 2; ++k) {
        const Industry& industry = industries[(call * 2 + k) % industries.size()];
        trades.push_back({ { "id", std::to_string(industry.id) }, { "name", industry.name.pick(chinese) },
            { "desc", industry.desc.pick(chinese) } });
        for (const Symbol& symbol : industry.symbols)
            contents.push_back(symbolEntry(symbol, industry.id, chinese));
    }
    json styles = json::array();
    for (unsigned k = 0; k < 2; ++k)
        styles.push_back(styleEntry(designStyles[(call + k) % designStyles.size()], request));
    return Reply::json(withMsg(0, "success", { { "trades", trades }, { "styles", styles }, { "contents", contents } }));
}

// Picture to logo

Reply ApiHandlers::uploadPic(const RouteRequest& request) const
{
    const std::string uuid = request.uuid();
    if (uuid.empty())
        return Reply::json(
            { { "code", 1 }, { "message", "missing uuid" }, { "data", json::object() }, { "status", 1 } });
    const std::string id = m_pictures.issue(uuid);
    const long long expires = QDateTime::currentSecsSinceEpoch() + 900;
    const std::string prelink = request.url(AssetPaths::upload(id)) + "?expires=" + std::to_string(expires)
        + "&signature=" + m_pictures.signature(id);
    const json item = { { "uuid", uuid }, { "title", "" }, { "comment", "" }, { "name", "" }, { "slogon", "" },
        { "trade", "" }, { "keywords", "" }, { "styles", "" }, { "thumb", "" }, { "svg", "" }, { "md5", "" },
        { "s3_object", "pictures/" + id + ".png" }, { "s3_expired", std::to_string(expires) }, { "id", id },
        { "put_prelink", prelink }, { "img", request.url(AssetPaths::picture(id)) } };
    return Reply::json({ { "code", 0 }, { "message", "success" }, { "data", { { "item", item } } }, { "status", 0 } });
}

Reply ApiHandlers::createPic(const RouteRequest& request) const
{
    auto fail = [](int status, const std::string& message) {
        return Reply::json(
            { { "code", status }, { "message", message }, { "data", json::object() }, { "status", status } });
    };
    const std::string uuid = request.uuid();
    const auto png = m_pictures.uploaded(uuid, request.text("item_id"));
    if (uuid.empty() || !png)
        return fail(1, "no uploaded picture with this id");
    if (!PictureStore::decodesAsPng(*png))
        return fail(3, "the uploaded picture could not be read");
    const Palette palette = m_catalog.palettes(static_cast<int>(textSeed(request.text("item_id")) % 6)).front();
    DesignRecord record;
    record.origin = "picture";
    record.title = "Picture Logo";
    const auto stored
        = m_designs.add(uuid, record, LogoComposer::composeAroundPicture(shrunkPng(*png, 256), record.title, palette));
    if (!stored)
        return fail(2, "the design could not be stored");
    const std::string key = DesignStore::userKey(uuid);
    const json item = { { "uuid", uuid }, { "title", stored->title }, { "comment", "" }, { "name", stored->title },
        { "slogon", "" }, { "trade", "" }, { "keywords", "" }, { "styles", "" },
        { "thumb", request.url(AssetPaths::designFile(key, stored->id, stored->revision, "thumb.png")) },
        { "svg", request.url(AssetPaths::designFile(key, stored->id, stored->revision, "design.svg")) }, { "md5", "" },
        { "s3_object", "" }, { "s3_expired", "" }, { "id", std::to_string(stored->id) }, { "put_prelink", "" },
        { "img", request.url(AssetPaths::designFile(key, stored->id, stored->revision, AssetPaths::imageFile())) } };
    return Reply::json({ { "code", 0 }, { "message", "success" }, { "data", { { "item", item } } }, { "status", 0 } });
}

// Resources for the editor

Reply ApiHandlers::fontList(const RouteRequest& request) const
{
    // Six groups, in the order the client's merge addresses them by position;
    // the class sent as `lang` only renames them.
    const std::string scriptClass = request.lang();
    std::vector<std::string> names = { "Latin", "Serif", "Sans", "Monospace", "Other", "Display" };
    if (scriptClass == "SimpleChinese")
        names = { "English", "简体中文", "手写", "黑体", "其他", "展示" };
    else if (scriptClass == "TradtionalChinese")
        names = { "繁體中文", "手寫", "English", "黑體", "展示", "其他" };
    else if (scriptClass == "Japanese")
        names = { "日本語", "English", "手書き", "その他", "ゴシック", "明朝" };
    else if (scriptClass == "korean")
        names = { "한국어", "English", "손글씨", "고딕", "기타", "명조" };
    const auto& fonts = m_catalog.fonts();
    json groups = json::array();
    for (size_t g = 0; g < names.size(); ++g) {
        json list = json::array();
        for (size_t k = 0; k < 3 && !fonts.empty(); ++k) {
            const FontFile& font = fonts[(g + k * 2) % fonts.size()];
            list.push_back({ { "fontFamily", font.family }, { "fontType", "ttf" }, { "fontName", font.name },
                { "url", request.url(AssetPaths::font(font.file)) }, { "select", 0 }, { "isLocal", 0 } });
        }
        groups.push_back({ { "language", names[g] }, { "fontList", list } });
    }
    return Reply::json(withCode(0, "success", groups));
}

Reply ApiHandlers::graphicCategories(const RouteRequest& request) const
{
    const bool chinese = isChineseLanguage(request.lang());
    json items = json::array();
    for (const GraphicCategory& category : m_catalog.graphicCategories())
        items.push_back({ { "igid", std::to_string(category.igid) }, { "name", category.name.pick(chinese) },
            { "icon", request.url(AssetPaths::categoryIcon(category.igid)) } });
    return Reply::json(withCode(0, "success", { { "item", items } }));
}

Reply ApiHandlers::graphics(const RouteRequest& request) const
{
    const auto all = m_catalog.graphics(static_cast<int>(request.integer("type").value_or(0)));
    const long long page = std::max(0LL, request.integer("page").value_or(0));
    long long count = request.integer("count").value_or(50);
    if (count <= 0)
        count = 50;
    if (all.empty())
        return Reply::json(withCode(1, "unknown category",
            { { "item", { { "total_page", 0 }, { "current_page", page }, { "images", json::array() } } } }));
    // A page larger than the list reads as the whole list, and a page past
    // the last as an empty one, whatever numbers the request carries.
    const long long size = static_cast<long long>(all.size());
    count = std::min(count, size);
    const long long totalPages = (size + count - 1) / count;
    const long long first = page < totalPages ? page * count : size;
    const long long last = std::min(first + count, size);
    json images = json::array();
    for (long long i = first; i < last; ++i) {
        const Graphic& graphic = all[static_cast<size_t>(i)];
        images.push_back(
            { { "imageId", graphic.imageId }, { "url", request.url(AssetPaths::graphic(graphic.imageId, "svg")) },
                { "thumb", request.url(AssetPaths::graphic(graphic.imageId, "png")) } });
    }
    return Reply::json(withCode(0, "success",
        { { "item", { { "total_page", totalPages }, { "current_page", page }, { "images", images } } } }));
}

Reply ApiHandlers::backgrounds(const RouteRequest& request) const
{
    const bool chinese = isChineseLanguage(request.lang());
    json items = json::array();
    for (const Background& background : m_catalog.backgrounds())
        items.push_back({ { "imageId", std::to_string(background.id) },
            { "url", request.url(AssetPaths::backgroundFile(background.id, "image.png")) },
            { "thumb", request.url(AssetPaths::backgroundFile(background.id, "thumb.png")) }, { "pay", background.pay },
            { "name", background.name.pick(chinese) } });
    return Reply::json(withCode(0, "success", { { "item", items } }));
}

// Start-up operations

Reply ApiHandlers::config(const RouteRequest&) const
{
    return Reply::json(withMsg(0, "success", { { "free_times", "5" }, { "AI_type", "sdxl" }, { "edit_action", "1" } }));
}

Reply ApiHandlers::bindUser(const RouteRequest& request) const
{
    const std::string email = request.text("email");
    if (request.uuid().empty() || request.text("name").empty() || email.find('@') == std::string::npos)
        return Reply::json(withMsg(1, "a name and a valid email are required", json::object()));
    return Reply::json(withMsg(0, "success", json::object()));
}

Reply ApiHandlers::backupV1Design(const RouteRequest&) const
{
    return Reply::json({ { "code", 0 }, { "message", "success" },
        { "data", { { "logo_id", "" }, { "put_prelink", "" } } }, { "status", 0 } });
}

Reply ApiHandlers::checkUpdate(const RouteRequest& request) const
{
    const bool chinese = request.lang().rfind("zh", 0) == 0;
    const std::string description = chinese
        ? "Tessaly " + m_updateVersion + " 已发布：改进了编辑器并修复了若干问题。"
        : "Tessaly " + m_updateVersion + " is available: a smoother editor and several fixes.";
    return Reply::json({ { "code", 0 }, { "reason", "" }, { "status", 0 },
        { "data",
            { { "version", m_updateVersion }, { "url_base", request.baseUrl }, { "url", "/site/download" },
                { "description", description }, { "force", false }, { "ty_url", "" }, { "md5", "" } } } });
}

Reply ApiHandlers::sample(const RouteRequest&) const
{
    return Reply::json({ { "code", 0 }, { "msg", "sample" }, { "x", 1 }, { "y", 2 } });
}

} // namespace standin
