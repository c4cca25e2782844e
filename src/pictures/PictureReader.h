#pragma once

#include <QImage>
#include <QString>

// Reads a picked picture as any viewer would show it: judged by its content,
// not its name; turned upright from its EXIF orientation; the first frame of
// an animation; a picture longer than `maxSide` decoded scaled down to it, in
// 32 bits. A picture whose header claims more than `maxPixels`, a file that
// does not decode, or a JPEG, PNG or GIF cut short, is refused, with the reason.
// Safe on any thread: it changes no process-wide reader setting.
class PictureReader {
public:
    static constexpr int maxSide = 4096;
    static constexpr qint64 maxDecodedBytes = qint64(512) << 20;
    // At four bytes a pixel, as Qt's reader counts too.
    static constexpr qint64 maxPixels = maxDecodedBytes / 4;

    enum class Refusal { None, Unreadable, TooLarge };

    struct Result {
        QImage image; // null when refused
        Refusal refusal = Refusal::None;
        qint64 mostPixels = 0; // too large: the most pixels a picture of its kind may have
    };

    static Result read(const QString& path);
};
