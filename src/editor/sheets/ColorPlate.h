#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class ColorSwatch;

// The "Color Plate" label over seven rows of swatches, in the vertical
// middle of the plate. Rows of ten are 247 px wide and centred; a shorter
// last row starts 12 px from the leading edge, under the label.
class ColorPlate : public QWidget {
    Q_OBJECT
public:
    using Rows = std::array<std::vector<int>, 7>;
    using SwatchFactory = std::function<ColorSwatch*(int color, QWidget* parent)>;

    static constexpr int swatchSpacing = 3;
    static constexpr int lastRowInset = 12;

    ColorPlate(const Rows& rows, const SwatchFactory& makeSwatch, QWidget* parent);

    const Rows& rows() const { return m_rows; }
    // Every swatch, row by row, left to right.
    const std::vector<ColorSwatch*>& swatches() const { return m_swatches; }

private:
    Rows m_rows;
    std::vector<ColorSwatch*> m_swatches;
};
