#pragma once

#include <QColor>
#include <QWidget>

class EditLogoViewModel;
class QLabel;
class TextSaturationCustomSlider;

// The saturation row of the colour sheet. Its track runs from white to the
// object's hue at full saturation and the object's brightness, which it asks
// the page to convert to RGB; the thumb is light on dark colours and dark
// on light ones. A drag's end posts the saturation the object had when the
// row came on screen (a preview), then the final position.
class SaturationBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int startColorType = 0;
    static constexpr int endColorType = 1;

    SaturationBar(EditLogoViewModel& model, QWidget* parent);

    double saturation() const { return m_saturation; }
    double saturationDefaultValue() const { return m_saturationDefaultValue; }
    TextSaturationCustomSlider* slider() const { return m_slider; }
    QLabel* valueLabel() const { return m_valueLabel; }

private:
    void requestTrackColors();
    void modelChanged();
    void showSaturation(double saturation);

    EditLogoViewModel& m_model;
    double m_saturation = 100;
    double m_saturationDefaultValue = 100;
    QLabel* m_valueLabel = nullptr;
    TextSaturationCustomSlider* m_slider = nullptr;
};
