#pragma once

#include "editor/sheets/SliderSheet.h"

// The letter spacing of the selected text, 0…1000, read from and written to
// the editor's canvasTextCharSpacingModel.
class TextCharsSpacingSheet : public SliderSheet {
    Q_OBJECT
public:
    static constexpr double scale = 1000;

    TextCharsSpacingSheet(EditLogoViewModel& model, QWidget* parent);

    double space() const { return value(); }
    double spaceDefaultValue() const { return defaultValue(); }

protected:
    Reading read() const override;
    void post(int value, bool isAddToUndo) const override;
    void writeBack(int value) override;
    QString labelText(int value) const override;
};
