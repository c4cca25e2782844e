#include "components/CustomSlider.h"

#include "components/SliderGeometry.h"

#include <QEasingCurve>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <QTimer>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>

namespace {
constexpr double capRadius = 6;
constexpr double veilExtraWidth = 12; // the veil spans the caps: 247 for a 235 track
constexpr int thumbEaseMs = 150;
const QString thumbImagePath = QStringLiteral(":/images/Frame 70.svg");
} // namespace

CustomSlider::CustomSlider(double hue, const CustomSliderOptions& options, SliderActions actions, QWidget* parent)
    : CustomSlider(hue, options.ratio, options.sliderSize, colorsFrom(options), std::move(actions), parent)
{
}

CustomSlider::CustomSlider(double hue, int ratio, const QSizeF& sliderSize, const Colors& colors, SliderActions actions,
    QWidget* parent, const Metrics& metrics)
    : QWidget(parent)
    , m_hue(hue)
    , m_ratio(ratio)
    , m_sliderSize(sliderSize.expandedTo(QSizeF(0, 0)))
    , m_metrics(metrics)
    , m_colors(colors)
    , m_actions(std::move(actions))
    , m_pressTimer(new QTimer(this))
    , m_thumbAnimation(new QVariantAnimation(this))
    , m_thumbImage(new QSvgRenderer(thumbImagePath, this))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(sizeHint());

    m_pressTimer->setSingleShot(true);
    m_pressTimer->setInterval(LongPressDragGesture::minimumPressMs);
    connect(m_pressTimer, &QTimer::timeout, this, [this] {
        m_gesture.pressElapsed();
        update();
    });

    m_thumbAnimation->setDuration(thumbEaseMs);
    m_thumbAnimation->setEasingCurve(QEasingCurve::OutCubic);
    connect(m_thumbAnimation, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_drawnThumbX = value.toDouble();
        update();
    });

    placeThumb(false);
}

CustomSlider::Colors CustomSlider::colorsFrom(const CustomSliderOptions& options)
{
    const QColor start = QColor::fromRgb(QRgb(options.startColor));
    const QColor end = QColor::fromRgb(QRgb(options.endColor));
    QGradientStops track = options.gradient;
    if (track.isEmpty())
        track = { { 0.0, start }, { 1.0, end } };
    if (options.isOpacity)
        return { start, end, start, track };
    return { end, start, end, track };
}

QSize CustomSlider::sizeHint() const
{
    const double width = m_sliderSize.width() + 2 * m_metrics.sideMargin;
    const double height = std::max({ rowHeight, m_sliderSize.height(), m_metrics.thumbDiameter });
    return QSize(int(std::ceil(width)), int(std::ceil(height)));
}

void CustomSlider::setHue(double hue)
{
    if (hue == m_hue)
        return;
    m_hue = hue;
    placeThumb(true);
}

void CustomSlider::setDisable(bool disable)
{
    if (disable == m_disable)
        return;
    m_disable = disable;
    if (disable && m_gesture.isActive()) {
        // A disabled slider neither moves nor stores; the drag simply stops.
        m_pressTimer->stop();
        m_gesture.cancel();
        placeThumb(true);
    }
    update();
}

void CustomSlider::setColors(const Colors& colors)
{
    m_colors = colors;
    update();
}

QRectF CustomSlider::trackRect() const
{
    return QRectF((width() - m_sliderSize.width()) / 2, (height() - m_sliderSize.height()) / 2, m_sliderSize.width(),
        m_sliderSize.height());
}

QPointF CustomSlider::thumbCenter() const
{
    const QRectF track = trackRect();
    return QPointF(track.left() + m_thumbX, track.center().y());
}

QRectF CustomSlider::thumbRect() const
{
    const QPointF centre = thumbCenter();
    const double side = m_metrics.thumbDiameter;
    return QRectF(centre.x() - side / 2, centre.y() - side / 2, side, side);
}

