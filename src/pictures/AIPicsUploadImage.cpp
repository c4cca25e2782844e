#include "pictures/AIPicsUploadImage.h"

QImage& aiPicsUploadImage()
{
    static QImage image;
    return image;
}
