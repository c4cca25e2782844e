#include "components/CustomSlider.h"

#include "ComponentTestSupport.h"
#include "components/TextSaturationCustomSlider.h"
#include "support/TestSupport.h"

#include <QHBoxLayout>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

struct Recorder {
    std::vector<double> moves;
    std::vector<double> ends;
    std::vector<double> positions;
    std::vector<double> hueAtEnd;

    SliderActions actions(const CustomSlider* const* slider = nullptr)
    {
        return {
            [this](double v) { moves.push_back(v); },
            [this, slider](double v) {
                ends.push_back(v);
                if (slider && *slider)
                    hueAtEnd.push_back((*slider)->hue());
            },
            [this](double v) { positions.push_back(v); },
        };
    }
};

void expectValues(const std::vector<double>& actual, const std::vector<double>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i)
        EXPECT_DOUBLE_EQ(actual[i], expected[i]) << "value " << i;
}

CustomSliderOptions greyOptions()
{
    return { 0xBFBFBF, 0xBFBFBF, { { 0.0, QColor(0xBFBFBF) }, { 1.0, QColor(0xBFBFBF) } } };
}

class CustomSliderGesture : public ::testing::Test {
protected:
    void make(double hue, CustomSliderOptions options = greyOptions())
    {
        slider = std::make_unique<CustomSlider>(hue, options, recorder.actions(&raw));
        raw = slider.get();
        slider->show();
    }

    // Presses the thumb and holds it until the long press is recognised.
    void holdThumb()
    {
        press = slider->thumbCenter();
        sendMouse(slider.get(), QEvent::MouseButtonPress, press);
        ASSERT_TRUE(waitUntil([&] { return slider->gesturePhase() == LongPressDragGesture::Phase::Pressed; }));
    }

    void moveBy(double dx) { sendMouse(slider.get(), QEvent::MouseMove, press + QPointF(dx, 0)); }
    void release(double dx) { sendMouse(slider.get(), QEvent::MouseButtonRelease, press + QPointF(dx, 0)); }

    Recorder recorder;
    std::unique_ptr<CustomSlider> slider;
    const CustomSlider* raw = nullptr;
    QPointF press;
};

} // namespace

TEST_F(CustomSliderGesture, ReportsMovesThenStoresTheValueAndEndsOnce)
{
    make(0.5, { .gradient = {}, .sliderSize = { 200, 7 } });
    holdThumb();
    EXPECT_EQ(slider->hueState(), DragState::dragging({ 0, 0 }));
    moveBy(20);
    moveBy(50);
    EXPECT_EQ(slider->hueState(), DragState::dragging({ 50, 0 }));
    EXPECT_EQ(slider->hue(), 0.5); // the value waits for the end of the drag
    EXPECT_DOUBLE_EQ(slider->thumbCenter().x(), slider->trackRect().left() + 150);
    EXPECT_TRUE(recorder.ends.empty());

    QSignalSpy stored(slider.get(), &CustomSlider::hueChanged);
    release(50);
    expectValues(recorder.moves, { 0.6, 0.75 });
    EXPECT_EQ(recorder.ends, std::vector<double> { 0.75 });
    EXPECT_EQ(recorder.hueAtEnd, std::vector<double> { 0.75 }); // stored before the end call
    EXPECT_EQ(slider->hue(), 0.75);
    ASSERT_EQ(stored.count(), 1);
    EXPECT_EQ(stored.at(0).at(0).toDouble(), 0.75);
    EXPECT_EQ(slider->hueState(), DragState::inactive());
}

TEST_F(CustomSliderGesture, ScalesEveryReportedValueByTheRatio)
{
    make(0.5, { .gradient = {}, .ratio = 100, .sliderSize = { 200, 7 } });
    recorder.positions.clear();
    holdThumb();
    moveBy(-50);
    release(-50);
    EXPECT_EQ(recorder.moves, std::vector<double> { 25 });
    EXPECT_EQ(recorder.ends, std::vector<double> { 25 });
    EXPECT_EQ(slider->hue(), 0.25);
    ASSERT_FALSE(recorder.positions.empty());
    EXPECT_EQ(recorder.positions.back(), 25);
}

