#include "components/ToastView.h"

#include "ComponentTestSupport.h"

#include <QLabel>
#include <gtest/gtest.h>

TEST(ToastView, ShowsItsTextCentredAboveTheBottomOfItsWindow)
{
    QWidget window;
    window.setFixedSize(900, 532);
    window.setStyleSheet("background: #1E1E1E;");
    auto* toast = new ToastView(&window);
    window.show();
    EXPECT_FALSE(toast->isVisible());

    toast->showText("Logo creation failed. Please try again.");
    EXPECT_TRUE(toast->isVisible());
    EXPECT_EQ(toast->text(), "Logo creation failed. Please try again.");
    const QLabel* label = toast->findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->font().pixelSize(), 15);
    EXPECT_EQ(label->geometry().left(), 10);
    EXPECT_EQ(label->geometry().top(), 5);
    EXPECT_EQ(toast->width(), label->width() + 20);
    EXPECT_EQ(toast->height(), label->height() + 10);
    EXPECT_LE(std::abs(toast->geometry().center().x() - 450), 1);
    EXPECT_EQ(toast->geometry().bottom() + 1, 532 - 40);
    EXPECT_TRUE(toast->testAttribute(Qt::WA_TransparentForMouseEvents));

    const QImage image = window.grab().toImage();
    saveSnapshot(&window, "toast");
    EXPECT_EQ(image.pixelColor(toast->geometry().left() + 4, toast->geometry().center().y()), QColor(0x3E, 0x3F, 0x40));
    EXPECT_LT(image.pixelColor(toast->geometry().topLeft()).red(), 0x28); // rounded corner

    const int shortWidth = toast->width();
    toast->showText("OK");
    EXPECT_LT(toast->width(), shortWidth);
    EXPECT_LE(std::abs(toast->geometry().center().x() - 450), 1);

    toast->hideToast();
    EXPECT_FALSE(toast->isVisible());
}

TEST(ToastView, WrapsATextWiderThanItsWindowAndFollowsResizes)
{
    QWidget window;
    window.resize(300, 200);
    auto* toast = new ToastView(&window);
    window.show();
    toast->showText(QString("The logo has been saved to the \"Documents\" -> Tessaly directory ").repeated(3));
    EXPECT_LE(toast->width(), 300);
    EXPECT_GE(toast->geometry().left(), 0);
    EXPECT_GT(toast->height(), 30); // more than one line
    EXPECT_EQ(toast->geometry().bottom() + 1, 200 - 40);

    window.resize(1000, 400);
    EXPECT_EQ(toast->geometry().bottom() + 1, 400 - 40);
    EXPECT_LE(std::abs(toast->geometry().center().x() - 500), 1);

    toast->setBottomMargin(20);
    EXPECT_EQ(toast->geometry().bottom() + 1, 400 - 20);

    // A maximum width narrower than the window wraps the text within it, still centred.
    toast->setMaximumToastWidth(400);
    EXPECT_LE(toast->width(), 400);
    EXPECT_LE(std::abs(toast->geometry().center().x() - 500), 1);
    EXPECT_EQ(toast->geometry().bottom() + 1, 400 - 20);
}
