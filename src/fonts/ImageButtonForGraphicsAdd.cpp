#include "fonts/ImageButtonForGraphicsAdd.h"

#include "core/ImageLoader.h"
#include "core/Localization.h"
#include "core/Log.h"

#include <QPainter>
#include <QPainterPath>
#include <QUrl>

ImageButtonForGraphicsAdd::ImageButtonForGraphicsAdd(const ResourceImagesModelDatasImages& model, QWidget* parent)
    : QAbstractButton(parent)
    , m_model(model)
    , m_loader(new ImageLoader(this))
{
    setCursor(Qt::PointingHandCursor);
    setFixedSize(sizeHint());
    connect(m_loader, &ImageLoader::imageChanged, this, [this] {
        if (m_loader->hasFailed())
            printLine(QStringLiteral("Error loading image: ") + m_imageUrl);
        update();
    });
}

QSize ImageButtonForGraphicsAdd::sizeHint() const
{
    return { cellWidth, imageSize + 2 * inset };
}

bool ImageButtonForGraphicsAdd::hasThumbnail() const
{
    return m_loader->image().has_value() && !m_loader->image()->isNull();
}

void ImageButtonForGraphicsAdd::loadThumbnail()
{
    if (m_requested)
        return;
    m_requested = true;
    m_imageUrl = m_model.thumb;
    const QUrl url(m_imageUrl, QUrl::StrictMode);
    if (m_imageUrl.isEmpty() || !url.isValid() || url.isRelative()) {
        printLine(QStringLiteral("Invalid URL"));
        return;
    }
    m_loader->load(m_imageUrl);
}

void ImageButtonForGraphicsAdd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect box((width() - imageSize) / 2, inset, imageSize, imageSize);
    if (!hasThumbnail()) {
        painter.setPen(QColor(0xAD, 0xB5, 0xBD));
        painter.drawText(box, Qt::AlignCenter, localized(QStringLiteral("...")));
        return;
    }
    const QImage& image = *m_loader->image();
    const QSize fitted = image.size().scaled(box.size(), Qt::KeepAspectRatio);
    const QRect target(box.center().x() - fitted.width() / 2 + 1, box.center().y() - fitted.height() / 2 + 1,
        fitted.width(), fitted.height());
    QPainterPath clip;
    clip.addRoundedRect(target, 6, 6);
    painter.setClipPath(clip);
    painter.drawImage(target, image);
}
