#pragma once

#include "canvas/CanvasModels.h"
#include "editor/sheets/SidePanelFrame.h"

#include <array>

class EditLogoViewModel;
class QPushButton;

// Five format switches of the selected text: bold, italic, underline, upper
// case and vertical. It asks the page for the text's format when it opens
// (and when another object is selected); a click makes the page call and
// shows the switch inverted.
class TextFormatSheet : public SidePanelFrame {
    Q_OBJECT
public:
    static constexpr int buttonSide = 36;
    static constexpr int buttonSpacing = 16;
    static constexpr int buttonCount = 5;

    TextFormatSheet(EditLogoViewModel& model, QWidget* parent);

    const CanvasTextFormatModel& canvasTextFormatModel() const { return m_canvasTextFormatModel; }
    QPushButton* button(int index) const { return m_buttons.at(std::size_t(index)); }
    // The image the button shows, e.g. "format3" or "format3_select".
    QString iconName(int index) const;

private:
    void press(int index);
    void showFlags();

    EditLogoViewModel& m_model;
    CanvasTextFormatModel m_canvasTextFormatModel;
    std::array<QPushButton*, buttonCount> m_buttons {};
};
