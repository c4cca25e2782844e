// The main window's start-up work against the stand-in server: what it sends,
// in which order, once per run, and when it offers an update.

#include "app/StartupWork.h"

#include "OpenedUrls.h"
#include "app/ContentView.h"
#include "app/UpdateVersionView.h"
#include "core/Log.h"
#include "globals/ModelGlobals.h"
#include "support/StandinHarness.h"
#include "support/TestSupport.h"

#include <QPushButton>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr const char* configPath = "/logo2/Get_config";
constexpr const char* backupPath = "/logo2/Backup_v1_design";
constexpr const char* fontListPath = "/logo2/GetRemoteFonts";
constexpr const char* updatePath = "/v1/ty/check_update";

// Where each start-up step's line sits in the captured output: the requests'
// log lines and the markers the hooks below print.
std::vector<std::size_t> logPositions(const std::string& output)
{
    std::vector<std::size_t> positions;
    for (const char* label : { "miscGetConfig request Data = ", "<toasts subscribed>", "backupv1design request Data = ",
             "getFontList request Data = ", "<fonts registered>", "checkUpdate request Data = " })
        positions.push_back(output.find(label));
    return positions;
}

standin::Options answeringVersion(const std::string& version)
{
    standin::Options options;
    options.updateVersion = version;
    return options;
}

class StartupWorkTest : public ::testing::Test {
protected:
    std::size_t countTo(const char* path) const { return harness->server().requestsTo(path).size(); }
    bool allFourArrived() const
    {
        return countTo(configPath) >= 1 && countTo(backupPath) >= 1 && countTo(fontListPath) >= 1
            && countTo(updatePath) >= 1;
    }

    void startServer(standin::Options options = {}) { harness = std::make_unique<StandinHarness>(std::move(options)); }

    std::unique_ptr<StandinHarness> harness;
};

TEST_F(StartupWorkTest, SendsItsRequestsInOrderWithoutWaiting)
{
    startServer();
    StartupWork::Hooks hooks;
    hooks.subscribeToasts = [] { printLine(QStringLiteral("<toasts subscribed>")); };
    hooks.registerFonts = [] { printLine(QStringLiteral("<fonts registered>")); };
    StartupWork work(hooks);
    testing::internal::CaptureStdout();
    work.run();
    const std::string sent = testing::internal::GetCapturedStdout();

    // All four are sent within the call, in the given order, the toast
    // subscription and the font registration at their places between them.
    const std::vector<std::size_t> positions = logPositions(sent);
    for (std::size_t position : positions)
        ASSERT_NE(position, std::string::npos) << sent;
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end())) << sent;

    // The server sees each of them once.
    ASSERT_TRUE(waitUntil([&] { return allFourArrived(); }));
    EXPECT_EQ(countTo(configPath), 1u);
    EXPECT_EQ(countTo(backupPath), 1u);
    EXPECT_EQ(countTo(fontListPath), 1u);
    EXPECT_EQ(countTo(updatePath), 1u);
}

TEST_F(StartupWorkTest, RunsOnceHoweverOftenTheWindowIsShown)
{
    startServer();
    ContentView view;
    view.show();
    ASSERT_TRUE(waitUntil([&] { return view.startupWork()->hasRun(); }));
    ASSERT_TRUE(waitUntil([&] { return allFourArrived(); }));
    view.hide();
    view.show();
    view.startupWork()->run();
    pumpEvents(300);
    EXPECT_EQ(countTo(configPath), 1u);
    EXPECT_EQ(countTo(backupPath), 1u);
    EXPECT_EQ(countTo(fontListPath), 1u);
    EXPECT_EQ(countTo(updatePath), 1u);
}

TEST_F(StartupWorkTest, KeepsTheConfigurationReply)
{
    startServer();
    configModel() = GetConfigModel();
    ContentView view;
    view.startupWork()->run();
    EXPECT_TRUE(waitUntil([] { return !configModel().data.AI_type.isEmpty(); }));
}

TEST_F(StartupWorkTest, SameVersionShowsNoPrompt)
{
    // The stand-in answers the version the test program reports.
    startServer(answeringVersion("Unknown"));
    ContentView view;
    view.startupWork()->run();
    ASSERT_TRUE(waitUntil([&] { return countTo(updatePath) == 1; }));
    pumpEvents(300);
    EXPECT_EQ(view.updateVersionView(), nullptr);
}

TEST_F(StartupWorkTest, OtherVersionShowsThePromptAndUpgradeOpensTheAddress)
{
    startServer(answeringVersion("9.9.9"));
    ContentView view;
    view.show();
    view.startupWork()->run();
    ASSERT_TRUE(waitUntil([&] { return view.updateVersionView() && view.updateVersionView()->isVisible(); }));
    UpdateVersionView* prompt = view.updateVersionView();
    EXPECT_EQ(prompt->width(), 438);
    EXPECT_FALSE(prompt->openUpdateUrl().isEmpty());

    prompt->cancelButton()->click();
    EXPECT_FALSE(prompt->isVisible());
}

TEST_F(StartupWorkTest, UpgradeClosesThePromptAndOpensTheAddress)
{
    startServer(answeringVersion("9.9.9"));
    OpenedUrls opened;
    ContentView view;
    view.show();
    view.startupWork()->run();
    ASSERT_TRUE(waitUntil([&] { return view.updateVersionView() && view.updateVersionView()->isVisible(); }));
    UpdateVersionView* prompt = view.updateVersionView();
    const QString address = prompt->openUpdateUrl();
    prompt->upgradeButton()->click();
    EXPECT_FALSE(prompt->isVisible());
    ASSERT_EQ(opened.urls.size(), 1);
    EXPECT_EQ(opened.urls.first(), QUrl(address));
}

} // namespace