TEST_F(CustomSliderGesture, DraggingPastAnEndStopsThere)
{
    make(0.8);
    holdThumb();
    moveBy(400);
    EXPECT_EQ(recorder.moves.back(), 1);
    EXPECT_DOUBLE_EQ(slider->thumbCenter().x(), slider->trackRect().right());
    moveBy(-600);
    EXPECT_EQ(recorder.moves.back(), 0);
    EXPECT_DOUBLE_EQ(slider->thumbCenter().x(), slider->trackRect().left());
    release(-600);
    EXPECT_EQ(slider->hue(), 0);
    EXPECT_EQ(recorder.ends, std::vector<double> { 0 });
}

TEST_F(CustomSliderGesture, APressWithoutADragChangesNothing)
{
    make(0.3);
    holdThumb();
    moveBy(6); // below the drag's minimum distance
    release(6);
    EXPECT_TRUE(recorder.moves.empty());
    EXPECT_TRUE(recorder.ends.empty());
    EXPECT_EQ(slider->hue(), 0.3);
    EXPECT_EQ(slider->hueState(), DragState::inactive());
}

TEST_F(CustomSliderGesture, MovingAwayBeforeThePressSucceedsCancelsIt)
{
    make(0.3);
    press = slider->thumbCenter();
    // No event loop runs between these, so the 50 ms press cannot have completed.
    sendMouse(slider.get(), QEvent::MouseButtonPress, press);
    EXPECT_EQ(slider->hueState(), DragState::pressing());
    moveBy(15);
    EXPECT_EQ(slider->hueState(), DragState::inactive());
    pumpEvents(80);
    moveBy(40);
    release(40);
    EXPECT_TRUE(recorder.moves.empty());
    EXPECT_TRUE(recorder.ends.empty());
    EXPECT_EQ(slider->hue(), 0.3);
}

TEST_F(CustomSliderGesture, OnlyTheThumbStartsAGesture)
{
    make(0.2);
    const QPointF offThumb(slider->trackRect().left() + 0.8 * slider->trackRect().width(), slider->thumbCenter().y());
    sendMouse(slider.get(), QEvent::MouseButtonPress, offThumb);
    pumpEvents(80);
    sendMouse(slider.get(), QEvent::MouseMove, offThumb + QPointF(-40, 0));
    sendMouse(slider.get(), QEvent::MouseButtonRelease, offThumb + QPointF(-40, 0));
    EXPECT_EQ(slider->hueState(), DragState::inactive());
    EXPECT_TRUE(recorder.moves.empty());
    EXPECT_TRUE(recorder.ends.empty());
}

TEST_F(CustomSliderGesture, ADisabledSliderIgnoresTheThumbAndDropsARunningDrag)
{
    make(0.5);
    slider->setDisable(true);
    sendMouse(slider.get(), QEvent::MouseButtonPress, slider->thumbCenter());
    EXPECT_EQ(slider->hueState(), DragState::inactive());
    sendMouse(slider.get(), QEvent::MouseButtonRelease, slider->thumbCenter());

    slider->setDisable(false);
    holdThumb();
    moveBy(30);
    slider->setDisable(true);
    release(30);
    EXPECT_EQ(recorder.moves.size(), 1u);
    EXPECT_TRUE(recorder.ends.empty());
    EXPECT_EQ(slider->hue(), 0.5);
}

TEST_F(CustomSliderGesture, HidingTheSliderMidDragStoresNothing)
{
    make(0.5);
    holdThumb();
    moveBy(30);
    slider->hide();
    EXPECT_EQ(slider->hueState(), DragState::inactive());
    release(30);
    EXPECT_TRUE(recorder.ends.empty());
    EXPECT_EQ(slider->hue(), 0.5);
}

TEST(CustomSlider, DrawsOutOfRangeValuesAtTheEnds)
{
    Recorder recorder;
    CustomSlider slider(1.7, greyOptions(), recorder.actions());
    EXPECT_DOUBLE_EQ(slider.thumbCenter().x(), slider.trackRect().right());
    EXPECT_DOUBLE_EQ(slider.thumbCenter().y(), slider.trackRect().center().y());
    EXPECT_TRUE(recorder.positions.empty()); // nothing reported for a thumb outside the track

    slider.setHue(-0.3);
    EXPECT_DOUBLE_EQ(slider.thumbCenter().x(), slider.trackRect().left());
    EXPECT_TRUE(recorder.positions.empty());

    slider.setHue(0.4);
    EXPECT_DOUBLE_EQ(slider.thumbCenter().x(), slider.trackRect().left() + 0.4 * 235);
    EXPECT_EQ(recorder.positions, std::vector<double> { 0.4 });
}

