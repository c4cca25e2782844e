#pragma once

#include "pictures/CropView.h"

// The entry to the crop component: a crop view of the picture with the given
// mask and configuration, whose result goes to `onComplete` unchanged.
class SwiftyCropView : public QWidget {
    Q_OBJECT
public:
    static constexpr SwiftyCropConfiguration defaultConfiguration { 4.0, 150.0 };

    SwiftyCropView(const QImage& imageToCrop, MaskShape maskShape, const SwiftyCropConfiguration& configuration,
        CropView::Completion onComplete, QWidget* parent = nullptr);
    SwiftyCropView(
        const QImage& imageToCrop, MaskShape maskShape, CropView::Completion onComplete, QWidget* parent = nullptr);

    CropView* cropView() const { return m_cropView; }

private:
    CropView* m_cropView;
};
