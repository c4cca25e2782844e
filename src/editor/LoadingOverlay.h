#pragma once

#include <QWidget>

class QTimer;

// Covers its parent while something loads, with a turning spinner. It takes
// the clicks meant for what lies under it.
class LoadingOverlay : public QWidget {
    Q_OBJECT
public:
    explicit LoadingOverlay(QWidget* parent = nullptr);

    void setActive(bool active);
    bool isActive() const { return isVisible(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer* m_timer;
    int m_angle = 0;
};
