#pragma once

#include "editor/sheets/SidePanelFrame.h"

class BrightnessBar;
class ColorBar;
class EditLogoViewModel;
class OpacityBar;
class SaturationBar;
class colorCardAndOpacityView;

// The colour panel of texts and graphics: hue, saturation, brightness and
// opacity rows over the colour plate. It acts on whatever object the page
// has selected, and reads that object again when another one is selected.
class TextColorSheet : public SidePanelFrame {
    Q_OBJECT
public:
    static constexpr double hueThrottleInterval = 0.2;
    static constexpr int rowSpacing = 8;

    TextColorSheet(EditLogoViewModel& model, QWidget* parent);

    bool showGridColorItem() const { return m_showGridColorItem; }
    // Each change asks the page for the object's attributes.
    void setShowGridColorItem(bool show);
    double hue() const;
    // The last picked colour, "RRGGBBAA" without "#".
    const QString& colorText() const { return m_colorText; }

    ColorBar* colorBar() const { return m_colorBar; }
    SaturationBar* saturationBar() const { return m_saturationBar; }
    BrightnessBar* brightnessBar() const { return m_brightnessBar; }
    OpacityBar* opacityBar() const { return m_opacityBar; }
    colorCardAndOpacityView* plate() const { return m_plate; }

private:
    void selectedObjectChanged();

    EditLogoViewModel& m_model;
    bool m_showGridColorItem = true;
    QString m_colorText = QStringLiteral("FF0000FF");
    ColorBar* m_colorBar;
    SaturationBar* m_saturationBar;
    BrightnessBar* m_brightnessBar;
    OpacityBar* m_opacityBar;
    colorCardAndOpacityView* m_plate;
};
