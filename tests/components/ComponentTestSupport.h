#pragma once

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>

// Writes a picture of `widget` to $TESSALY_COMPONENT_SNAPSHOTS/components-<name>.png
// when that variable is set, so the components can be looked at by eye.
inline void saveSnapshot(QWidget* widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("TESSALY_COMPONENT_SNAPSHOTS");
    if (!folder.isEmpty())
        widget->grab().save(folder + QStringLiteral("/components-") + name + QStringLiteral(".png"));
}

// Mouse events with the left button held, delivered as the window system would.
inline void sendMouse(QWidget* widget, QEvent::Type type, const QPointF& position)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, position, widget->mapToGlobal(position), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline QColor pixelAt(const QImage& image, const QPointF& point)
{
    return image.pixelColor(point.toPoint());
}
