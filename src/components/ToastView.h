#pragma once

#include <QWidget>

class QLabel;

// The one toast look of the application: 15 px white text on 0x3E3F40,
// corner radius 3, padded 5 above and below and 10 at the sides. As a child
// of a window it keeps itself centred horizontally, `bottomMargin` above the
// window's bottom edge, and no wider than its maximum width (a longer text
// wraps). When to show and hide it is up to its owner.
class ToastView : public QWidget {
    Q_OBJECT
public:
    static constexpr int defaultBottomMargin = 40;

    explicit ToastView(QWidget* parent = nullptr);

    void showText(const QString& text);
    void hideToast();
    QString text() const;

    int bottomMargin() const { return m_bottomMargin; }
    void setBottomMargin(int margin);
    void setMaximumToastWidth(int width);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void placeInParent();
    void placeWhenShown();

    QLabel* m_label;
    int m_bottomMargin = defaultBottomMargin;
    int m_maximumWidth = QWIDGETSIZE_MAX;
};
