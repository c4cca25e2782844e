#pragma once

// Writing the canvas page's exports into Documents/"Tessaly"/<type>. Each
// routine prints its line and tells the caller where the file went or why it
// was not written; a file is written whole or not at all, and never over an
// existing one.

#include <QString>

struct ExportedFile {
    QString path; // set when the file was written
    QString error; // the printed failure line otherwise

    bool ok() const { return error.isEmpty() && !path.isEmpty(); }
};

// Decodes the page's Base64 SVG (percent-encoded SVG text) and writes it;
// then opens the export folder.
ExportedFile saveBase64SvgToDocuments(const QString& base64, const QString& fileName, const QString& type);

// Decodes a Base64 PNG, with or without its data-URL prefix, and writes it.
ExportedFile saveBase64PngToDocuments(const QString& base64, const QString& fileName, const QString& type);

// Removes the settings key "documentsFolderBookmark".
void clearDocumentsFolderBookmark();
