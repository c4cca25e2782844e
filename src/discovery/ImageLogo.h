#pragma once

#include "discovery/RemoteImage.h"

// The detail page's picture of the design: 382 × 382, radius 4.
class ImageLogo : public RemoteImage {
    Q_OBJECT
public:
    explicit ImageLogo(QWidget* parent = nullptr)
        : RemoteImage(382, 4, parent)
    {
    }

    void setImageUrl(const QString& url) { setUrlString(url); }
};
