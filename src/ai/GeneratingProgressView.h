#pragma once

#include <QWidget>

// The generating screen's progress: a 185-point track whose fill grows from
// its centre (to 190 points, a little past the track), and the caption
// "Generating" below; both fade together.
class GeneratingProgressView : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double animWidth READ animWidth WRITE setAnimWidth)
    Q_PROPERTY(double animTextOpacity READ animTextOpacity WRITE setAnimTextOpacity)
public:
    static constexpr double trackWidth = 185;
    static constexpr double barHeight = 3;

    explicit GeneratingProgressView(QWidget* parent = nullptr);

    double animWidth() const { return m_animWidth; }
    void setAnimWidth(double width);
    double animTextOpacity() const { return m_animTextOpacity; }
    void setAnimTextOpacity(double opacity);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double m_animWidth = 0;
    double m_animTextOpacity = 1;
};
