#pragma once

#include "components/DragState.h"
#include "components/LongPressDragGesture.h"

#include <QColor>
#include <QGradientStops>
#include <QSizeF>
#include <QWidget>
#include <functional>

class QSvgRenderer;
class QTimer;
class QVariantAnimation;

// What a slider hands its owner: `onMove` during a drag, `onChangeEnd` once
// after the value has been stored, `onEndPosition` whenever the thumb is laid
// out inside the track. Each receives the position (0...1) times the ratio.
struct SliderActions {
    std::function<void(double)> onMove;
    std::function<void(double)> onChangeEnd;
    std::function<void(double)> onEndPosition;
};

struct CustomSliderOptions {
    int startColor = 0xFFFFFF; // 0xRRGGBB
    int endColor = 0xFFFFFF; // 0xRRGGBB
    QGradientStops gradient {}; // track fill, leading to trailing
    int ratio = 1;
    QSizeF sliderSize { 235, 7 };
    bool isOpacity = true; // false swaps the end caps and gives the thumb endColor
};

// The frame around a slider's track: the row is the track plus a margin on
// each side; the veil covers `veilSize`, or the track and its caps when empty.
struct CustomSliderMetrics {
    double sideMargin = 17.5; // a 235-wide track sits in a 270-wide row
    double thumbDiameter = 15;
    QSizeF veilSize {};
};

// A gradient track with end caps and a round thumb. The thumb follows a long
// press (50 ms) then a drag; the value (`hue`, 0...1) changes only when the
// drag ends. While `disable` is set a white veil covers the slider and the
// thumb ignores the pointer.
class CustomSlider : public QWidget {
    Q_OBJECT
public:
    static constexpr double capWidth = 12;
    static constexpr double capInset = 11;
    static constexpr double rowHeight = 30;

    CustomSlider(double hue, const CustomSliderOptions& options, SliderActions actions, QWidget* parent = nullptr);

    double hue() const { return m_hue; }
    void setHue(double hue);
    bool disable() const { return m_disable; }
    void setDisable(bool disable);
    int ratio() const { return m_ratio; }
    QSizeF sliderSize() const { return m_sliderSize; }
    double thumbDiameter() const { return m_metrics.thumbDiameter; }
    DragState hueState() const { return m_gesture.state(); }
    LongPressDragGesture::Phase gesturePhase() const { return m_gesture.phase(); }

    // Geometry in widget coordinates, where the slider draws its parts.
    QRectF trackRect() const;
    QPointF thumbCenter() const;
    QRectF thumbRect() const;

    QSize sizeHint() const override;

Q_SIGNALS:
    // The value was stored at the end of a drag (the owner's binding).
    void hueChanged(double hue);

protected:
    using Metrics = CustomSliderMetrics;
    struct Colors {
        QColor leadingCap;
        QColor trailingCap;
        QColor cursor;
        QGradientStops track;
    };
    CustomSlider(double hue, int ratio, const QSizeF& sliderSize, const Colors& colors, SliderActions actions,
        QWidget* parent, const Metrics& metrics = {});
    void setColors(const Colors& colors);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

    // The caps, thumb and track of the options' colours.
    static Colors colorsFrom(const CustomSliderOptions& options);

private:
    void placeThumb(bool animate);
    void endGesture();
    double dragTranslationX() const { return m_gesture.state().translation().width(); }

    double m_hue = 0;
    int m_ratio = 1;
    QSizeF m_sliderSize;
    Metrics m_metrics;
    Colors m_colors;
    SliderActions m_actions;
    bool m_disable = false;
    LongPressDragGesture m_gesture;
    QTimer* m_pressTimer = nullptr;
    QVariantAnimation* m_thumbAnimation = nullptr;
    QSvgRenderer* m_thumbImage = nullptr;
    double m_thumbX = 0; // where the thumb belongs, from the track's leading edge
    double m_drawnThumbX = 0; // where it is drawn while it eases there
};
