#include "discovery/DiscoveryController.h"

#include "DiscoveryFixture.h"

namespace {
const std::string listPath = "/index.php/Get_discorys_list";
} // namespace

class DiscoveryControllerTest : public DiscoveryFixture { };

TEST_F(DiscoveryControllerTest, AReplyWithNoReadableTemplatesFailsLikeAnHttpError)
{
    struct Case {
        const char* name;
        standin::Fault fault;
        const char* body; // when there is no fault
        bool fails;
        qsizetype templates;
    };
    const Case cases[] = {
        { "wrong field types", standin::Fault::WrongTypes, nullptr, true, 300 },
        { "HTTP 500", standin::Fault::Http500, nullptr, true, 300 },
        { "an empty list", standin::Fault::None, R"({"status":0,"data":{"items":[]}})", false, 0 },
        { "templates with an odd status", standin::Fault::None, R"({"status":"?","data":{"items":[{"id":"1"}]}})",
            false, 1 },
    };
    for (const Case& c : cases) {
        DiscoveryController controller;
        controller.loadTemplates();
        ASSERT_TRUE(waitUntil([&] { return controller.items().size() == 300; })) << c.name;

        if (c.fault != standin::Fault::None)
            server().setFault(listPath, c.fault);
        else
            server().setReply(listPath, 200, c.body);
        int answers = 0;
        QObject::connect(&controller, &DiscoveryController::loadingSvgFailChanged, &controller, [&] { ++answers; });
        controller.loadTemplates();
        ASSERT_TRUE(waitUntil([&] { return answers == 1; })) << c.name;
        EXPECT_EQ(controller.isLoadingSvgFail(), c.fails) << c.name;
        EXPECT_EQ(controller.items().size(), c.templates) << c.name;
        server().clearFaults();
        server().clearReplies();
    }
}
