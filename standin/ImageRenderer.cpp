#include "standin/ImageRenderer.h"

#include "standin/SvgForQtRenderer.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>

namespace standin {

ImageRenderer::ImageRenderer(size_t cacheLimit)
    : m_cacheLimit(cacheLimit)
{
}

bool ImageRenderer::webpAvailable()
{
    static const bool available = QImageWriter::supportedImageFormats().contains("webp");
    return available;
}

bool ImageRenderer::canRender()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

std::optional<std::string> ImageRenderer::renderNow(const std::string& svg, int size, const std::string& format)
{
    if (!canRender())
        return std::nullopt;
    QSvgRenderer renderer(QByteArray::fromStdString(svgForQtRenderer(svg)));
    if (!renderer.isValid())
        return std::nullopt;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format.c_str(), format == "webp" ? 85 : -1))
        return std::nullopt;
    return bytes.toStdString();
}

std::optional<std::string> ImageRenderer::render(
    const std::string& key, const std::function<std::optional<std::string>()>& svg, int size, const std::string& format)
{
    {
        std::lock_guard lock(m_mutex);
        const auto cached = m_cache.find(key);
        if (cached != m_cache.end())
            return cached->second;
    }
    const auto source = svg();
    if (!source)
        return std::nullopt;
    auto image = renderNow(*source, size, format);
    if (!image)
        return std::nullopt;
    std::lock_guard lock(m_mutex);
    if (m_cache.emplace(key, *image).second) {
        m_order.push_back(key);
        while (m_order.size() > m_cacheLimit) {
            m_cache.erase(m_order.front());
            m_order.pop_front();
        }
    }
    return image;
}

} // namespace standin
