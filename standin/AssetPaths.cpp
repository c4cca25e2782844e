#include "standin/AssetPaths.h"

#include "standin/ImageRenderer.h"

namespace standin {

std::string AssetPaths::imageFile()
{
    return ImageRenderer::webpAvailable() ? "image.webp" : "image.png";
}

} // namespace standin
