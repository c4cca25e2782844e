#pragma once

#include "editor/sheets/GradientSliderBar.h"

class EditLogoViewModel;
class SidePanelValues;

// The brightness row of the colour sheet. The page reports brightness as
// 100 − lightness; the slider runs dark to light, so it shows the lightness
// and posts it while dragging. A drag's end posts the page's last reported
// brightness (a preview), then the final position.
class BrightnessBar : public GradientSliderBar {
    Q_OBJECT
public:
    BrightnessBar(EditLogoViewModel& model, QWidget* parent);

private:
    void modelChanged();

    SidePanelValues& m_values;
};
