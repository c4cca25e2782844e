#pragma once

#include "components/CustomSlider.h"

#include <QString>
#include <QWidget>
#include <functional>

class QLabel;

// A colour-sheet slider row over 0…100: 16 px of space, the title with the
// value it shows, then a gradient slider. A drag posts each move as
// (value, true); its end posts the value the row was last loaded with (a
// preview the page relies on), then the final value as (value, false).
class GradientSliderBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int topSpace = 16;

    struct Row {
        QString titleKey;
        QString unit; // after the shown number
        std::function<void(int value, bool isAddToUndo)> post;
        // The slider's position (0…1) as the value a move posts.
        std::function<int(double position)> posted;
    };
    using SliderFactory = std::function<CustomSlider*(SliderActions, QWidget* parent)>;

    GradientSliderBar(Row row, const SliderFactory& makeSlider, QWidget* parent);

    // A slider whose track runs from `start` to `end`, the thumb in `start`.
    static SliderFactory plainSlider(QRgb start, QRgb end);

    double value() const { return m_value; }
    double defaultValue() const { return m_defaultValue; }
    CustomSlider* slider() const { return m_slider; }
    QLabel* valueLabel() const { return m_valueLabel; }

protected:
    // Shows `value` without moving the thumb.
    void showValue(double value);
    // Shows `value` and moves the thumb there.
    void placeValue(double value);
    // The value a drag's end posts first.
    void setDefaultValue(double value) { m_defaultValue = value; }
    // What a move does besides posting and showing its value.
    virtual void moved(double /*position*/) { }

private:
    void move(double position);
    void endDrag(double position);

    Row m_row;
    double m_value = 100;
    double m_defaultValue = 100;
    CustomSlider* m_slider = nullptr;
    QLabel* m_valueLabel = nullptr;
};
