#pragma once

// The frame of an editor side panel: a 270-wide column with a 37-high
// header (title and close button), a divider and a scrolling body, which
// slides in from the right when shown and out again on close.

#include <QWidget>
#include <functional>

class QPropertyAnimation;
class QPushButton;
class QScrollArea;

class SidePanelFrame : public QWidget {
    Q_OBJECT
public:
    static constexpr int panelWidth = 270;
    static constexpr int headerHeight = 37;

    SidePanelFrame(const QString& title, QWidget* parent);

    // The body's content; the frame takes ownership.
    void setBody(QWidget* body);
    QScrollArea* scrollArea() const { return m_scroll; }
    QPushButton* closeButton() const { return m_close; }

    bool isShowSheet() const { return m_isShowSheet; }
    // Slides out and, `delayMilliseconds` later, calls `afterwards` (unless
    // the frame is gone by then).
    void slideOut(int delayMilliseconds, std::function<void()> afterwards);

Q_SIGNALS:
    void closeClicked();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void slideTo(int x);

    QWidget* m_sheet;
    QScrollArea* m_scroll;
    QPushButton* m_close;
    QPropertyAnimation* m_slide;
    bool m_isShowSheet = false;
};
