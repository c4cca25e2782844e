#pragma once

#include <QWidget>
#include <functional>

class QPushButton;

// The network-failure view shown in place of content that could not load:
// image, message and "Retry". Retry runs `action`, then posts
// EditLogoViewEvent::RetryEvent.
class LoadSvgFailView : public QWidget {
    Q_OBJECT
public:
    LoadSvgFailView(std::function<void()> action, std::function<void()> actionBack, QWidget* parent = nullptr);

    QPushButton* retryButton() const { return m_retryButton; }
    void retry();

private:
    std::function<void()> m_action;
    std::function<void()> m_actionBack;
    QPushButton* m_retryButton;
};
