#include "pictures/SwiftyCropView.h"

#include <QVBoxLayout>

SwiftyCropView::SwiftyCropView(const QImage& imageToCrop, MaskShape maskShape,
    const SwiftyCropConfiguration& configuration, CropView::Completion onComplete, QWidget* parent)
    : QWidget(parent)
    , m_cropView(new CropView(imageToCrop, maskShape, configuration, std::move(onComplete), this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_cropView);
}

SwiftyCropView::SwiftyCropView(
    const QImage& imageToCrop, MaskShape maskShape, CropView::Completion onComplete, QWidget* parent)
    : SwiftyCropView(imageToCrop, maskShape, defaultConfiguration, std::move(onComplete), parent)
{
}
