#pragma once

#include "editor/sheets/GradientSliderBar.h"

class EditLogoViewModel;
class SidePanelValues;

// The opacity row of the colour sheet, 0…100 %. It reads the selected
// object's opacity text (the graphic's while a graphic is selected, else the
// text's), writes it back while dragging, and at a drag's end posts the
// opacity read when it loaded (a preview), then the final position.
class OpacityBar : public GradientSliderBar {
    Q_OBJECT
public:
    OpacityBar(EditLogoViewModel& model, QWidget* parent);

    // Reads the selected object's opacity again.
    void load();

private:
    void moved(double position) override;
    QString opacityText() const;
    void writeOpacityText(const QString& text);

    EditLogoViewModel& m_model;
    SidePanelValues& m_values;
};
