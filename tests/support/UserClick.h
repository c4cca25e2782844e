#pragma once

#include <QCoreApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

// Clicks as a user does. QTest::mouseClick on a QWidget hands the event
// straight to that widget, so it passes while another widget covers it;
// these go through the control's window at the control's centre instead, and
// whatever lies on top there takes the click.

inline QPoint centreInWindow(const QWidget* control)
{
    return control->mapTo(control->window(), control->rect().center());
}

// The widget a click at `control`'s centre reaches (the window itself when
// no child lies there).
inline QWidget* widgetAtCentre(const QWidget* control)
{
    QWidget* window = control->window();
    QWidget* hit = window->childAt(centreInWindow(control));
    return hit ? hit : window;
}

// Whether a click at `control`'s centre reaches the control (or one of its
// own children, which pass it on).
inline bool clickReaches(const QWidget* control)
{
    const QWidget* hit = widgetAtCentre(control);
    return hit == control || control->isAncestorOf(hit);
}

inline void userClick(const QWidget* control, Qt::MouseButton button = Qt::LeftButton)
{
    QWindow* window = control->window()->windowHandle();
    ASSERT_NE(window, nullptr) << "the control's window is not shown";
    ASSERT_TRUE(control->isVisible()) << "the control is not on screen";
    QTest::mouseClick(window, button, {}, centreInWindow(control));
    QCoreApplication::processEvents();
}
