#pragma once

// Drawing shared by the Discovery cards and the My Design tiles: the image
// with its placeholder, and the caption band that hovering shows.

#include <QPixmap>
#include <QRect>
#include <QString>

class QPainter;

namespace CardMetrics {
inline constexpr int imageSide = 161;
inline constexpr int cornerRadius = 5;
inline constexpr int captionHeight = 38;
inline constexpr int captionInset = 6;
inline constexpr int titlePixelSize = 13;
inline constexpr int descPixelSize = 11;
} // namespace CardMetrics

class CardPainter {
public:
    // The loader's placeholder: a light gradient under the "un_load" image.
    static void paintPlaceholder(QPainter& painter, const QRect& rect, int cornerRadius);
    // The picture fitted into `rect` (aspect kept, centred), clipped to the rounded rect.
    static void paintImage(QPainter& painter, const QRect& rect, int cornerRadius, const QPixmap& image);
    // The band along the bottom of `cardRect`: black at 0.45 with rounded
    // bottom corners, the title on one line and the description on one line.
    static void paintCaption(QPainter& painter, const QRect& cardRect, const QString& title, const QString& desc);
    static QRect captionRect(const QRect& cardRect);
};
