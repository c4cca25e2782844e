#include "components/RoundedCorners.h"

#include "ComponentTestSupport.h"

#include <gtest/gtest.h>

TEST(RoundedCorners, ClampsEachRadiusToHalfTheShorterSide)
{
    const CornerRadii fitted = RoundedCorners::clamped({ 0, 30, 5, -4 }, QSizeF(161, 38));
    EXPECT_EQ(fitted, (CornerRadii { 0, 19, 5, 0 }));
    EXPECT_EQ(RoundedCorners::clamped({ 8, 8, 8, 8 }, QSizeF(10, 40)), (CornerRadii { 5, 5, 5, 5 }));
    EXPECT_EQ(RoundedCorners::clamped({ 3, 3, 3, 3 }, QSizeF(0, 0)), (CornerRadii { 0, 0, 0, 0 }));

    // An over-large radius still yields a shape inside the frame.
    const QPainterPath pill = RoundedCorners::path(QRectF(0, 0, 40, 10), { 50, 50, 50, 50 });
    EXPECT_EQ(pill.boundingRect(), QRectF(0, 0, 40, 10));
}

TEST(RoundedCorners, ZeroRadiiGiveAPlainRectangle)
{
    const QRectF frame(0, 0, 161, 38);
    const QPainterPath plain = RoundedCorners::path(frame, {});
    EXPECT_EQ(plain.boundingRect(), frame);
    EXPECT_TRUE(plain.contains(QPointF(0.2, 0.2)));
    EXPECT_TRUE(plain.contains(QPointF(160.8, 37.8)));

    const QPainterPath bottomRounded = RoundedCorners::path(frame, { 0, 0, 5, 5 });
    EXPECT_TRUE(bottomRounded.contains(QPointF(0.2, 0.2)));
    EXPECT_FALSE(bottomRounded.contains(QPointF(0.5, 37.5)));
    EXPECT_FALSE(bottomRounded.contains(QPointF(160.5, 37.5)));
}

TEST(RoundedCorners, FillsItsFrameWithItsColour)
{
    RoundedCorners caption(QColor(0, 0, 0, 115), { 0, 0, 5, 5 });
    caption.resize(161, 38);
    EXPECT_EQ(RoundedCorners().color(), QColor(Qt::white));
    const QImage image = caption.grab().toImage();
    saveSnapshot(&caption, "rounded-corners");
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 115); // square top corners
    EXPECT_EQ(image.pixelColor(80, 37).alpha(), 115);
    EXPECT_EQ(image.pixelColor(0, 37).alpha(), 0); // rounded bottom corners
    EXPECT_EQ(image.pixelColor(160, 37).alpha(), 0);
}
