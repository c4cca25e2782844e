#pragma once

// Colours pass between views as integers 0xRRGGBB; these turn them (and hex
// texts) into display colours and back.

#include <QColor>
#include <QString>
#include <cstdint>
#include <optional>

// sRGB colour from 0xRRGGBB; bits above 23 are ignored.
QColor Color(std::int64_t hex, double alpha = 1.0);
QColor colorFromHex32(std::uint32_t hex, double alpha = 1.0);
// Red, green and blue on 0...255; alpha on 0...1.
QColor colorFromRGB(double red, double green, double blue, double alpha = 1.0);
// Trims, skips one "#", reads one hex number: unreadable text gives opaque black.
QColor colorHex(const QString& text);
// White when any component is missing.
QColor colorFromHexString(const QString& text, double alpha = 1.0);

struct HexComponents {
    std::optional<double> red;
    std::optional<double> green;
    std::optional<double> blue;

    bool isComplete() const { return red && green && blue; }
};

// Red, green and blue (0...255) of "#RRGGBB", "##RRGGBB", "0xRRGGBB" or
// "RRGGBB"; all missing when fewer than six digits' room remains.
HexComponents hexComponents(const QString& text);

// "#RRGGBB" with each component truncated; none for an invalid colour.
std::optional<QString> hexString(const QColor& color);

struct HSV {
    double hue = 0;
    double saturation = 0;
    double value = 0;
};

// Hue in degrees; value on the scale of the input. Prints the input and result.
HSV rgbToHSV(double red, double green, double blue);
