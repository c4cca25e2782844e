#pragma once

#include <QImage>
#include <QString>

// Reads a picked picture as any viewer would show it: judged by its content,
// not its name; turned upright from its EXIF orientation; the first frame of
// an animation; a picture longer than `maxSide` decoded scaled down to it.
// A picture whose header claims more than `maxDecodedBytes` at four bytes a
// pixel, a file that does not decode, or a JPEG or PNG cut short, gives a
// null image. Safe on any thread: it changes no process-wide reader setting.
class PictureReader {
public:
    static constexpr int maxSide = 4096;
    static constexpr qint64 maxDecodedBytes = qint64(512) << 20;

    static QImage read(const QString& path);
};
