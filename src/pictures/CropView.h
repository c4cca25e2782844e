#pragma once

#include "pictures/MaskShape.h"
#include "pictures/SwiftyCropConfiguration.h"

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>

class CropAreaView;
class CropViewModel;
class CustomSliderForCropView;
class QLabel;
class QPushButton;

// The crop screen, 720 × 498: the crop area, the "Zoom" slider, "Cancel" and
// "Confirm". Confirm hands the cut square (or nothing) to `onComplete`;
// Cancel posts AIPicsViewEvent::CloseCropView. It never closes itself.
class CropView : public QWidget {
    Q_OBJECT
public:
    using Completion = std::function<void(const std::optional<QImage>&)>;

    static constexpr QSize screenSize { 720, 498 };
    static constexpr QSizeF cropAreaSize { 640, 392 };

    CropView(const QImage& image, MaskShape maskShape, const SwiftyCropConfiguration& configuration,
        Completion onComplete, QWidget* parent = nullptr);

    CropViewModel* viewModel() const { return m_viewModel; }
    CropAreaView* cropArea() const { return m_cropArea; }
    CustomSliderForCropView* slider() const { return m_slider; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* confirmButton() const { return m_confirm; }
    MaskShape maskShape() const { return m_maskShape; }
    // The slider's position, shared with the slider: 0 at 0.765×, 1 at 4×.
    double hue() const;

    void confirm();
    void cancel();

private:
    void followZoom();

    QImage m_image;
    MaskShape m_maskShape;
    Completion m_onComplete;
    CropViewModel* m_viewModel;
    CropAreaView* m_cropArea;
    QLabel* m_zoomLabel;
    CustomSliderForCropView* m_slider;
    QPushButton* m_cancel;
    QPushButton* m_confirm;
};
