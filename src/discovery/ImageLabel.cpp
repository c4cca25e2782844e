#include "discovery/ImageLabel.h"

#include <QPainter>
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
    QSvgRenderer renderer(QStringLiteral(":/images/") + m_imageName + QStringLiteral(".svg"));
    if (!renderer.isValid())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(rect());
    QSizeF size = renderer.defaultSize();
    size.scale(QSizeF(this->size()), m_aspectFill ? Qt::KeepAspectRatioByExpanding : Qt::KeepAspectRatio);
    const QPointF origin((width() - size.width()) / 2, (height() - size.height()) / 2);
    renderer.render(&painter, QRectF(origin, size));
}
