#pragma once

// Pictures from Base64 text, and pictures saved as PNG files.

#include <QImage>
#include <QString>
#include <optional>

// Decodes strict Base64 (no blanks or line breaks), bare or as a
// "data:image…" URL; none when the text or the bytes aren't a picture.
std::optional<QImage> imageFromBase64(const QString& text);

// Lets the user choose where to save the picture as PNG (proposing
// "image.png"), without blocking.
void saveImageAsPNG(const QImage& image);
void saveBase64ImageAsPNG(const QString& text);

// Writes the picture as PNG, whole or not at all, and prints the outcome.
bool writePngFile(const QImage& image, const QString& path);
