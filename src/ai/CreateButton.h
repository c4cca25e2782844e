#pragma once

#include <QWidget>

// The look shared by the two Create buttons: "Create" on blue with an arrow
// 8 points from the right edge, hover feedback, and a click signal. Disabled,
// it is drawn faded and takes no clicks.
class CreateButton : public QWidget {
    Q_OBJECT
public:
    explicit CreateButton(QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};
