#include "components/ComponentTestSupport.h"
#include "pictures/CustomSliderForCropView.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

class CropSlider : public ::testing::Test {
protected:
    void make(double hue, int ratio = 1)
    {
        CropSliderOptions options;
        options.startColor = 0x595959;
        options.endColor = 0x595959;
        options.ratio = ratio;
        slider = std::make_unique<CustomSliderForCropView>(hue, options,
            SliderActions { [this](double v) { moves.push_back(v); }, [this](double v) { ends.push_back(v); }, {} });
        slider->show();
    }

    double thumbX() const { return slider->thumbCenter().x() - slider->trackRect().left(); }

    // Presses at `point`, holds past the long press, drags by `dx` and lets go.
    void pressAndDrag(QPointF point, double dx, bool hold = true)
    {
        sendMouse(slider.get(), QEvent::MouseButtonPress, point);
        if (hold) {
            ASSERT_TRUE(waitUntil([&] { return slider->gesturePhase() == LongPressDragGesture::Phase::Pressed; }));
        }
        if (dx != 0)
            sendMouse(slider.get(), QEvent::MouseMove, point + QPointF(dx, 0));
        sendMouse(slider.get(), QEvent::MouseButtonRelease, point + QPointF(dx, 0));
    }

    std::unique_ptr<CustomSliderForCropView> slider;
    std::vector<double> moves;
    std::vector<double> ends;
};

} // namespace

TEST_F(CropSlider, HasTheCropScreenGeometry)
{
    make(0.5);
    EXPECT_EQ(slider->width(), 150);
    EXPECT_EQ(slider->trackRect().size(), QSizeF(120, 5));
    EXPECT_DOUBLE_EQ(slider->thumbDiameter(), 13);
    EXPECT_DOUBLE_EQ(thumbX(), 60);
    EXPECT_DOUBLE_EQ(slider->thumbCenter().y() - slider->trackRect().top(), 2.5);
    make(0.2792952447715855);
    EXPECT_NEAR(thumbX(), 33.5154, 1e-4);
}

TEST_F(CropSlider, ADragReportsMovesThenStoresTheValue)
{
    make(0.5);
    pressAndDrag(slider->thumbCenter(), 30);
    ASSERT_FALSE(moves.empty());
    EXPECT_DOUBLE_EQ(moves.back(), 0.75);
    EXPECT_DOUBLE_EQ(slider->hue(), 0.75);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_DOUBLE_EQ(ends[0], 0.75);
}

TEST_F(CropSlider, PressesThatAreNotThumbDragsChangeNothing)
{
    make(0.5);
    pressAndDrag(slider->thumbCenter(), 0); // held, never dragged
    pressAndDrag(slider->thumbCenter() + QPointF(30, 0), 30, false); // on the track beside the thumb
    EXPECT_TRUE(moves.empty());
    EXPECT_TRUE(ends.empty());
    EXPECT_DOUBLE_EQ(slider->hue(), 0.5);
}

TEST_F(CropSlider, DragsPastEitherEndReportTheEnd)
{
    for (const auto& [dx, end] : { std::pair { 500.0, 1.0 }, std::pair { -500.0, 0.0 } }) {
        moves.clear();
        make(0.5);
        pressAndDrag(slider->thumbCenter(), dx);
        ASSERT_FALSE(moves.empty());
        EXPECT_DOUBLE_EQ(moves.back(), end);
        EXPECT_DOUBLE_EQ(thumbX(), end * 120);
    }
}

TEST_F(CropSlider, ARatioDoublesTheValuesAndSnapsTheThumb)
{
    make(0.3, 2);
    EXPECT_DOUBLE_EQ(thumbX(), 0.25 * 120);
    pressAndDrag(slider->thumbCenter(), 12);
    ASSERT_FALSE(moves.empty());
    EXPECT_DOUBLE_EQ(moves.back(), 2 * (0.3 + 12.0 / 120));
    EXPECT_DOUBLE_EQ(ends.back(), 2 * slider->hue());
}

TEST_F(CropSlider, DisableLaysTheVeilOverTheSlider)
{
    make(0.5);
    const QPointF trackPoint = slider->trackRect().center() + QPointF(40, 0);
    const QColor plain = pixelAt(slider->grab().toImage(), trackPoint);
    slider->setDisable(true);
    const QColor veiled = pixelAt(slider->grab().toImage(), trackPoint);
    EXPECT_GT(veiled.lightness(), plain.lightness() + 40);
}
