#pragma once

#include <QWidget>
#include <functional>

class LoadSvgFailView;

// A 720 × 500 area of the AI page covered by the network-failure view: the
// view on a white backing, centred and lifted a little, on the page colour.
// Retry runs `retry`.
class AiFailurePanel : public QWidget {
    Q_OBJECT
public:
    AiFailurePanel(std::function<void()> retry, QWidget* parent);

    LoadSvgFailView* failView() const { return m_failView; }

private:
    LoadSvgFailView* m_failView;
};
