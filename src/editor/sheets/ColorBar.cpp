#include "editor/sheets/ColorBar.h"

#include "canvas/CanvasScripts.h"
#include "canvas/WebViewViewController.h"
#include "components/SliderGeometry.h"
#include "core/Localization.h"
#include "core/RxBus.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorEvents.h"
#include "editor/SidePanelValues.h"
#include "editor/sheets/SheetStyle.h"
#include "editor/sheets/SheetValues.h"
#include "editor/sheets/Throttle.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QTimer>
#include <QVariantAnimation>
#include <cmath>

namespace {
constexpr double capWidth = 12;
constexpr double capInset = 11;
constexpr double capRadius = 6;
constexpr QRgb leadingCapColor = 0xFF1B1B;
constexpr QRgb trailingCapColor = 0xFF0000;
constexpr int thumbEaseMs = 150;
} // namespace

ColorBar::ColorBar(EditLogoViewModel& model, std::shared_ptr<Throttle> throttle, QWidget* parent, QSizeF sliderSize)
    : QWidget(parent)
    , m_values(model.panelValues())
    , m_canvas(model.canvas())
    , m_throttle(std::move(throttle))
    , m_sliderSize(sliderSize.expandedTo(QSizeF(0, 0)))
    , m_pressTimer(new QTimer(this))
    , m_thumbAnimation(new QVariantAnimation(this))
    , m_thumbImage(new QSvgRenderer(QStringLiteral(":/images/Frame 70.svg"), this))
{
    setFixedSize(sizeHint());
    m_pressTimer->setSingleShot(true);
    m_pressTimer->setInterval(minimumPressMs);
    connect(m_pressTimer, &QTimer::timeout, this, [this] {
        m_gesture.pressElapsed();
        gestureChanged();
    });
    m_thumbAnimation->setDuration(thumbEaseMs);
    m_thumbAnimation->setEasingCurve(QEasingCurve::OutCubic);
    connect(m_thumbAnimation, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_drawnThumbX = value.toDouble();
        update();
    });
    m_drawnThumbX = thumbX();

    connect(&m_values, &SidePanelValues::canvasBrightnessAndSaturationModelChanged, this, [this] { update(); });
    // The event's own model: the same value the editor stores, whichever
    // handler runs first.
    subscribeEvent<EditLogoViewEvent::getBrightnessAndSaturationEvent>(
        this, [this](const EditLogoViewEvent::getBrightnessAndSaturationEvent& e) {
            setHue(e.canvasBrightnessAndSaturationModel.hue / 360.0);
        });
}

QSize ColorBar::sizeHint() const
{
    const double trackRow = std::max(thumbDiameter, m_sliderSize.height());
    return QSize(SheetStyle::panelWidth, int(std::ceil(topSpace + labelHeight + labelGap + trackRow)));
}

void ColorBar::setHue(double hue)
{
    if (hue == m_hue)
        return;
    m_hue = hue;
    easeThumb();
}

QString ColorBar::valueText() const
{
    return QString::number(m_values.canvasBrightnessAndSaturationModel().hue);
}

QRectF ColorBar::trackRect() const
{
    const double rowTop = topSpace + labelHeight + labelGap;
    const double rowHeight = std::max(thumbDiameter, m_sliderSize.height());
    return QRectF((width() - m_sliderSize.width()) / 2, rowTop + (rowHeight - m_sliderSize.height()) / 2,
        m_sliderSize.width(), m_sliderSize.height());
}

double ColorBar::thumbX() const
{
    return SliderGeometry::placeThumb(m_hue, dragTranslationX(), m_sliderSize.width()).x;
}

QRectF ColorBar::thumbRect() const
{
    const QRectF track = trackRect();
    return QRectF(track.left() + thumbX() - thumbDiameter / 2, track.center().y() - thumbDiameter / 2, thumbDiameter,
        thumbDiameter);
}

QGradientStops ColorBar::rainbowStops()
{
    QGradientStops stops;
    for (int k = 0; k < hueStops; ++k)
        stops.append({ double(k) / (hueStops - 1), QColor::fromHsvF(float(k * 0.05), 1.0f, 1.0f) });
    return stops;
}

