// The settings page: its rows, their hover look, the pages they open and the
// version footer.

#include "app/SettingView.h"

#include "OpenedUrls.h"
#include "app/SettingLinkRow.h"
#include "app/VersionView.h"
#include "core/Configs.h"
#include "core/WebPages.h"

#include <QEnterEvent>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

void hover(QWidget* widget, bool inside)
{
    if (inside) {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(widget, &enter);
    } else {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(widget, &leave);
    }
}

TEST(SettingViewTest, FourRowsInPageOrder)
{
    SettingView page;
    EXPECT_EQ(page.size(), QSize(720, 560));
    const QStringList titles { "I want to comment", "Privacy Policy", "User License Agreement", "Support" };
    ASSERT_EQ(page.rows().size(), 4);
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(page.rows()[row]->title(), titles[row]);
        EXPECT_EQ(page.rows()[row]->size(), QSize(680, 54));
    }
}

// Shows `window` and makes it the active window.
bool activate(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

TEST(SettingViewTest, HoverLightsTheRowAndSwapsItsImage)
{
    SettingView page;
    ASSERT_TRUE(activate(page));
    const QStringList plain { "comment1", "Glyph-background 3", "Glyph-background 4", "Glyph-background 5" };
    const QStringList lit { "Glyph-background 2", "privacy2", "userLicense2", "support2" };
    for (int index = 0; index < 4; ++index) {
        SettingLinkRow* row = page.rows()[index];
        EXPECT_EQ(row->currentImageName(), plain[index]);
        EXPECT_EQ(row->currentBackground(), QColor(0x1E1E1E));
        EXPECT_EQ(row->currentCornerRadius(), 0);
        hover(row, true);
        EXPECT_EQ(row->currentImageName(), lit[index]);
        EXPECT_EQ(row->currentBackground(), QColor(0x383838));
        EXPECT_EQ(row->currentCornerRadius(), 3);
        hover(row, false);
        EXPECT_EQ(row->currentImageName(), plain[index]);
        EXPECT_EQ(row->currentBackground(), QColor(0x1E1E1E));
    }
}

TEST(SettingViewTest, RowsLightUpOnlyWhileTheWindowIsActive)
{
    SettingView page;
    QWidget other;
    ASSERT_TRUE(activate(other));
    page.show();
    SettingLinkRow* row = page.rows().front();
    hover(row, true);
    EXPECT_FALSE(row->selectHover()) << "the window is inactive";

    ASSERT_TRUE(activate(page));
    EXPECT_TRUE(row->selectHover()) << "the pointer is still over the row";
    ASSERT_TRUE(activate(other));
    EXPECT_FALSE(row->selectHover());
}

TEST(SettingViewTest, EachRowOpensItsPageOnceAndLogsAsGiven)
{
    OpenedUrls opened;
    SettingView page;
    const QString site = Configs::Network::companySiteURL;
    const QList<QUrl> expected { QUrl(reviewPageAddress()), QUrl(site + "/privacy-policy"),
        QUrl(site + "/license-agreement"), QUrl(site + "/about/contact") };
    const QStringList lines { "点击评论\n", "隐私协议\n", "", "支持\n" };
    for (int index = 0; index < 4; ++index) {
        testing::internal::CaptureStdout();
        QTest::mouseClick(page.rows()[index], Qt::LeftButton);
        EXPECT_EQ(QString::fromStdString(testing::internal::GetCapturedStdout()), lines[index]);
        ASSERT_EQ(opened.urls.size(), index + 1);
        EXPECT_EQ(opened.urls.last(), expected[index]);
    }
}

TEST(SettingViewTest, FooterShowsTheVersion)
{
    EXPECT_TRUE(VersionView::footerText(QStringLiteral("1.0.0")).startsWith(QStringLiteral("Ver:1.0.0    ")));
    SettingView page;
    // The test program carries no version.
    EXPECT_TRUE(page.versionView()->text().startsWith(QStringLiteral("Ver:Unknown    ")));
}

} // namespace
