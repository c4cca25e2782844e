#include "pictures/CropView.h"

#include "core/ColorUtilities.h"
#include "core/Localization.h"
#include "core/RxBus.h"
#include "pictures/AIPicsViewEvent.h"
#include "pictures/CropAreaView.h"
#include "pictures/CropViewModel.h"
#include "pictures/CustomSliderForCropView.h"
#include "pictures/PictureControls.h"

#include <QLabel>
#include <QPushButton>

namespace {
// Vertical stack: a 24-point spacer, the crop area, then the bottom row, each
// 8 points apart; the row's parts are shifted down as drawn.
constexpr int cropAreaTop = 24 + 8;
constexpr int rowTop = cropAreaTop + 392 + 8;
constexpr int rowHeight = 30;
constexpr int zoomShift = 28;
constexpr int buttonShift = 25;
constexpr int rowSpacing = 8;
constexpr QSize buttonSize { 87, 30 };
constexpr int sliderColor = 0x595959;
} // namespace

CropView::CropView(const QImage& image, MaskShape maskShape, const SwiftyCropConfiguration& configuration,
    Completion onComplete, QWidget* parent)
    : QWidget(parent)
    , m_image(image)
    , m_maskShape(maskShape)
    , m_onComplete(std::move(onComplete))
    , m_viewModel(new CropViewModel(configuration.maskRadius, configuration.maxMagnificationScale, this))
{
    setFixedSize(screenSize);
    setAutoFillBackground(true);
    QPalette colors = palette();
    colors.setColor(QPalette::Window, Color(0x1E1E1E));
    setPalette(colors);

    // The layout size is known before anything is drawn, so the limits never
    // work on an empty size.
    m_viewModel->imageSizeInView = CropViewModel::fittedSize(m_image.size(), cropAreaSize);
    m_viewModel->startZoom();
    m_viewModel->endZoom();

    m_cropArea = new CropAreaView(m_image, m_maskShape, m_viewModel, this);
    m_cropArea->move((width() - m_cropArea->width()) / 2, cropAreaTop);
    connect(m_cropArea, &CropAreaView::zoomChanged, this, &CropView::followZoom);

    const int rowCentre = rowTop + rowHeight / 2;
    m_zoomLabel = makePictureLabel(localized(QStringLiteral("Zoom")), 13, 0xDEE2E6, this);
    m_zoomLabel->adjustSize();
    const int labelLeft = 40 + rowSpacing;
    m_zoomLabel->move(labelLeft, rowCentre + zoomShift - m_zoomLabel->height() / 2);

    CropSliderOptions sliderOptions;
    sliderOptions.startColor = sliderColor;
    sliderOptions.endColor = sliderColor;
    sliderOptions.gradient = { { 0.0, Color(sliderColor) }, { 1.0, Color(sliderColor) } };
    m_slider = new CustomSliderForCropView(CropViewModel::sliderValue(m_viewModel->scale()), sliderOptions,
        { [this](double value) { m_viewModel->zoomToSliderValue(value); },
            // The slider stores where it was let go; the zoom may have been
            // clamped, so the thumb moves to the zoom in force.
            [this](double) { followZoom(); }, {} },
        this);
    m_slider->move(labelLeft + m_zoomLabel->width() + 12 + rowSpacing, rowCentre + zoomShift - m_slider->height() / 2);

    m_confirm = makePictureButton(localized(QStringLiteral("Confirm")), buttonSize, 0x007AFF, 13, this);
    m_cancel = makePictureButton(localized(QStringLiteral("Cancel")), buttonSize, 0x313131, 13, this);
    const int confirmLeft = width() - 20 - rowSpacing - buttonSize.width();
    const int cancelLeft = confirmLeft - rowSpacing - 12 - rowSpacing - buttonSize.width();
    m_confirm->move(confirmLeft - 15, rowTop + buttonShift);
    m_cancel->move(cancelLeft - 15, rowTop + buttonShift);
    connect(m_confirm, &QPushButton::clicked, this, &CropView::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &CropView::cancel);
}

double CropView::hue() const
{
    return m_slider->hue();
}

void CropView::followZoom()
{
    m_slider->setHue(CropViewModel::sliderValue(m_viewModel->scale()));
}

void CropView::confirm()
{
    if (m_onComplete)
        m_onComplete(m_viewModel->crop(m_image));
}

void CropView::cancel()
{
    RxBus::shared().post(AIPicsViewEvent::CloseCropView {});
}
