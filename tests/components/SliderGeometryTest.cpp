#include "components/SliderGeometry.h"

#include "components/DragState.h"
#include "components/LongPressDragGesture.h"

#include <gtest/gtest.h>
#include <limits>

using namespace SliderGeometry;

TEST(SliderGeometry, ClampsToTheUnitRange)
{
    EXPECT_EQ(clampUnit(0.4), 0.4);
    EXPECT_EQ(clampUnit(1.2), 1);
    EXPECT_EQ(clampUnit(-0.1), 0);
    EXPECT_EQ(clampUnit(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(clampUnit(std::numeric_limits<double>::infinity()), 1);
}

TEST(SliderGeometry, DragValueAddsTheTranslationOverTheTrackWidth)
{
    EXPECT_DOUBLE_EQ(dragValue(0.5, 30, 120), 0.75);
    EXPECT_DOUBLE_EQ(dragValue(0.5, -58.75, 235), 0.25);
    EXPECT_EQ(dragValue(0.9, 100, 120), 1);
    EXPECT_EQ(dragValue(0.1, -100, 120), 0);
    // A track without width cannot turn a drag into a position.
    EXPECT_EQ(dragValue(0.3, 50, 0), 0.3);
    EXPECT_EQ(dragValue(1.4, 50, 0), 1);
    EXPECT_DOUBLE_EQ(reported(0.75, 1), 0.75);
    EXPECT_DOUBLE_EQ(reported(0.75, 100), 75);
}

TEST(SliderGeometry, PlacesTheThumbInsideTheTrackOrAtAnEnd)
{
    ThumbPlacement middle = placeThumb(0.5, 0, 120);
    EXPECT_DOUBLE_EQ(middle.x, 60);
    EXPECT_EQ(middle.position, 0.5);

    ThumbPlacement odd = placeThumb(0.2792952447715855, 0, 120);
    EXPECT_NEAR(odd.x, 33.5154, 1e-4);

    ThumbPlacement dragged = placeThumb(0.5, 30, 120);
    EXPECT_DOUBLE_EQ(dragged.x, 90);
    EXPECT_EQ(dragged.position, 0.5); // the value, before the drag is added

    ThumbPlacement beyond = placeThumb(1.7, 0, 235);
    EXPECT_DOUBLE_EQ(beyond.x, 235);
    EXPECT_FALSE(beyond.position);

    ThumbPlacement below = placeThumb(-0.3, 0, 235);
    EXPECT_DOUBLE_EQ(below.x, 0);
    EXPECT_FALSE(below.position);

    ThumbPlacement draggedOff = placeThumb(0.9, 100, 120);
    EXPECT_DOUBLE_EQ(draggedOff.x, 120);
    EXPECT_FALSE(draggedOff.position);

    EXPECT_DOUBLE_EQ(placeThumb(1.0, 0, 235).x, 235);
    EXPECT_EQ(placeThumb(1.0, 0, 235).position, 1.0);
    EXPECT_FALSE(placeThumb(std::numeric_limits<double>::quiet_NaN(), 0, 235).position);
}

TEST(DragState, CarriesATranslationOnlyWhileDragging)
{
    EXPECT_EQ(DragState().kind, DragState::Kind::Inactive);
    EXPECT_EQ(DragState::dragging({ 12, -3 }).translation(), QSizeF(12, -3));
    DragState pressing { DragState::Kind::Pressing, { 5, 5 } };
    EXPECT_EQ(pressing.translation(), QSizeF(0, 0));
    DragState inactive { DragState::Kind::Inactive, { 5, 5 } };
    EXPECT_EQ(inactive.translation(), QSizeF(0, 0));
    EXPECT_EQ(inactive, DragState::inactive());
}

TEST(LongPressDragGesture, DragsOnlyAfterTheLongPress)
{
    LongPressDragGesture gesture;
    gesture.begin({ 100, 10 });
    EXPECT_EQ(gesture.state(), DragState::pressing());
    EXPECT_FALSE(gesture.move({ 105, 10 })); // within the press tolerance
    gesture.pressElapsed();
    EXPECT_EQ(gesture.phase(), LongPressDragGesture::Phase::Pressed);
    EXPECT_EQ(gesture.state(), DragState::dragging({ 0, 0 }));
    EXPECT_FALSE(gesture.move({ 108, 10 })); // not yet the drag's minimum distance
    EXPECT_TRUE(gesture.move({ 112, 14 }));
    EXPECT_EQ(gesture.state(), DragState::dragging({ 12, 4 }));
    EXPECT_FALSE(gesture.move({ 112, 14 })); // nothing changed
    EXPECT_TRUE(gesture.move({ 60, 10 }));
    EXPECT_EQ(gesture.end(), QSizeF(-40, 0));
    EXPECT_EQ(gesture.state(), DragState::inactive());
}

TEST(LongPressDragGesture, MovingAwayBeforeThePressSucceedsCancelsIt)
{
    LongPressDragGesture gesture;
    gesture.begin({ 0, 0 });
    EXPECT_FALSE(gesture.move({ 11, 0 }));
    EXPECT_FALSE(gesture.isActive());
    gesture.pressElapsed();
    EXPECT_FALSE(gesture.move({ 40, 0 }));
    EXPECT_FALSE(gesture.end());

    gesture.begin({ 0, 0 });
    gesture.pressElapsed();
    EXPECT_FALSE(gesture.end()); // pressed but never dragged
}
