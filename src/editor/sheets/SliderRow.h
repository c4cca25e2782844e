#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace SliderRow {

inline constexpr int topSpace = 16;

// Lays `bar` out as a colour-sheet slider row: 16 px of space, the title row
// with its value label, then `slider`. Returns the value label.
QLabel* build(QWidget* bar, const QString& titleKey, QWidget* slider);

} // namespace SliderRow
