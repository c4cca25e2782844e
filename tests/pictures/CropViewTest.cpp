#include "PictureFiles.h"
#include "components/ComponentTestSupport.h"
#include "core/RxBus.h"
#include "pictures/AIPicsViewEvent.h"
#include "pictures/CropAreaView.h"
#include "pictures/CropViewModel.h"
#include "pictures/CustomSliderForCropView.h"
#include "pictures/SwiftyCropView.h"

#include <QPushButton>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    int calls = 0;
    std::optional<QImage> image;
};

std::unique_ptr<SwiftyCropView> cropOf(const QImage& picture, MaskShape shape, Outcome& outcome)
{
    auto view = std::make_unique<SwiftyCropView>(picture, shape, [&outcome](const std::optional<QImage>& result) {
        ++outcome.calls;
        outcome.image = result;
    });
    view->show();
    return view;
}

void wheel(QWidget* widget, int delta)
{
    const QPointF centre(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent event(
        centre, widget->mapToGlobal(centre), {}, { 0, delta }, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

} // namespace

TEST(CropView, StartsAtTheStartZoomWithTheThumbToMatch)
{
    Outcome outcome;
    auto view = cropOf(PictureFiles::halves({ 1000, 800 }), MaskShape::square, outcome);
    CropView* crop = view->cropView();
    EXPECT_EQ(crop->viewModel()->maxMagnificationScale, 4.0);
    EXPECT_EQ(crop->viewModel()->maskRadius, 150.0);
    EXPECT_DOUBLE_EQ(crop->viewModel()->scale(), CropViewModel::startScale);
    EXPECT_NEAR(crop->hue(), 0.2792952447715855, 1e-15);
    EXPECT_EQ(crop->cropArea()->maskRect(), QRectF(170, 46, 300, 300));
}

TEST(CropView, CircleAndSquareMasksCutTheSameSquare)
{
    const QImage picture = PictureFiles::halves({ 900, 600 });
    Outcome square;
    Outcome circle;
    auto a = cropOf(picture, MaskShape::square, square);
    auto b = cropOf(picture, MaskShape::circle, circle);
    a->cropView()->confirm();
    b->cropView()->confirm();
    ASSERT_TRUE(square.image && circle.image);
    EXPECT_EQ(square.image->size().width(), square.image->size().height());
    EXPECT_EQ(*square.image, *circle.image);

    // The lit area follows the shape: a corner of the mask is lit only for the square.
    const QPointF corner = a->cropView()->cropArea()->maskRect().topLeft() + QPointF(4, 4);
    const QImage squareShot = a->cropView()->cropArea()->grab().toImage();
    const QImage circleShot = b->cropView()->cropArea()->grab().toImage();
    EXPECT_GT(pixelAt(squareShot, corner).red(), pixelAt(circleShot, corner).red() + 60);
}

TEST(CropView, WheelAndDragMoveThePictureAndTheThumbFollows)
{
    Outcome outcome;
    auto view = cropOf(PictureFiles::halves({ 1000, 800 }), MaskShape::square, outcome);
    CropView* crop = view->cropView();
    CropAreaView* area = crop->cropArea();
    const double before = crop->viewModel()->scale();
    wheel(area, 120);
    EXPECT_DOUBLE_EQ(crop->viewModel()->scale(), before * CropAreaView::wheelStepFactor);
    EXPECT_DOUBLE_EQ(crop->hue(), CropViewModel::sliderValue(crop->viewModel()->scale()));

    const QPointF start(320, 196);
    sendMouse(area, QEvent::MouseButtonPress, start);
    sendMouse(area, QEvent::MouseMove, start + QPointF(5, 0)); // under the drag distance
    EXPECT_EQ(crop->viewModel()->offset(), QSizeF(0, 0));
    sendMouse(area, QEvent::MouseMove, start + QPointF(40, -20));
    sendMouse(area, QEvent::MouseButtonRelease, start + QPointF(40, -20));
    EXPECT_EQ(crop->viewModel()->lastOffset(), QSizeF(40, -20));

    // Cancel posts the close event and never completes.
    int closes = 0;
    QObject context;
    subscribeEvent<AIPicsViewEvent::CloseCropView>(&context, [&](const AIPicsViewEvent::CloseCropView&) { ++closes; });
    crop->cancelButton()->click();
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(outcome.calls, 0);
}
