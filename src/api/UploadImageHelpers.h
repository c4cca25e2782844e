#pragma once

// Picture preparation before an upload: the picture-to-logo flow's square
// redraw and the editor background's PNG thumbnail. Both measure 512 pixels
// times the primary screen's device pixel ratio (512 without a screen).

#include <QImage>
#include <QString>
#include <optional>

// The picture stretched (aspect ratio not kept) onto a square of that side.
std::optional<QImage> resizeImageToSquare512(const QImage& image);

// The Base64 of a PNG thumbnail, longer side at most that size, with the
// picture's orientation applied; nothing for text that is not strict Base64
// of a picture.
std::optional<QString> thumbnailPNGBase64(const QString& base64);

// 512 times the primary screen's device pixel ratio, or 512.
int uploadImageSide();
