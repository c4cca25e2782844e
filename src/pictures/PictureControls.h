#pragma once

// The buttons and labels the picture page and its crop screen are made of.

#include <QString>

class QLabel;
class QPushButton;
class QSize;
class QWidget;

// A flat text button: white text at `pixelSize` on a solid colour, corner
// radius 5, with the hover effect.
QPushButton* makePictureButton(
    const QString& text, const QSize& size, int colorHex, int pixelSize, QWidget* parent = nullptr);

// A plain label in the system font.
QLabel* makePictureLabel(
    const QString& text, int pixelSize, int colorHex, QWidget* parent = nullptr, bool bold = false);
