#pragma once

#include "editor/sheets/GradientSliderBar.h"

class EditLogoViewModel;
class SidePanelValues;
class WebViewViewController;
class TextSaturationCustomSlider;

// The saturation row of the colour sheet. Its track runs from white to the
// object's hue at full saturation and the object's brightness, which it asks
// the page to convert to RGB; the thumb is light on dark colours and dark
// on light ones. A drag's end posts the saturation the object had when the
// row came on screen (a preview), then the final position.
class SaturationBar : public GradientSliderBar {
    Q_OBJECT
public:
    static constexpr int startColorType = 0;
    static constexpr int endColorType = 1;

    SaturationBar(EditLogoViewModel& model, QWidget* parent);

    // The row's slider, whose track colours follow the page.
    TextSaturationCustomSlider* slider() const;

private:
    void requestTrackColors();
    void modelChanged();

    SidePanelValues& m_values;
    WebViewViewController& m_canvas;
};
