#pragma once

// Colours, fonts and the label row shared by the adjustment sheets.

#include <QColor>
#include <QString>

class QLabel;
class QWidget;

namespace SheetStyle {

inline constexpr int panelWidth = 270;
inline constexpr int headerHeight = 37;
inline constexpr int dividerHeight = 1;
inline constexpr int fixedBodyHeight = 93;
inline constexpr QRgb panelBackground = 0x262626;
inline constexpr QRgb dividerColor = 0x383838;
inline constexpr QRgb titleColor = 0xDEE2E6;
inline constexpr QRgb valueColor = 0xDEE2E6;
inline constexpr QRgb rowTitleColor = 0xADB5BD;
inline constexpr int titlePixelSize = 14;
inline constexpr int rowPixelSize = 13;
inline constexpr int rowPadding = 12;

// A label in the system font at `pixelSize`, regular weight, in `color`.
QLabel* makeLabel(const QString& text, int pixelSize, QRgb color, QWidget* parent);

// A colour-sheet row: the localised title at the leading edge (12 px in)
// and, when `value` is given, a value label at the trailing edge (12 px in).
QWidget* makeTitleRow(const QString& titleKey, QLabel** value, QWidget* parent);

// Fills `widget`'s background with `color`.
void fillBackground(QWidget* widget, QRgb color);

} // namespace SheetStyle
