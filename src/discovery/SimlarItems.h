#pragma once

#include "discovery/TapTarget.h"

class RemoteImage;

// One similar-design tile: its picture, 80 × 80, radius 4; a tap selects it.
class SimlarItems : public TapTarget {
    Q_OBJECT
public:
    explicit SimlarItems(QWidget* parent = nullptr);

    void setImageUrl(const QString& url);
    QString imageUrl() const;

private:
    RemoteImage* m_image;
};
