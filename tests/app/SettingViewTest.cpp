// The settings page: its rows, their hover look, the pages they open and the
// version footer.

#include "app/SettingView.h"

#include "OpenedUrls.h"
#include "app/SettingLinkRow.h"
#include "app/UpdateVersionView.h"
#include "app/VersionView.h"
#include "core/Configs.h"
#include "core/OwnChildEnvironment.h"
#include "core/RxBus.h"
#include "core/SharedEvents.h"
#include "core/WebPages.h"
#include "support/TestSupport.h"

#include <QEnterEvent>
#include <QFile>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
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

// A page the user's opener starts for and then fails to open (as xdg-open
// does when it finds no browser) says so in the main window's toast.
TEST(SettingViewTest, APageTheOpenerFailsToOpenSaysSoInTheToast)
{
    QTemporaryDir bin;
    ASSERT_TRUE(bin.isValid());
    QFile opener(bin.filePath(QStringLiteral("xdg-open")));
    ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
    // It leaves a mark, so the test knows that it, not another opener, failed.
    opener.write("#!/bin/sh\ntouch \"$(dirname \"$0\")/ran\"\nexit 3\n");
    opener.close();
    opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // Only the opener's PATH: the web engine's threads may read this process's
    // environment at any time.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), bin.path() + u':' + environment.value(QStringLiteral("PATH")));
    OwnChildEnvironment::setUsersEnvironment(environment);
    // However slow the machine, the opener fails before it could count as opened.
    const auto delay = OwnChildEnvironment::openerVerdictDelay();
    OwnChildEnvironment::setOpenerVerdictDelay(std::chrono::hours(1));
    const auto restore = qScopeGuard([&] {
        OwnChildEnvironment::setUsersEnvironment(std::nullopt);
        OwnChildEnvironment::setOpenerVerdictDelay(delay);
    });

    const struct {
        const char* name;
        std::function<void()> open;
    } rows[] = {
        { "a settings link",
            [] {
                SettingView page;
                QTest::mouseClick(page.rows()[2], Qt::LeftButton);
            } },
        { "Upgrade",
            [] {
                UpdateVersionView prompt;
                prompt.setUpdate(QStringLiteral("1.2"), QStringLiteral("http://127.0.0.1:9/download"));
                prompt.upgradeButton()->click();
            } },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QStringList toasts;
        rx::DisposeBag bag;
        subscribeEvent<ContentViewEventBus::ToastEvent>(
            bag, [&](const ContentViewEventBus::ToastEvent& toast) { toasts << toast.text; });
        row.open();
        EXPECT_TRUE(waitUntil([&] { return !toasts.isEmpty(); }, 30000));
        EXPECT_EQ(toasts.join(u'\n').toStdString(), "The page could not be opened.");
        EXPECT_TRUE(QFile::remove(bin.filePath(QStringLiteral("ran")))) << "the test's opener never ran";
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
