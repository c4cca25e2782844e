#pragma once

#include <QRect>

class QPainter;

// The layout an industry row shares in the wizard and the free creator: a
// checkbox at the leading edge and the name beside it.
namespace IndustryCheckRow {

// From the row's leading edge to the checkbox.
inline constexpr int leadingInset = 13;

// The name's frame in a row `rowWidth` wide, ending `trailingInset` before
// its trailing edge.
QRect nameGeometry(int rowWidth, int trailingInset);

// Draws the ticked or unticked checkbox.
void paintCheckbox(QPainter& painter, bool checked);

} // namespace IndustryCheckRow
