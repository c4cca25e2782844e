#include "components/HoverEffect.h"

#include "support/TestSupport.h"

#include <QGraphicsOpacityEffect>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void send(QWidget* widget, QEvent::Type type)
{
    QEvent event(type);
    QApplication::sendEvent(widget, &event);
}

} // namespace

TEST(HoverEffect, DimsAndShowsTheHandOnlyWhileHovered)
{
    QWidget window;
    QPushButton button("Upgrade", &window);
    HoverEffect* hover = HoverEffect::apply(&button);
    window.show();

    EXPECT_FALSE(hover->isHovered());
    EXPECT_EQ(hover->opacity(), 1.0);
    EXPECT_FALSE(button.testAttribute(Qt::WA_SetCursor));

    send(&button, QEvent::Enter);
    EXPECT_TRUE(hover->isHovered());
    EXPECT_DOUBLE_EQ(hover->opacity(), 0.7);
    auto* effect = qobject_cast<QGraphicsOpacityEffect*>(button.graphicsEffect());
    ASSERT_NE(effect, nullptr);
    EXPECT_DOUBLE_EQ(effect->opacity(), 0.7);
    EXPECT_EQ(button.cursor().shape(), Qt::PointingHandCursor);

    send(&button, QEvent::Leave);
    EXPECT_FALSE(hover->isHovered());
    EXPECT_DOUBLE_EQ(effect->opacity(), 1.0);
    EXPECT_FALSE(button.testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(button.cursor().shape(), Qt::ArrowCursor);
}

TEST(HoverEffect, LeavesClicksToTheWidget)
{
    QPushButton button("Create");
    HoverEffect::apply(&button);
    button.resize(120, 30);
    button.show();
    QSignalSpy clicked(&button, &QPushButton::clicked);
    send(&button, QEvent::Enter);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(60, 15));
    EXPECT_EQ(clicked.count(), 1);
}

TEST(HoverEffect, AppliesOnceAndForgetsTheHoverWhenHidden)
{
    QPushButton button("Cancel");
    HoverEffect* first = HoverEffect::apply(&button);
    EXPECT_EQ(HoverEffect::apply(&button), first);
    EXPECT_EQ(button.findChildren<HoverEffect*>().size(), 1);
    EXPECT_EQ(HoverEffect::apply(nullptr), nullptr);

    button.show();
    send(&button, QEvent::Enter);
    button.hide();
    EXPECT_FALSE(first->isHovered());
    EXPECT_DOUBLE_EQ(first->opacity(), 1.0);
}
