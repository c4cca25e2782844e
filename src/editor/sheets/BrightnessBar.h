#pragma once

#include <QWidget>

class CustomSlider;
class EditLogoViewModel;
class QLabel;

// The brightness row of the colour sheet. The page reports brightness as
// 100 − lightness; the slider runs dark to light, so it shows the lightness
// and posts it while dragging. A drag's end posts the page's last reported
// brightness (a preview), then the final position.
class BrightnessBar : public QWidget {
    Q_OBJECT
public:
    BrightnessBar(EditLogoViewModel& model, QWidget* parent);

    double brightness() const { return m_brightness; }
    double brightnessDefaultValue() const { return m_brightnessDefaultValue; }
    CustomSlider* slider() const { return m_slider; }
    QLabel* valueLabel() const { return m_valueLabel; }

private:
    void modelChanged();
    void showBrightness(double brightness);

    EditLogoViewModel& m_model;
    double m_brightness = 100;
    double m_brightnessDefaultValue = 100;
    QLabel* m_valueLabel = nullptr;
    CustomSlider* m_slider = nullptr;
};
