#pragma once

// The arithmetic of the adjustment sheets: how slider positions become the
// whole numbers the sheets post, how the page's texts are read, and the
// colour text of the hue bar. Each conversion truncates exactly where the
// sheets' contract says it does, in double or single precision.

#include <QString>
#include <optional>

namespace SheetValues {

// Int(p × scale) in double precision (brightness and saturation: 0.29 → 28).
int truncatedScale(double p, double scale);
// Int(Float(p × scale)): the product rounded to single precision first
// (opacity: 0.29 → 29; the spacing and rotation events).
int truncatedScaleViaFloat(double p, double scale);
// Int(Float(p) × Float(scale)), multiplied in single precision (the spacing
// and rotation values written back into the editor's models).
int truncatedFloatScale(double p, float scale);

// Truncates toward zero. A value that is not finite counts as 0; one beyond
// the range of an int is first clamped to low…high.
int truncatedClamped(double value, double low, double high);
// The value a sheet keeps for a number read from the page: 0 when it is not
// finite, clamped to low…high when it lies beyond the range of an int, else
// unchanged.
double sanitized(double value, double low, double high);

// Reads the whole of `text` as a single-precision number in the C locale;
// nothing for an empty text, leading white space or trailing characters.
std::optional<float> parseCFloat(const QString& text);
// The shortest text that reads back as `value`, with ".0" added when it has
// neither a point nor an exponent ("0.5", "1.0", "0.0").
QString shortestFloatText(float value);

// "#RRGGBBAA" in upper case for the colour of hue `hue` (0…1) at full
// saturation, brightness and opacity.
QString hueColorText(double hue);

} // namespace SheetValues
