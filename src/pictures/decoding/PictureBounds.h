#pragma once

#include <QtGlobal>

// How large a picked picture may be, for the reader and the decoders alike.
namespace PictureBounds {

// The long side a picture is shown and uploaded at, at most.
inline constexpr int maxSide = 4096;
// The most a decoded picture may hold at full size.
inline constexpr qint64 maxDecodedBytes = qint64(512) << 20;
// At four bytes a pixel, as Qt's reader counts too.
inline constexpr qint64 maxPixels = maxDecodedBytes / 4;
// An animation's first frame is composed on its whole canvas, which libwebp
// holds twice: its canvas may have as many pixels as Qt's reader held by
// default, 128 MB of them.
inline constexpr qint64 maxAnimationPixels = (qint64(128) << 20) / 4;

} // namespace PictureBounds
