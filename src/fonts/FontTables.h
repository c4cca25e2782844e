#pragma once

// The fonts the catalogue names: four Latin groups and the Japanese, Chinese
// and Korean fonts. A row's file name selects it (the sheet shows it, the
// canvas page gets it as "fontName"); its family is the one text is drawn in.

#include <QString>
#include <span>

struct FontTableRow {
    const char16_t* fileName;
    const char16_t* family;

    QString fileNameText() const { return QString::fromUtf16(fileName); }
    QString familyText() const { return QString::fromUtf16(family); }
};

std::span<const FontTableRow> latinFonts10();
std::span<const FontTableRow> latinFonts40();
std::span<const FontTableRow> latinFontsArt();
std::span<const FontTableRow> latinFontsOther();
// Only the file names of these rows are read; each is a stem, one or two
// spaces and a script tag, with the tag's code points kept exactly.
std::span<const char16_t* const> cjkFonts();
