#include "standin/AssetHandlers.h"

#include "standin/FileUtil.h"
#include "standin/LogoComposer.h"

#include <cstdlib>
#include <httplib.h>

namespace standin {

namespace {

Reply notFound()
{
    return Reply::text(404, "Not Found");
}

Reply svgReply(const std::optional<std::string>& svg)
{
    return svg ? Reply::bytes(*svg, "image/svg+xml") : notFound();
}

int toInt(const std::string& digits)
{
    return digits.size() > 9 ? -1 : std::atoi(digits.c_str());
}

long long toId(const std::string& digits)
{
    return digits.size() > 18 ? -1 : std::atoll(digits.c_str());
}

} // namespace

AssetHandlers::AssetHandlers(const FixtureCatalog& catalog, const DesignStore& designs, PictureStore& pictures)
    : m_catalog(catalog)
    , m_designs(designs)
    , m_pictures(pictures)
{
}

Reply AssetHandlers::image(const std::string& cacheKey, const std::function<std::optional<std::string>()>& svg,
    int size, const std::string& format)
{
    if (!ImageRenderer::canRender())
        return Reply::text(503, "Images need a GUI application to render");
    const auto bytes = m_renderer.render(cacheKey, svg, size, format);
    return bytes ? Reply::bytes(*bytes, "image/" + format) : notFound();
}

Reply AssetHandlers::designAsset(
    const std::string& cacheKey, const std::string& file, const std::function<std::optional<std::string>()>& svg)
{
    if (file == "design.svg")
        return svgReply(svg());
    if (file == "thumb.png")
        return image(cacheKey + "/thumb", svg, 256, "png");
    if (file == "image.png")
        return image(cacheKey + "/image.png", svg, 512, "png");
    if (file == "image.webp")
        return image(cacheKey + "/image.webp", svg, 512, "webp");
    if (file == "original.png")
        return image(cacheKey + "/original", svg, 1024, "png");
    return notFound();
}

Reply AssetHandlers::templateFile(const RouteRequest& request)
{
    const TemplateInfo* info = m_catalog.templateById(toInt(request.capture(1)));
    if (!info)
        return notFound();
    return designAsset("t" + std::to_string(info->id), request.capture(2),
        [this, info]() -> std::optional<std::string> { return m_catalog.templateSvg(*info); });
}

Reply AssetHandlers::designFile(const RouteRequest& request)
{
    const std::string key = request.capture(1);
    const long long id = toId(request.capture(2));
    // The revision is part of the address so a changed design gets new image addresses.
    return designAsset("d/" + key + "/" + std::to_string(id) + "/" + request.capture(3), request.capture(4),
        [this, key, id] { return m_designs.svgByUserKey(key, id); });
}

Reply AssetHandlers::styleImage(const RouteRequest& request)
{
    const int id = toInt(request.capture(1));
    if (!m_catalog.styleLocation(id))
        return notFound();
    return image(
        "s" + std::to_string(id), [this, id]() -> std::optional<std::string> { return m_catalog.stylePreviewSvg(id); },
        140, "png");
}

Reply AssetHandlers::graphic(const RouteRequest& request)
{
    const int id = toInt(request.capture(1));
    for (const Graphic& graphic : m_catalog.graphics(id / 1000)) {
        if (graphic.imageId != id)
            continue;
        const std::string svg = LogoComposer::graphic(graphic.icon, graphic.colour);
        if (request.capture(2) == "svg")
            return Reply::bytes(svg, "image/svg+xml");
        return image(
            "g" + std::to_string(id), [svg]() -> std::optional<std::string> { return svg; }, 128, "png");
    }
    return notFound();
}

Reply AssetHandlers::categoryIcon(const RouteRequest& request)
{
    const int igid = toInt(request.capture(1));
    const auto graphics = m_catalog.graphics(igid);
    if (graphics.empty())
        return notFound();
    const std::string svg = LogoComposer::graphic(graphics.front().icon, "#ADB5BD");
    return image(
        "c" + std::to_string(igid), [svg]() -> std::optional<std::string> { return svg; }, 64, "png");
}

Reply AssetHandlers::backgroundFile(const RouteRequest& request)
{
    const Background* background = m_catalog.background(toInt(request.capture(1)));
    if (!background)
        return notFound();
    const bool thumb = request.capture(2) == "thumb.png";
    return image(
        "b" + std::to_string(background->id) + (thumb ? "/thumb" : "/image"),
        [background]() -> std::optional<std::string> { return background->svg; }, thumb ? 128 : 512, "png");
}

Reply AssetHandlers::font(const RouteRequest& request) const
{
    // Only the catalogue's own files are served, never a path from the request.
    const FontFile* font = m_catalog.font(request.capture(1));
    if (!font)
        return notFound();
    const auto bytes = FileUtil::read(m_catalog.fontDirectory() + "/" + font->file);
    return bytes ? Reply::bytes(*bytes, "font/ttf") : notFound();
}

Reply AssetHandlers::picture(const RouteRequest& request) const
{
    const auto png = m_pictures.picture(request.capture(1));
    return png ? Reply::bytes(*png, "image/png") : notFound();
}

Reply AssetHandlers::putPicture(const RouteRequest& request)
{
    const std::string signature
        = request.http.has_param("signature") ? request.http.get_param_value("signature") : std::string {};
    const long long expires = request.http.has_param("expires")
        ? std::strtoll(request.http.get_param_value("expires").c_str(), nullptr, 10)
        : 0;
    switch (m_pictures.put(request.capture(1), signature, expires, request.http.body)) {
    case PictureStore::PutResult::Stored:
        return Reply::text(200, "");
    case PictureStore::PutResult::Forbidden:
        return Reply::text(403, "SignatureDoesNotMatch");
    case PictureStore::PutResult::Expired:
        return Reply::text(403, "Request has expired");
    case PictureStore::PutResult::TooLarge:
        return Reply::text(413, "EntityTooLarge");
    case PictureStore::PutResult::NotPng:
        return Reply::text(400, "The body is not a PNG image");
    case PictureStore::PutResult::WriteFailed:
        break;
    }
    return Reply::text(500, "The picture could not be stored");
}

Reply AssetHandlers::sitePage(const RouteRequest& request) const
{
    const std::string page = request.http.path;
    return Reply::bytes("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Tessaly</title></head>"
                        "<body><h1>Tessaly</h1><p>This page stands in for "
            + LogoComposer::escapeXml(page) + " of the Tessaly web site.</p></body></html>\n",
        "text/html; charset=utf-8");
}

} // namespace standin
