#pragma once

#include "pictures/MaskShapeView.h"

#include <QImage>
#include <QPixmap>
#include <QPointF>
#include <QWidget>

class CropViewModel;
class QSvgRenderer;

// The crop area of the crop screen, 640 × 392: the picture dimmed, the same
// picture lit inside the mask, and the "Group 85" corners over the mask.
// Dragging pans the picture; the wheel and a touchpad pinch zoom it. All
// geometry lives in the view model.
class CropAreaView : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize areaSize { 640, 392 };
    static constexpr double dimmedOpacity = 0.5;
    static constexpr double decorationScale = 0.85;
    static constexpr double minimumDragDistance = 10;
    static constexpr double wheelStepFactor = 1.05; // per notch

    CropAreaView(const QImage& image, MaskShape maskShape, CropViewModel* viewModel, QWidget* parent = nullptr);

    // The mask's square in widget coordinates.
    QRectF maskRect() const;
    // Where the picture is drawn at the model's zoom and pan.
    QRectF pictureRect() const;

Q_SIGNALS:
    // A pinch or the wheel changed the zoom.
    void zoomChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool event(QEvent* event) override;

private:
    void drawPicture(QPainter& painter) const;

    QPixmap m_picture; // the picture at the largest size it is drawn at
    MaskShapeView m_mask;
    CropViewModel* m_viewModel;
    QSvgRenderer* m_decoration;
    bool m_pressed = false;
    bool m_dragging = false;
    QPointF m_pressPoint;
    double m_pinchMagnification = 1;
};
