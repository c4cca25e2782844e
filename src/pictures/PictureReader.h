#pragma once

#include <QImage>
#include <QString>

// Reads a picked picture as any viewer would show it: judged by its content,
// not its name; turned upright from its EXIF orientation; the first frame of
// an animation; a picture longer than `maxSide` decoded scaled down to it.
// A file that does not decode, or a JPEG or PNG cut short, gives a null
// image. Safe on any thread.
class PictureReader {
public:
    static constexpr int maxSide = 4096;

    static QImage read(const QString& path);
};
