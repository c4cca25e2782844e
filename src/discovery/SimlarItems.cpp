#include "discovery/SimlarItems.h"

#include "discovery/RemoteImage.h"

SimlarItems::SimlarItems(QWidget* parent)
    : TapTarget(parent)
    , m_image(new RemoteImage(80, 4, this))
{
    setFixedSize(80, 80);
}

void SimlarItems::setImageUrl(const QString& url)
{
    m_image->setUrlString(url);
}

QString SimlarItems::imageUrl() const
{
    return m_image->urlString();
}
