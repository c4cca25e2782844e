#pragma once

#include <QImage>
#include <QVideoFrame>

// A video frame as an image. The common planar YUV layouts (I420 and NV12)
// are converted here on the CPU: QVideoFrame::toImage() may go through a GPU
// pipeline that a software renderer rebuilds for every frame, which costs
// most of a core for a small looping clip. Other layouts use toImage().
QImage videoFrameImage(const QVideoFrame& frame);
