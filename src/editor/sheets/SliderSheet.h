#pragma once

#include "editor/sheets/SidePanelFrame.h"

class CustomSlider;
class EditLogoViewModel;
class SidePanelValues;
class QLabel;
class SelectedObjectWatcher;

// A sheet with one grey slider over the values 0…scale and a label of the
// current value (the letter-spacing and rotate sheets). A drag posts every
// move as a preview, writes the value back into the editor's model, and at
// its end posts the value read when the sheet loaded (the snapshot, a
// preview too) and then the final value. The sheet loads when it is built
// and again whenever another object is selected.
class SliderSheet : public SidePanelFrame {
    Q_OBJECT
public:
    static constexpr int sliderFrameHeight = 40;

    CustomSlider* slider() const { return m_slider; }
    QLabel* valueLabel() const { return m_valueLabel; }
    // The slider's thumb position: 0 at the start of the track, 1 at its end.
    double hue() const;
    bool disable() const;
    void setDisable(bool disable);

protected:
    SliderSheet(EditorPanel panel, const QString& titleKey, double scale, EditLogoViewModel& model, QWidget* parent);

    // Called once from the subclass's constructor.
    void startLoading();

    double value() const { return m_value; }
    double defaultValue() const { return m_defaultValue; }
    SidePanelValues& values() const { return m_values; }

    struct Reading {
        double value; // shown and kept as the snapshot
        double position; // the thumb
    };
    virtual Reading read() const = 0;
    virtual void post(int value, bool isAddToUndo) const = 0;
    virtual void writeBack(int value) = 0;
    virtual QString labelText(int value) const = 0;

private:
    void load();
    void onMove(double position);
    void onChangeEnd(double position);
    void showValue(double value);

    SidePanelValues& m_values;
    double m_scale;
    double m_value = 0;
    double m_defaultValue = 0;
    QLabel* m_valueLabel;
    CustomSlider* m_slider;
    SelectedObjectWatcher* m_watcher;
};
