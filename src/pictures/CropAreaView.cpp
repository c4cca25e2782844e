#include "pictures/CropAreaView.h"

#include "pictures/CropViewModel.h"

#include <QLineF>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QWheelEvent>
#include <cmath>

namespace {
const QString decorationPath = QStringLiteral(":/images/Group 85.svg");

// The picture at no more pixels than it is ever drawn with, so that painting
// a zoomed 4096-pixel photo stays cheap.
QPixmap drawablePicture(const QImage& image, const CropViewModel& viewModel, double devicePixelRatio)
{
    const QSizeF largest = viewModel.imageSizeInView * viewModel.magnificationLimits().second * devicePixelRatio;
    if (image.isNull() || !largest.isValid() || largest.width() >= image.width())
        return QPixmap::fromImage(image);
    return QPixmap::fromImage(
        image.scaled(largest.toSize().expandedTo(QSize(1, 1)), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
} // namespace

CropAreaView::CropAreaView(const QImage& image, MaskShape maskShape, CropViewModel* viewModel, QWidget* parent)
    : QWidget(parent)
    , m_mask(maskShape)
    , m_viewModel(viewModel)
    , m_decoration(new QSvgRenderer(decorationPath, this))
{
    setFixedSize(areaSize);
    setAttribute(Qt::WA_AcceptTouchEvents, false);
    m_picture = drawablePicture(image, *viewModel, devicePixelRatioF());
    connect(m_viewModel, &CropViewModel::changed, this, qOverload<>(&QWidget::update));
}

QRectF CropAreaView::maskRect() const
{
    const double side = 2 * m_viewModel->maskRadius;
    return QRectF(width() / 2.0 - side / 2, height() / 2.0 - side / 2, side, side);
}

QRectF CropAreaView::pictureRect() const
{
    const QSizeF size = m_viewModel->imageSizeInView * m_viewModel->scale();
    const QPointF centre = QPointF(width() / 2.0, height() / 2.0)
        + QPointF(m_viewModel->offset().width(), m_viewModel->offset().height());
    return QRectF(centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(), size.height());
}

void CropAreaView::drawPicture(QPainter& painter) const
{
    painter.drawPixmap(pictureRect(), m_picture, m_picture.rect());
}

void CropAreaView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setClipRect(rect());

    painter.setOpacity(dimmedOpacity);
    drawPicture(painter);

    painter.setOpacity(1);
    const QRectF mask = maskRect();
    painter.save();
    painter.setClipPath(m_mask.path(mask), Qt::IntersectClip);
    drawPicture(painter);
    painter.restore();

    if (m_decoration->isValid()) {
        const QSizeF own = m_decoration->defaultSize() * decorationScale;
        const QRectF frame(
            mask.center().x() - own.width() / 2, mask.center().y() - own.height() / 2, own.width(), own.height());
        m_decoration->render(&painter, frame);
    }
}

void CropAreaView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_pressed = true;
    m_dragging = false;
    m_pressPoint = event->position();
    event->accept();
}

void CropAreaView::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_pressed) {
        event->ignore();
        return;
    }
    const QPointF point = event->position();
    if (!m_dragging && QLineF(m_pressPoint, point).length() < minimumDragDistance)
        return;
    m_dragging = true;
    m_viewModel->drag(QSizeF(point.x() - m_pressPoint.x(), point.y() - m_pressPoint.y()));
    event->accept();
}

void CropAreaView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_pressed || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    if (m_dragging)
        m_viewModel->endDrag();
    m_pressed = false;
    m_dragging = false;
    event->accept();
}

void CropAreaView::wheelEvent(QWheelEvent* event)
{
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0) {
        event->ignore();
        return;
    }
    m_viewModel->zoomByFactor(std::pow(wheelStepFactor, notches));
    m_viewModel->endZoom();
    Q_EMIT zoomChanged();
    event->accept();
}

bool CropAreaView::event(QEvent* event)
{
    if (event->type() != QEvent::NativeGesture)
        return QWidget::event(event);
    auto* gesture = static_cast<QNativeGestureEvent*>(event);
    switch (gesture->gestureType()) {
    case Qt::BeginNativeGesture:
        m_pinchMagnification = 1;
        break;
    case Qt::ZoomNativeGesture:
        // Each event carries the change since the last one; the zoom step
        // wants the magnification since the pinch began.
        m_pinchMagnification += gesture->value();
        m_viewModel->zoomBy(m_pinchMagnification);
        Q_EMIT zoomChanged();
        break;
    case Qt::EndNativeGesture:
        m_viewModel->endZoom();
        m_pinchMagnification = 1;
        break;
    default:
        return QWidget::event(event);
    }
    event->accept();
    return true;
}
