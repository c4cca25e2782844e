#include "discovery/CardPainter.h"

#include "components/RoundedCorners.h"
#include "core/ColorUtilities.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

namespace {

QFont pixelFont(int pixelSize)
{
    QFont font = QApplication::font();
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Normal);
    return font;
}

QSvgRenderer& placeholderImage()
{
    static QSvgRenderer renderer(QStringLiteral(":/images/un_load.svg"));
    return renderer;
}

QPainterPath roundedPath(const QRect& rect, int radius)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(rect), radius, radius);
    return path;
}

} // namespace

void CardPainter::paintPlaceholder(QPainter& painter, const QRect& rect, int cornerRadius)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipPath(roundedPath(rect, cornerRadius));
    QLinearGradient gradient(rect.topLeft(), rect.bottomRight());
    gradient.setColorAt(0, Color(0xF5F5FF));
    gradient.setColorAt(1, Color(0xFAFAFF));
    painter.fillRect(rect, gradient);
    QSvgRenderer& image = placeholderImage();
    if (image.isValid()) {
        QSizeF size = image.defaultSize();
        size.scale(QSizeF(rect.size()), Qt::KeepAspectRatio);
        const QRectF target(QPointF(rect.center()) - QPointF(size.width() / 2, size.height() / 2), size);
        image.render(&painter, target);
    }
    painter.restore();
}

void CardPainter::paintImage(QPainter& painter, const QRect& rect, int cornerRadius, const QPixmap& image)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setClipPath(roundedPath(rect, cornerRadius));
    QSizeF size = image.deviceIndependentSize();
    size.scale(QSizeF(rect.size()), Qt::KeepAspectRatio);
    const QRectF target(
        QPointF(rect.center()) + QPointF(0.5, 0.5) - QPointF(size.width() / 2, size.height() / 2), size);
    painter.drawPixmap(target, image, QRectF(image.rect()));
    painter.restore();
}

QRect CardPainter::captionRect(const QRect& cardRect)
{
    return QRect(cardRect.left(), cardRect.bottom() + 1 - CardMetrics::captionHeight, cardRect.width(),
        CardMetrics::captionHeight);
}

void CardPainter::paintCaption(QPainter& painter, const QRect& cardRect, const QString& title, const QString& desc)
{
    using namespace CardMetrics;
    const QRect band = captionRect(cardRect);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const CornerRadii radii { 0, 0, cornerRadius, cornerRadius };
    painter.fillPath(
        RoundedCorners::path(QRectF(band), RoundedCorners::clamped(radii, QSizeF(band.size()))), Color(0x000000, 0.45));

    const int textWidth = band.width() - 2 * captionInset;
    const QFont titleFont = pixelFont(titlePixelSize);
    const QFont descFont = pixelFont(descPixelSize);
    const QFontMetrics titleMetrics(titleFont);
    const QFontMetrics descMetrics(descFont);
    const int gap = 2;
    const int blockHeight = titleMetrics.height() + gap + descMetrics.height();
    const int top = band.top() + (band.height() - blockHeight) / 2;

    painter.setFont(titleFont);
    painter.setPen(Color(0xFFFFFF));
    painter.drawText(QRect(band.left() + captionInset, top, textWidth, titleMetrics.height()),
        Qt::AlignLeft | Qt::AlignVCenter, titleMetrics.elidedText(title, Qt::ElideRight, textWidth));
    painter.setFont(descFont);
    painter.setPen(Color(0xF1F3F5));
    painter.drawText(
        QRect(band.left() + captionInset, top + titleMetrics.height() + gap, textWidth, descMetrics.height()),
        Qt::AlignLeft | Qt::AlignVCenter, descMetrics.elidedText(desc, Qt::ElideRight, textWidth));
    painter.restore();
}
