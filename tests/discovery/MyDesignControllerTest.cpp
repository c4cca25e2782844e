#include "discovery/MyDesignController.h"

#include "DiscoveryFixture.h"
#include "discovery/DiscoveryEvents.h"

namespace {
const std::string listPath = "/index.php/logo2/Get_design_list";
const std::string deletePath = "/index.php/logo2/Del_logo";
} // namespace

class MyDesignControllerTest : public DiscoveryFixture { };

TEST_F(MyDesignControllerTest, ABatchWithFailedDeletesTellsTheUserOnceAndReloadsOnce)
{
    server().setReply(listPath, 200, R"({"status":0,"data":{"items":[{"id":"1"},{"id":"2"},{"id":"3"}]}})");
    MyDesignController controller;
    int applied = 0;
    QObject::connect(&controller, &MyDesignController::designListApplied, &controller, [&] { ++applied; });
    controller.loadDesignList(false);
    ASSERT_TRUE(waitUntil([&] { return applied == 1; }));

    server().setFault(deletePath, standin::Fault::Http500);
    int deleteEvents = 0;
    QObject context;
    subscribeEvent<DiscoveryItemsEventBus::DeleteEvent>(
        &context, [&](const DiscoveryItemsEventBus::DeleteEvent&) { ++deleteEvents; });
    controller.deleteDesigns({ 1, 2, 3 });
    EXPECT_TRUE(controller.isDeleting());
    ASSERT_TRUE(waitUntil([&] { return applied == 2; }));
    pumpEvents(200);
    EXPECT_FALSE(controller.isDeleting());
    EXPECT_EQ(requestCount(deletePath), 3);
    EXPECT_EQ(requestCount(listPath), 2);
    EXPECT_EQ(applied, 2);
    EXPECT_EQ(toasts, QStringList { QStringLiteral("The design could not be deleted. Please try again.") });
    EXPECT_EQ(deleteEvents, 0);
}
