#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;

// The one toast look of the application: 15 px white text on 0x3E3F40,
// corner radius 3, padded 5 above and below and 10 at the sides. It keeps
// itself centred horizontally on its host (the widget it is created with),
// `bottomMargin` above the host's bottom edge, and no wider than its maximum
// width (a longer text wraps). While shown it lies in the host's top-level
// window above every other child there, so nothing the window stacks over
// the host (the canvas view) hides it; it goes when the host goes. When to
// show and hide it is up to its owner.
class ToastView : public QWidget {
    Q_OBJECT
public:
    static constexpr int defaultBottomMargin = 40;

    explicit ToastView(QWidget* host = nullptr);

    void showText(const QString& text);
    void hideToast();
    QString text() const;

    int bottomMargin() const { return m_bottomMargin; }
    void setBottomMargin(int margin);
    void setMaximumToastWidth(int width);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void moveAboveHost();
    void placeOnHost();
    void placeWhenShown();

    QPointer<QWidget> m_host;
    QLabel* m_label;
    int m_bottomMargin = defaultBottomMargin;
    int m_maximumWidth = QWIDGETSIZE_MAX;
};
