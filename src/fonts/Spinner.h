#pragma once

#include <QColor>
#include <QWidget>

class QTimer;

// A turning arc drawn in one colour; it turns only while shown.
class Spinner : public QWidget {
    Q_OBJECT
public:
    Spinner(QColor color, int diameter, QWidget* parent = nullptr);

    bool isSpinning() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QColor m_color;
    int m_diameter;
    QTimer* m_timer;
    int m_angle = 0;
};
