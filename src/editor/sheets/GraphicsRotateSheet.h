#pragma once

#include "editor/sheets/SliderSheet.h"

// The rotation of the selected graphic, 0…360 degrees, read from and written
// to the angle of the editor's canvasPathModel. A negative angle is shown
// normalised; its thumb stands at the start of the track.
class GraphicsRotateSheet : public SliderSheet {
    Q_OBJECT
public:
    static constexpr double scale = 360;

    GraphicsRotateSheet(EditLogoViewModel& model, QWidget* parent);

    double rotate() const { return value(); }
    double rotateyDefaultValue() const { return defaultValue(); }

protected:
    Reading read() const override;
    void post(int value, bool isAddToUndo) const override;
    void writeBack(int value) override;
    QString labelText(int value) const override;
};
