#pragma once

#include <QColor>
#include <QImage>
#include <optional>

// The mean of all pixels (red, green, blue and alpha), or none for an empty image.
std::optional<QColor> averageColor(const QImage& image);