void ColorBar::easeThumb()
{
    const double target = thumbX();
    m_thumbAnimation->stop();
    if (isVisible() && m_drawnThumbX != target && !m_gesture.isActive()) {
        m_thumbAnimation->setStartValue(m_drawnThumbX);
        m_thumbAnimation->setEndValue(target);
        m_thumbAnimation->start();
    } else {
        m_drawnThumbX = target;
    }
    update();
}

void ColorBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !thumbRect().contains(event->position())) {
        event->ignore();
        return;
    }
    m_lastPostedColor.clear();
    m_gesture.begin(event->position());
    m_pressTimer->start();
    gestureChanged();
    event->accept();
}

void ColorBar::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_gesture.isActive()) {
        event->ignore();
        return;
    }
    const bool changed = m_gesture.move(event->position());
    if (!m_gesture.isActive()) {
        m_pressTimer->stop();
        m_onTap = false;
        easeThumb();
    } else if (changed) {
        gestureChanged();
    }
    event->accept();
}

void ColorBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_gesture.isActive() || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    endGesture();
    event->accept();
}

void ColorBar::hideEvent(QHideEvent* event)
{
    m_pressTimer->stop();
    if (m_gesture.isActive()) {
        m_gesture.cancel();
        m_onTap = false;
        easeThumb();
    }
    QWidget::hideEvent(event);
}

void ColorBar::gestureChanged()
{
    m_onTap = m_gesture.isActive();
    m_drawnThumbX = thumbX();
    update();
    m_throttle->throttle([this] {
        m_onTap = true;
        const double v = SliderGeometry::dragValue(m_hue, dragTranslationX(), m_sliderSize.width());
        postColor(SheetValues::hueColorText(v));
    });
}

void ColorBar::endGesture()
{
    m_pressTimer->stop();
    const std::optional<QSizeF> translation = m_gesture.end();
    m_onTap = false;
    if (!translation) {
        easeThumb();
        return;
    }
    const double v = SliderGeometry::dragValue(m_hue, translation->width(), m_sliderSize.width());
    // The throttle may have dropped the last moves; the object must end in
    // the colour under the thumb.
    const QString finalColor = SheetValues::hueColorText(v);
    if (finalColor != m_lastPostedColor)
        postColor(finalColor);
    m_hue = v;
    m_drawnThumbX = thumbX();
    update();
    m_canvas.evaluate(CanvasScripts::activeAttributes());
}

void ColorBar::postColor(const QString& text)
{
    m_lastPostedColor = text;
    RxBus::shared().post(EditFontEvent::ColorStringChangeEvent { text });
}

void ColorBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    QFont font = painter.font();
    font.setPixelSize(SheetStyle::rowPixelSize);
    painter.setFont(font);
    const QRectF labelRow(SheetStyle::rowPadding, topSpace, width() - 2 * SheetStyle::rowPadding, labelHeight);
    painter.setPen(QColor::fromRgb(SheetStyle::rowTitleColor));
    painter.drawText(labelRow, Qt::AlignLeft | Qt::AlignVCenter, localized(QStringLiteral("Hus")));
    painter.setPen(QColor::fromRgb(SheetStyle::valueColor));
    painter.drawText(labelRow, Qt::AlignRight | Qt::AlignVCenter, valueText());

    painter.setPen(Qt::NoPen);
    const QRectF track = trackRect();
    painter.setBrush(QColor::fromRgb(leadingCapColor));
    painter.drawRoundedRect(QRectF(capInset, track.top(), capWidth, track.height()), capRadius, capRadius);
    painter.setBrush(QColor::fromRgb(trailingCapColor));
    painter.drawRoundedRect(
        QRectF(width() - capInset - capWidth, track.top(), capWidth, track.height()), capRadius, capRadius);

    QLinearGradient rainbow(track.topLeft(), track.topRight());
    rainbow.setStops(rainbowStops());
    painter.fillRect(track, rainbow);

    const QRectF thumb(track.left() + m_drawnThumbX - thumbDiameter / 2, track.center().y() - thumbDiameter / 2,
        thumbDiameter, thumbDiameter);
    painter.setBrush(Qt::white);
    painter.drawEllipse(thumb);
    if (m_thumbImage->isValid())
        m_thumbImage->render(&painter, thumb);
}
