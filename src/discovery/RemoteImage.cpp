#include "discovery/RemoteImage.h"

#include "core/AsyncImageView.h"

RemoteImage::RemoteImage(int side, int cornerRadius, QWidget* parent)
    : QWidget(parent)
    , m_cornerRadius(cornerRadius)
{
    setFixedSize(side, side);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setUrlString(QString());
}

void RemoteImage::setUrlString(const QString& urlString)
{
    if (m_view && urlString == m_urlString)
        return;
    m_urlString = urlString;
    delete m_view;
    m_view = new AsyncImageView(urlString, width(), height(), m_cornerRadius, this);
    m_view->setGeometry(rect());
    m_view->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_view->show();
}
