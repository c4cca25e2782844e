#pragma once

#include "components/LongPressDragGesture.h"

#include <QSizeF>
#include <QWidget>
#include <memory>

class EditLogoViewModel;
class SidePanelValues;
class WebViewViewController;
class QSvgRenderer;
class QTimer;
class QVariantAnimation;
class Throttle;

// The hue row of the colour sheet: the "Hus" title with the page's hue in
// degrees, and a rainbow track whose thumb picks a hue. Holding the thumb
// for 0.2 s and dragging it posts the colour under the thumb (full
// saturation and brightness) as "#RRGGBBAA", through the throttle. When the
// drag ends the thumb keeps its place, the final colour is posted if the
// throttle dropped it, and the page is asked for the object's attributes;
// its answer moves the thumb to the hue the page reports.
class ColorBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int minimumPressMs = 200;
    static constexpr double thumbDiameter = 15;
    static constexpr int topSpace = 12;
    static constexpr int labelHeight = 16;
    static constexpr int labelGap = 8;
    static constexpr int hueStops = 20;

    ColorBar(EditLogoViewModel& model, std::shared_ptr<Throttle> throttle, QWidget* parent,
        QSizeF sliderSize = QSizeF(235, 7));

    // The thumb's hue, 0…1 from the leading to the trailing end.
    double hue() const { return m_hue; }
    void setHue(double hue);
    bool onTap() const { return m_onTap; }
    DragState hueState() const { return m_gesture.state(); }
    QSizeF sliderSize() const { return m_sliderSize; }
    // The page's hue in degrees, as the row shows it.
    QString valueText() const;

    QRectF trackRect() const;
    QRectF thumbRect() const;
    // The colour at hue k × 0.05 for k = 0…19, spread evenly over the track.
    static QGradientStops rainbowStops();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    double dragTranslationX() const { return m_gesture.state().translation().width(); }
    double thumbX() const;
    void gestureChanged();
    void endGesture();
    void postColor(const QString& text);
    void easeThumb();

    SidePanelValues& m_values;
    WebViewViewController& m_canvas;
    std::shared_ptr<Throttle> m_throttle;
    QSizeF m_sliderSize;
    double m_hue = 0;
    bool m_onTap = false;
    LongPressDragGesture m_gesture;
    QString m_lastPostedColor; // the last colour of this drag that the throttle let through
    QTimer* m_pressTimer;
    QVariantAnimation* m_thumbAnimation;
    QSvgRenderer* m_thumbImage;
    double m_drawnThumbX = 0;
};