TEST(CustomSlider, HasTheRowSizeAndDrawsItsParts)
{
    QWidget backdrop;
    backdrop.setStyleSheet("background: #2B2B2B;");
    auto* row = new QHBoxLayout(&backdrop);
    auto* opacity
        = new CustomSlider(0.0, { 0xF5F5F5, 0x1B1B1B, { { 0.0, QColor(0xF5F5F5) }, { 1.0, QColor(0x1B1B1B) } } }, {});
    auto* disabled = new CustomSlider(0.5, greyOptions(), {});
    disabled->setDisable(true);
    row->addWidget(opacity);
    row->addWidget(disabled);
    backdrop.show();
    EXPECT_EQ(opacity->size(), QSize(270, 30));
    EXPECT_EQ(opacity->trackRect(), QRectF(17.5, 11.5, 235, 7));

    const QImage image = opacity->grab().toImage();
    saveSnapshot(&backdrop, "slider");
    // The track runs light to dark; the thumb sits at the leading end in the start colour.
    const QColor leading = pixelAt(image, { 40, 15 });
    const QColor trailing = pixelAt(image, { 245, 15 });
    EXPECT_GT(leading.lightness(), trailing.lightness());
    EXPECT_EQ(pixelAt(image, opacity->thumbCenter()), QColor(0xF5F5F5));

    const QImage veiled = disabled->grab().toImage();
    // The white veil lightens even the row around the track.
    EXPECT_GT(pixelAt(veiled, { 135, 3 }).alpha(), 100);
    EXPECT_EQ(pixelAt(image, { 135, 3 }).alpha(), 0);
}

TEST(CustomSlider, SwapsCapsAndThumbColourWhenNotOpacity)
{
    CustomSlider slider(1.0, { 0xFF0000, 0x0000FF, {}, 1, { 235, 7 }, false }, {});
    slider.show();
    const QImage image = slider.grab().toImage();
    EXPECT_EQ(pixelAt(image, slider.thumbCenter()), QColor(0x0000FF));
    EXPECT_EQ(pixelAt(image, { 13, 15 }), QColor(0x0000FF)); // leading cap
}

TEST(TextSaturationCustomSlider, SharesTheDragContractAndRepaintsLiveColours)
{
    Recorder recorder;
    TextSaturationCustomSlider slider(0.5, { .sliderSize = { 200, 7 } }, recorder.actions());
    slider.show();
    slider.setStartColor(Qt::white);
    slider.setEndColor(QColor(0xFF, 0x00, 0x00));
    slider.setCursorColor(QColor(0x28, 0x28, 0x28));
    const QImage image = slider.grab().toImage();
    saveSnapshot(&slider, "saturation-slider");
    const QRectF track = slider.trackRect();
    EXPECT_EQ(pixelAt(image, { track.left() + 1, track.center().y() }).red(), 255);
    EXPECT_GT(pixelAt(image, { track.left() + 1, track.center().y() }).green(), 240);
    EXPECT_LT(pixelAt(image, { track.right() - 1, track.center().y() }).green(), 15);
    EXPECT_EQ(pixelAt(image, slider.thumbCenter()), QColor(0x28, 0x28, 0x28));
    EXPECT_EQ(slider.options().endColorType, 1);

    const QPointF press = slider.thumbCenter();
    sendMouse(&slider, QEvent::MouseButtonPress, press);
    ASSERT_TRUE(waitUntil([&] { return slider.gesturePhase() == LongPressDragGesture::Phase::Pressed; }));
    sendMouse(&slider, QEvent::MouseMove, press + QPointF(-40, 0));
    sendMouse(&slider, QEvent::MouseButtonRelease, press + QPointF(-40, 0));
    expectValues(recorder.moves, { 0.3 });
    expectValues(recorder.ends, { 0.3 });
    EXPECT_DOUBLE_EQ(slider.hue(), 0.3);
}
