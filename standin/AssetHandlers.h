#pragma once

#include "standin/DesignStore.h"
#include "standin/FixtureCatalog.h"
#include "standin/ImageRenderer.h"
#include "standin/PictureStore.h"
#include "standin/Reply.h"
#include "standin/RouteRequest.h"

namespace standin {

// The files the API's replies point at: design SVGs and their rendered
// images, style previews, graphics, backgrounds, fonts, uploaded pictures,
// the presigned PUT that receives pictures, and the small web site.
class AssetHandlers {
public:
    AssetHandlers(const FixtureCatalog& catalog, const DesignStore& designs, PictureStore& pictures);

    // Captures: template id, file name.
    Reply templateFile(const RouteRequest& request);
    // Captures: user key, design id, revision, file name.
    Reply designFile(const RouteRequest& request);
    // Capture: style id.
    Reply styleImage(const RouteRequest& request);
    // Captures: image id, extension.
    Reply graphic(const RouteRequest& request);
    // Capture: category id.
    Reply categoryIcon(const RouteRequest& request);
    // Captures: background id, file name.
    Reply backgroundFile(const RouteRequest& request);
    // Capture: font file name.
    Reply font(const RouteRequest& request) const;
    // Capture: picture id.
    Reply picture(const RouteRequest& request) const;
    // Capture: picture id; the query carries the signature.
    Reply putPicture(const RouteRequest& request);
    Reply sitePage(const RouteRequest& request) const;

private:
    // The design's SVG, or one of its images rendered from it.
    Reply designAsset(
        const std::string& cacheKey, const std::string& file, const std::function<std::optional<std::string>()>& svg);
    Reply image(const std::string& cacheKey, const std::function<std::optional<std::string>()>& svg, int size,
        const std::string& format);

    const FixtureCatalog& m_catalog;
    const DesignStore& m_designs;
    PictureStore& m_pictures;
    ImageRenderer m_renderer;
};

} // namespace standin
