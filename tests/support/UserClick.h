#pragma once

#include <QAbstractButton>
#include <QCoreApplication>
#include <QStringList>
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

// Whether a user clicks `widget` to act: every button, and each of our own
// widgets that takes clicks itself.
inline bool actsOnClick(const QWidget* widget)
{
    if (qobject_cast<const QAbstractButton*>(widget))
        return true;
    static const char* const ownClickables[] = { "LeftTabItem", "SettingLinkRow", "TapTarget", "TemplateGridView",
        "StyleCard", "TagView", "CreateButton", "MailSection", "CustomSlider", "ColorBar", "CropAreaView" };
    for (const char* name : ownClickables)
        if (widget->inherits(name))
            return true;
    return false;
}

// Whether `widget`'s centre lies where the window shows it: on screen, and
// not clipped away by an ancestor (scrolled out of view, slid out).
inline bool centreIsShown(const QWidget* widget)
{
    if (!widget->isVisible() || widget->width() <= 0 || widget->height() <= 0)
        return false;
    const QWidget* window = widget->window();
    const QPoint centre = centreInWindow(widget);
    for (const QWidget* ancestor = widget; ancestor && ancestor != window; ancestor = ancestor->parentWidget()) {
        const QRect shown(ancestor->mapTo(window, QPoint(0, 0)), ancestor->size());
        if (!shown.contains(centre))
            return false;
    }
    return window->rect().contains(centre);
}

// The controls in `area` (a window, or a part of one) whose centre is shown.
inline QList<const QWidget*> shownControls(const QWidget* area)
{
    QList<const QWidget*> shown;
    QList<QWidget*> all = area->findChildren<QWidget*>();
    all.prepend(const_cast<QWidget*>(area));
    for (const QWidget* widget : all)
        if (actsOnClick(widget) && centreIsShown(widget))
            shown << widget;
    return shown;
}

// The controls in `area` that a click at their centre does not reach, each
// with the widget that takes the click instead.
inline QStringList coveredControls(const QWidget* area)
{
    QStringList covered;
    for (const QWidget* control : shownControls(area)) {
        if (clickReaches(control))
            continue;
        const QWidget* hit = widgetAtCentre(control);
        const auto* button = qobject_cast<const QAbstractButton*>(control);
        covered << QStringLiteral("%1 \"%2\" under %3 \"%4\"")
                       .arg(control->metaObject()->className(),
                           button && !button->text().isEmpty() ? button->text() : control->objectName(),
                           hit->metaObject()->className(), hit->objectName());
    }
    return covered;
}

// Expects `area` to show controls, and none of them covered.
inline void expectNoneCovered(const QWidget* area, const QString& when)
{
    EXPECT_FALSE(shownControls(area).isEmpty()) << when.toStdString() << ": no control to try";
    const QStringList covered = coveredControls(area);
    EXPECT_TRUE(covered.isEmpty()) << when.toStdString() << ":\n  " << covered.join("\n  ").toStdString();
}