void CustomSlider::placeThumb(bool animate)
{
    const SliderGeometry::ThumbPlacement placement
        = SliderGeometry::placeThumb(m_hue, dragTranslationX(), m_sliderSize.width(), m_ratio);
    m_thumbX = placement.x;
    if (placement.position && m_actions.onEndPosition)
        m_actions.onEndPosition(SliderGeometry::reported(*placement.position, m_ratio));

    m_thumbAnimation->stop();
    if (animate && isVisible() && m_drawnThumbX != m_thumbX) {
        m_thumbAnimation->setStartValue(m_drawnThumbX);
        m_thumbAnimation->setEndValue(m_thumbX);
        m_thumbAnimation->start();
    } else {
        m_drawnThumbX = m_thumbX;
    }
    update();
}

void CustomSlider::mousePressEvent(QMouseEvent* event)
{
    // Only the thumb carries the gesture; presses elsewhere belong to the parent.
    if (m_disable || event->button() != Qt::LeftButton || !thumbRect().contains(event->position())) {
        event->ignore();
        return;
    }
    m_gesture.begin(event->position());
    m_pressTimer->start();
    event->accept();
    update();
}

void CustomSlider::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_gesture.isActive()) {
        event->ignore();
        return;
    }
    const bool changed = m_gesture.move(event->position());
    if (!m_gesture.isActive())
        m_pressTimer->stop();
    if (changed) {
        if (m_actions.onMove) {
            const double position = SliderGeometry::dragValue(m_hue, dragTranslationX(), m_sliderSize.width());
            m_actions.onMove(SliderGeometry::reported(position, m_ratio));
        }
        placeThumb(false);
    }
    event->accept();
}

void CustomSlider::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_gesture.isActive() || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    endGesture();
    event->accept();
}

void CustomSlider::hideEvent(QHideEvent* event)
{
    // A slider taken off screen mid-gesture never sees the release.
    m_pressTimer->stop();
    if (m_gesture.isActive()) {
        m_gesture.cancel();
        placeThumb(false);
    }
    QWidget::hideEvent(event);
}

void CustomSlider::endGesture()
{
    m_pressTimer->stop();
    const std::optional<QSizeF> translation = m_gesture.end();
    if (translation) {
        m_hue = SliderGeometry::dragValue(m_hue, translation->width(), m_sliderSize.width());
        Q_EMIT hueChanged(m_hue);
        if (m_actions.onChangeEnd)
            m_actions.onChangeEnd(SliderGeometry::reported(m_hue, m_ratio));
    }
    placeThumb(true);
}

void CustomSlider::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    const QRectF track = trackRect();
    const double capTop = track.center().y() - m_sliderSize.height() / 2;
    painter.setBrush(m_colors.leadingCap);
    painter.drawRoundedRect(QRectF(capInset, capTop, capWidth, m_sliderSize.height()), capRadius, capRadius);
    painter.setBrush(m_colors.trailingCap);
    painter.drawRoundedRect(
        QRectF(width() - capInset - capWidth, capTop, capWidth, m_sliderSize.height()), capRadius, capRadius);

    QLinearGradient fill(track.topLeft(), track.topRight());
    fill.setStops(m_colors.track);
    painter.fillRect(track, fill);

    const double side = m_metrics.thumbDiameter;
    const QRectF thumb(track.left() + m_drawnThumbX - side / 2, track.center().y() - side / 2, side, side);
    painter.setBrush(m_colors.cursor);
    painter.drawEllipse(thumb);
    if (m_thumbImage->isValid())
        m_thumbImage->render(&painter, thumb);

    if (m_disable) {
        const QSizeF veil = m_metrics.veilSize.isEmpty() ? QSizeF(m_sliderSize.width() + veilExtraWidth, rowHeight)
                                                         : m_metrics.veilSize;
        painter.setBrush(QColor(255, 255, 255, 128));
        painter.drawRoundedRect(
            QRectF(QPointF((width() - veil.width()) / 2, (height() - veil.height()) / 2), veil), capRadius, capRadius);
    }
}
