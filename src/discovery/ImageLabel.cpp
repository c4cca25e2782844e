#include "discovery/ImageLabel.h"

#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QSvgRenderer>

ImageLabel::ImageLabel(const QString& imageName, QSize size, QWidget* parent)
    : QWidget(parent)
    , m_imageName(imageName)
{
    setFixedSize(size);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ImageLabel::setImageName(const QString& imageName)
{
    if (m_imageName == imageName)
        return;
    m_imageName = imageName;
    update();
}

void ImageLabel::setAspectFill(bool fill)
{
    m_aspectFill = fill;
    update();
}

void ImageLabel::paintEvent(QPaintEvent*)
{
    // Each picture is parsed and drawn once per size and scale; repaints and
    // other labels showing it reuse the pixels.
    const qreal scale = devicePixelRatioF();
    const QString key = QStringLiteral("ImageLabel:%1:%2x%3:%4:%5")
                            .arg(m_imageName)
                            .arg(width())
                            .arg(height())
                            .arg(m_aspectFill)
                            .arg(scale);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = render(scale);
        QPixmapCache::insert(key, picture);
    }
    if (!picture.isNull())
        QPainter(this).drawPixmap(0, 0, picture);
}

QPixmap ImageLabel::render(qreal scale) const
{
    QSvgRenderer renderer(QStringLiteral(":/images/") + m_imageName + QStringLiteral(".svg"));
    if (!renderer.isValid())
        return {};
    QPixmap picture(size() * scale);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(rect());
    QSizeF fitted = renderer.defaultSize();
    fitted.scale(QSizeF(size()), m_aspectFill ? Qt::KeepAspectRatioByExpanding : Qt::KeepAspectRatio);
    const QPointF origin((width() - fitted.width()) / 2, (height() - fitted.height()) / 2);
    renderer.render(&painter, QRectF(origin, fitted));
    return picture;
}
