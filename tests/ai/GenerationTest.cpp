// The generating screen against the stand-in, with the gate shortened.

#include "AiPageFixture.h"
#include "ai/AILogoViewTitleTab.h"
#include "ai/AILogoViewTitleView.h"
#include "ai/CreatorButtonView.h"
#include "ai/FreeAIView.h"
#include "ai/FreeCreatorButtonView.h"

using standin::Fault;
using namespace std::chrono_literals;

namespace {
const std::string makePath = "/index.php/logo2/Ai_make";
const QString failureToast = QStringLiteral("Logo creation failed. Please try again.");
} // namespace

class GenerationTest : public AiPageFixture {
protected:
    // Shows the page on the free creator's tab and starts a generation from it.
    void generateFromFreeCreator()
    {
        showPage();
        page->setSelectIndex(1);
        chosenTrade = freeCreatorChoices().step1SelectId;
        FreeCreatorButtonView::create();
        ASSERT_TRUE(page->isGenerating());
    }

    QString chosenTrade;
};

TEST_F(GenerationTest, SendsTheCommittedIdsOrMinusOne)
{
    configModel().data.AI_type = QStringLiteral("sdxl");
    page = std::make_unique<AILogoView>();
    RxBus::shared().post(Step3ViewEventBus::GeneratingEvent {});
    page->show();
    ASSERT_TRUE(waitForRequests("/logo2/Ai_make", 1));
    nlohmann::json body = server().requestsTo("/logo2/Ai_make").front().body;
    EXPECT_EQ(body["trade_id"], -1);
    EXPECT_EQ(body["styles_ids"], nlohmann::json::array({ -1 }));
    EXPECT_EQ(body["contents_ids"], nlohmann::json::array({ -1 }));
    EXPECT_EQ(body["pay_type"], "1");
    EXPECT_EQ(body["AI_type"], "sdxl");
    page.reset();

    server().clearRequests();
    wizardChoices().step1SelectId = QStringLiteral("104");
    wizardChoices().step2StylesContentData1ID = QStringLiteral("+202");
    wizardChoices().step3Model.id = QStringLiteral("3000000000");
    page = std::make_unique<AILogoView>();
    CreatorButtonView::create();
    page->show();
    ASSERT_TRUE(waitForRequests("/logo2/Ai_make", 1));
    body = server().requestsTo("/logo2/Ai_make").front().body;
    EXPECT_EQ(body["trade_id"], 104);
    EXPECT_EQ(body["styles_ids"], nlohmann::json::array({ 202 }));
    EXPECT_EQ(body["contents_ids"], nlohmann::json::array({ 3000000000LL }));
}

TEST_F(GenerationTest, AnEarlySuccessHandsOverAtTheGate)
{
    GeneratingView::gateDuration = 2500ms;
    generateFromFreeCreator();
    QPointer<GeneratingView> screen = page->generatingView();
    ASSERT_TRUE(waitUntil([&] { return screen && screen->isSuccess(); }));
    EXPECT_EQ(handOvers, 0) << "not before the gate";
    ASSERT_TRUE(waitUntil([&] { return handOvers > 0; }));
    pumpEvents(300);
    EXPECT_EQ(handOvers, 1);
    EXPECT_FALSE(page->isGenerating());
    EXPECT_TRUE(toasts.isEmpty());
}

TEST_F(GenerationTest, ALateSuccessHandsOverOnArrival)
{
    GeneratingView::gateDuration = 100ms;
    server().setFault(makePath, Fault::Delay, 1200);
    generateFromFreeCreator();
    QPointer<GeneratingView> screen = page->generatingView();
    ASSERT_TRUE(waitUntil([&] { return handOvers > 0; }));
    EXPECT_EQ(handOvers, 1);
    EXPECT_EQ(requestCount("/logo2/Ai_make"), 1);
    EXPECT_FALSE(page->isGenerating());
}

TEST_F(GenerationTest, EveryFailureReturnsToTheTabWithOneToast)
{
    struct Case {
        const char* name;
        Fault fault;
        const char* reply;
    };
    const Case cases[] = {
        { "status 2", Fault::None, R"({"status":2,"msg":"invalid","data":{"item":{}}})" },
        { "no status", Fault::None, R"({"data":{"item":{"img":"x"}}})" },
        { "HTTP 500", Fault::Http500, nullptr },
        { "dropped connection", Fault::Drop, nullptr },
        { "not JSON", Fault::NotJson, nullptr },
        { "time-out", Fault::Delay, nullptr },
    };
    GeneratingView::gateDuration = 200ms;
    APIProvider::shared().setTimeout(400ms);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        server().clearFaults();
        server().clearReplies();
        if (c.reply)
            server().setReply(makePath, 200, c.reply);
        else
            server().setFault(makePath, c.fault, 1500);
        toasts.clear();
        handOvers = 0;
        generateFromFreeCreator();
        ASSERT_TRUE(waitUntil([&] { return !page->isGenerating(); }));
        pumpEvents(c.fault == Fault::Delay ? 1500 : 300);
        EXPECT_EQ(handOvers, 0);
        EXPECT_EQ(toasts, QStringList { failureToast });
        EXPECT_EQ(page->selectIndex(), 1);
        EXPECT_TRUE(page->freeCreator()->isVisibleTo(page.get()));
        EXPECT_EQ(freeCreatorChoices().step1SelectId, chosenTrade);
        page.reset();
    }
}

TEST_F(GenerationTest, ASecondCreateKeepsTheOneScreen)
{
    GeneratingView::gateDuration = 5000ms;
    generateFromFreeCreator();
    GeneratingView* first = page->generatingView();
    FreeCreatorButtonView::create();
    RxBus::shared().post(Step3ViewEventBus::GeneratingEvent {});
    ASSERT_TRUE(waitForRequests("/logo2/Ai_make", 1));
    pumpEvents(300);
    EXPECT_EQ(page->generatingView(), first);
    EXPECT_EQ(requestCount("/logo2/Ai_make"), 1);
    EXPECT_EQ(page->titleView()->tabs()->isVisibleTo(page.get()), false);
}

TEST_F(GenerationTest, AScreenRemovedByAnotherHandOverDoesNothingMore)
{
    GeneratingView::gateDuration = 300ms;
    server().setFault(makePath, Fault::Delay, 600);
    generateFromFreeCreator();
    RxBus::shared().post(GeneratingViewEventBus::ToMyDesignPageEvent { true });
    EXPECT_FALSE(page->isGenerating());
    ASSERT_TRUE(waitForRequests("/logo2/Ai_make", 1));
    pumpEvents(1200);
    EXPECT_EQ(handOvers, 1) << "only the picture flow's";
    EXPECT_TRUE(toasts.isEmpty());
}
