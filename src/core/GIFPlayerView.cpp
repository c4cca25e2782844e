#include "core/GIFPlayerView.h"

#include <QFile>
#include <QMovie>
#include <QPainter>

GIFPlayerView::GIFPlayerView(const QString& gifName, QWidget* parent)
    : QWidget(parent)
{
    const QString path = QStringLiteral(":/images/") + gifName + QStringLiteral(".gif");
    if (!QFile::exists(path))
        return;
    m_movie = new QMovie(path, QByteArray(), this);
    connect(m_movie, &QMovie::frameChanged, this, qOverload<>(&QWidget::update));
    m_movie->start();
}

void GIFPlayerView::paintEvent(QPaintEvent* /*event*/)
{
    if (!m_movie)
        return;
    const QImage frame = m_movie->currentImage();
    if (frame.isNull())
        return;
    QSizeF size = frame.size();
    size.scale(QSizeF(this->size()), Qt::KeepAspectRatio);
    QRectF target(QPointF(), size);
    target.moveCenter(QRectF(rect()).center());
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, frame);
}
