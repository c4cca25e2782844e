#pragma once

#include <QImage>

// The last prepared picture of the picture-to-logo road: the cut square after
// resizing. Written when a crop is confirmed and read by its upload; empty
// until then. Main thread only.
QImage& aiPicsUploadImage();
