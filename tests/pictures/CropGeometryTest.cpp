#include "pictures/CropViewModel.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

std::unique_ptr<CropViewModel> laidOut(QSizeF layout, double scale = 1, QSizeF offset = QSizeF(0, 0))
{
    auto model = std::make_unique<CropViewModel>(150, 4.0);
    model->imageSizeInView = layout;
    model->setScale(scale);
    model->setOffset(offset);
    return model;
}

// A whole-pixel square that lies inside the picture.
void expectSquareInside(const QRect& rect, const QSize& picture)
{
    EXPECT_EQ(rect.width(), rect.height());
    EXPECT_GT(rect.width(), 0);
    EXPECT_TRUE(QRect(QPoint(0, 0), picture).contains(rect)) << rect.x() << "," << rect.y() << " " << rect.width();
}

} // namespace

TEST(CropGeometry, CutsTheSquareUnderTheMaskInPicturePixels)
{
    struct Case {
        double scale;
        QSizeF offset;
        QRect cut;
    };
    // A 1000 × 800 picture laid out at 500 × 400 under a 150-point radius.
    const Case cases[] = {
        { 1, { 0, 0 }, QRect(200, 100, 600, 600) },
        { 2, { 0, 0 }, QRect(350, 250, 300, 300) },
        { 1, { 50, 0 }, QRect(100, 100, 600, 600) },
    };
    for (const Case& c : cases) {
        auto model = laidOut({ 500, 400 }, c.scale, c.offset);
        EXPECT_EQ(model->cropRect({ 1000, 800 }), c.cut) << "scale " << c.scale;
    }
    QImage picture(1000, 800, QImage::Format_RGB32);
    picture.fill(Qt::red);
    EXPECT_EQ(laidOut({ 500, 400 })->crop(picture)->size(), QSize(600, 600));
    EXPECT_FALSE(laidOut({ 500, 400 })->crop(QImage()));
}

TEST(CropGeometry, LimitsFollowTheLaidOutPicture)
{
    auto model = laidOut({ 500, 400 });
    EXPECT_DOUBLE_EQ(model->magnificationLimits().first, 0.75);
    EXPECT_DOUBLE_EQ(model->magnificationLimits().second, 4.0);
    EXPECT_EQ(model->maxDragOffset(), QPointF(100, 50));
    EXPECT_DOUBLE_EQ(laidOut({ 300, 500 })->magnificationLimits().first, 1.0);

    auto empty = laidOut({ 0, 0 });
    EXPECT_EQ(empty->magnificationLimits().first, std::numeric_limits<double>::infinity());
    EXPECT_EQ(empty->maxDragOffset(), QPointF(-150, -150));

    // A long panorama needs more than the maximum zoom: the lower limit is then also the upper.
    auto panorama = laidOut(CropViewModel::fittedSize({ 10000, 1000 }, { 640, 392 }));
    const auto [lower, upper] = panorama->magnificationLimits();
    EXPECT_GT(lower, 4.0);
    EXPECT_DOUBLE_EQ(upper, lower);
}

TEST(CropGeometry, PinchAndSliderZoomThroughOneClampedPath)
{
    auto model = laidOut({ 500, 400 }, 2);
    model->zoomBy(1.1);
    EXPECT_DOUBLE_EQ(model->scale(), 2 * 1.02);
    model->zoomBy(1.2);
    EXPECT_DOUBLE_EQ(model->scale(), 2 * 1.02 * 1.04);

    struct Damping {
        double magnification;
        double factor;
    };
    for (const Damping& d : { Damping { 0.5, 0.9 }, { 0, 0.8 }, { -1.5, 1.1 } })
        EXPECT_DOUBLE_EQ(CropViewModel::dampedFactor(d.magnification), d.factor) << d.magnification;

    // Clamped to the limits at both ends, and the thumb follows.
    model->zoomBy(100);
    EXPECT_DOUBLE_EQ(model->scale(), 4.0);
    EXPECT_DOUBLE_EQ(CropViewModel::sliderValue(4.0), 1.0);
    model->zoomToSliderValue(0);
    EXPECT_DOUBLE_EQ(model->scale(), CropViewModel::sliderScaleBase);
    EXPECT_DOUBLE_EQ(CropViewModel::scaleForSliderValue(1), 4.0);
    EXPECT_NEAR(CropViewModel::sliderValue(CropViewModel::startScale), 0.2792952447715855, 1e-15);
}

TEST(CropGeometry, EveryZoomReclampsThePanFromTheSettledOne)
{
    auto model = laidOut({ 500, 400 }, 2);
    model->drag({ 400, -400 });
    EXPECT_EQ(model->offset(), QSizeF(350, -250)); // ±(250 × 2 − 150), ±(200 × 2 − 150)
    model->endDrag();
    model->zoomBy(0); // × 0.8 → 1.6
    EXPECT_EQ(model->offset(), QSizeF(250, -170));
    model->zoomToSliderValue(CropViewModel::sliderValue(2));
    EXPECT_NEAR(model->offset().width(), 350, 1e-9);
    EXPECT_NEAR(model->offset().height(), -250, 1e-9);

    // Narrower than the mask on an axis: the pan on it is the negative bound.
    auto narrow = laidOut({ 600, 200 }, 1);
    narrow->drag({ 0, 80 });
    EXPECT_DOUBLE_EQ(narrow->offset().height(), -50);
}

TEST(CropGeometry, EveryCutIsAWholePixelSquareInsideThePicture)
{
    struct Case {
        const char* name;
        QSize picture;
        double sliderValue;
        QSizeF drag;
    };
    const Case cases[] = {
        { "slider at 0 with a higher lower limit", { 700, 1000 }, 0, { 0, 0 } },
        { "phone screenshot", { 1080, 2400 }, -1, { 0, 0 } },
        { "10:1 panorama", { 10000, 1000 }, 0, { 5000, 0 } },
        { "dragged past the left and top edges", { 4000, 3000 }, 0.5, { 5000, 5000 } },
        { "dragged past the right and bottom edges", { 4000, 3000 }, 0.5, { -5000, -5000 } },
        { "tiny picture", { 16, 16 }, 1, { 3, 7 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto model = laidOut(CropViewModel::fittedSize(c.picture, { 640, 392 }));
        model->startZoom();
        EXPECT_GE(model->scale(), model->magnificationLimits().first);
        EXPECT_GE(model->scale(), CropViewModel::startScale);
        if (c.sliderValue >= 0)
            model->zoomToSliderValue(c.sliderValue);
        EXPECT_GE(model->scale(), model->magnificationLimits().first);
        model->drag(c.drag);
        const std::optional<QRect> cut = model->cropRect(c.picture);
        ASSERT_TRUE(cut);
        expectSquareInside(*cut, c.picture);
    }
}
