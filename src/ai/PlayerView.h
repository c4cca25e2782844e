#pragma once

#include <QColor>
#include <QPainter>
#include <QVideoFrame>
#include <QWidget>

// The surface of the looping video view: paints the latest video frame over a
// solid background, scaled to cover the whole area (aspect fill: centred, the
// overflow cut off), with a chosen blend mode.
class PlayerView : public QWidget {
    Q_OBJECT
public:
    explicit PlayerView(QWidget* parent = nullptr);

    void setFrame(const QVideoFrame& frame);
    bool hasFrame() const { return m_frame.isValid(); }

    QColor backgroundColor() const { return m_background; }
    void setBackgroundColor(const QColor& color);
    QPainter::CompositionMode blendMode() const { return m_blendMode; }
    void setBlendMode(QPainter::CompositionMode mode);

    // The part of a picture of `imageSize` shown in `area` scaled to cover it.
    static QRectF aspectFillRect(const QSizeF& imageSize, const QRectF& area);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVideoFrame m_frame;
    QColor m_background;
    QPainter::CompositionMode m_blendMode = QPainter::CompositionMode_SourceOver;
};
