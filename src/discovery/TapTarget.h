#pragma once

#include <QWidget>

// A widget that reports single taps: a left press and release inside it.
// Its children are drawn as usual and a tap on them reaches it too, unless a
// child takes the press itself.
class TapTarget : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

Q_SIGNALS:
    void tapped();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};
