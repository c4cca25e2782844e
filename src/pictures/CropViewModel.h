#pragma once

#include <QImage>
#include <QObject>
#include <QPointF>
#include <QSizeF>
#include <optional>
#include <utility>

// The state of one crop: how far the picture is zoomed and panned under a
// fixed mask, the limits of both, and the cut of the square under the mask.
// Geometry is in the laid-out picture's points (`imageSizeInView` at scale 1);
// the cut converts to the picture's pixels. Every zoom, from a pinch, the
// wheel or the slider, goes through one clamped path, and the pan is clamped
// again after each zoom, so the mask never leaves the picture.
class CropViewModel : public QObject {
    Q_OBJECT
public:
    // The slider's zoom range: 0 maps to 2 × 150 / 392, 1 to 4.
    static constexpr double sliderScaleSpan = 3.2346938775510203;
    static constexpr double sliderScaleBase = 0.7653061224489796;
    static constexpr double startScale = 1.6687407407407406;

    CropViewModel(double maskRadius, double maxMagnificationScale, QObject* parent = nullptr);

    const double maxMagnificationScale;
    QSizeF imageSizeInView;
    double maskRadius;

    double scale() const { return m_scale; }
    double lastScale() const { return m_lastScale; }
    QSizeF offset() const { return m_offset; }
    QSizeF lastOffset() const { return m_lastOffset; }
    void setScale(double scale);
    void setOffset(const QSizeF& offset);

    // The largest pan per axis that keeps the mask inside the picture;
    // negative on an axis where the zoomed picture is narrower than the mask.
    QPointF maxDragOffset() const;
    // The lower and upper bound of the zoom. The lower one lets the picture's
    // shorter side just cover the mask; where it exceeds the configured
    // maximum it is also the upper one.
    std::pair<double, double> magnificationLimits() const;

    // The size at which a picture of `pictureSize` is laid out inside `frame`
    // at scale 1: its aspect ratio fitted into the frame.
    static QSizeF fittedSize(const QSizeF& pictureSize, const QSizeF& frame);
    // The slider position for a zoom, and the zoom for a slider position.
    static double sliderValue(double scale);
    static double scaleForSliderValue(double value);
    // The factor a pinch of magnification `m` (since its start) applies.
    static double dampedFactor(double magnification);

    // The crop screen's first zoom: the start scale, or the lower limit when
    // that is higher.
    void startZoom();
    // One change of a pinch whose magnification since its start is `m`.
    void zoomBy(double magnification);
    // Multiplies the zoom by `factor` (the wheel), clamped like a pinch.
    void zoomByFactor(double factor);
    // The slider moved to `value` (0...1).
    void zoomToSliderValue(double value);
    // A zoom gesture ended: its zoom and pan become the settled ones.
    void endZoom();
    // A drag by `translation` from the settled pan, clamped.
    void drag(const QSizeF& translation);
    void endDrag();

    // The square of the picture under the mask, in whole pixels and inside
    // the picture; nothing for a null picture.
    std::optional<QRect> cropRect(const QSize& pictureSize) const;
    std::optional<QImage> crop(const QImage& image) const;

Q_SIGNALS:
    void changed();

private:
    // Zooms within the limits and clamps the pan again; a user's zoom is announced.
    void setClampedScale(double scale, bool announce = true);
    QSizeF clampedOffset(const QSizeF& offset) const;

    double m_scale = 1.0;
    double m_lastScale = 1.0;
    QSizeF m_offset { 0, 0 };
    QSizeF m_lastOffset { 0, 0 };
};
