#include "core/AsyncImageView.h"

#include "core/ColorUtilities.h"
#include "core/ImageLoader.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <cmath>

namespace {

const QString placeholderPath = QStringLiteral(":/images/un_load.svg");

// The largest rectangle of `size`'s aspect that fits in `frame`, centred.
QRectF fitted(QSizeF size, const QRectF& frame)
{
    if (size.isEmpty())
        return frame;
    size.scale(frame.size(), Qt::KeepAspectRatio);
    QRectF result(QPointF(), size);
    result.moveCenter(frame.center());
    return result;
}

} // namespace

AsyncImageView::AsyncImageView(
    const QString& urlString, double width, double height, double cornerRadius, QWidget* parent)
    : QWidget(parent)
    , m_imageLoader(new ImageLoader(this))
    , m_urlString(urlString)
    , m_cornerRadius(cornerRadius)
{
    setFixedSize(static_cast<int>(std::lround(width)), static_cast<int>(std::lround(height)));
    connect(m_imageLoader, &ImageLoader::imageChanged, this, qOverload<>(&QWidget::update));
    m_imageLoader->load(urlString);
}

void AsyncImageView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const QRectF frame = rect();
    QPainterPath clip;
    clip.addRoundedRect(frame, m_cornerRadius, m_cornerRadius);
    painter.setClipPath(clip);

    if (const std::optional<QImage>& image = m_imageLoader->image()) {
        painter.drawImage(fitted(image->size(), frame), *image);
        return;
    }
    if (!m_imageLoader->hasFailed()) {
        QLinearGradient gradient(frame.topLeft(), frame.bottomRight());
        gradient.setColorAt(0, Color(0xF5F5FF));
        gradient.setColorAt(1, Color(0xFAFAFF));
        painter.fillRect(frame, gradient);
    }
    QSvgRenderer placeholder(placeholderPath);
    placeholder.render(&painter, fitted(placeholder.defaultSize(), frame));
}
