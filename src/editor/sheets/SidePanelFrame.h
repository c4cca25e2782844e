#pragma once

#include "editor/EditorPanel.h"

#include <QPointer>
#include <QWidget>

class QPropertyAnimation;
class QPushButton;
class QScrollArea;

// The frame of every adjustment sheet: a 270-px column of a 37-px header
// (centred title, close button at the trailing edge), a 1-px divider and the
// sheet's body, all on #262626. Once on screen the content slides in from
// 270 px to the right; the close button slides it out and, 0.1 s later,
// posts the panel's show event, on which the editor removes the panel.
class SidePanelFrame : public QWidget {
    Q_OBJECT
public:
    static constexpr int slideDurationMs = 600;
    static constexpr int closeDelayMs = 100; // sheetActionDelay

    struct Header {
        QString titleKey;
        int closeIconSize = 10;
        int trailingSpace = 0; // the spacer after the close button
        int closeDelay = closeDelayMs; // from the close button to the show event
    };

    // A body height of 0 lets the body take the rest of the frame's height.
    SidePanelFrame(EditorPanel panel, const Header& header, int bodyHeight, QWidget* parent);

    QWidget* body() const { return m_body; }
    // Fills the body with a frameless vertical scroll area showing `content`
    // at the body's width, without scroll bars (wheel and touchpad scroll).
    QScrollArea* setScrollingBody(QWidget* content);
    QWidget* content() const { return m_content; }
    QPushButton* closeButton() const { return m_closeButton; }
    // True from the first show until the close button is pressed.
    bool isShowSheet() const { return m_isShowSheet; }

    // The close button's action.
    void closeSheet();

    // Position along the spring for a fraction of the slide's duration.
    static double springProgress(double fraction);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void slideTo(int x);
    void layOutContent();

    EditorPanel m_panel;
    int m_closeDelay;
    int m_bodyHeight;
    QWidget* m_content;
    QWidget* m_header;
    QWidget* m_body;
    QPushButton* m_closeButton;
    QPropertyAnimation* m_slide;
    bool m_isShowSheet = false;
    bool m_closing = false;
};
