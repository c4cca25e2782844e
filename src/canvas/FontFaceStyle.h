#pragma once

#include <QString>

// The weight and style of one font file, as CSS names them: "normal", "bold"
// or "100" … "900", and "normal", "italic" or "oblique".
struct FontFaceStyle {
    QString weight = QStringLiteral("normal");
    QString style = QStringLiteral("normal");

    // The face a catalogue row names by the words its name adds to its
    // family: "DejaVu Serif Bold" of "DejaVu Serif" is bold. A name that adds
    // any other word, or doesn't start with its family, names the plain face.
    static FontFaceStyle ofRow(const QString& name, const QString& family);
    // A text's weight and style as the page reports them, named as above
    // ("400" is "normal", "700" is "bold", nothing is the normal one).
    static FontFaceStyle ofText(const QString& weight, const QString& style);

    bool operator==(const FontFaceStyle&) const = default;
};
