// The wizard and the free creator against the stand-in over HTTP.

#include "AiPageFixture.h"
#include "ai/AILogoViewTitleTab.h"
#include "ai/AILogoViewTitleView.h"
#include "ai/CreatorButtonView.h"
#include "ai/ElidedLabel.h"
#include "ai/FreeAIView.h"
#include "ai/FreeCreatorButtonView.h"
#include "ai/FreePreferView.h"
#include "ai/MailSection.h"
#include "ai/MakeAIView.h"
#include "ai/RealisticStyleSingleView.h"
#include "ai/Step1View.h"
#include "ai/Step1ViewList.h"
#include "ai/Step2View.h"
#include "ai/Step3View.h"
#include "ai/StyleSingleView.h"
#include "ai/TagView.h"
#include "components/LoadSvgFailView.h"
#include "core/DecimalId.h"
#include "support/UserClick.h"

#include <QPushButton>
#include <QTest>

using standin::Fault;

namespace {
MailSection* row(AILogoView& page, const QString& name)
{
    for (MailSection* row : page.wizard()->step1()->list()->rows())
        if (row->text() == name)
            return row;
    return nullptr;
}

qint64 tradeIdSent(const standin::RecordedRequest& request)
{
    const auto& value = request.body["trade_id"];
    return value.is_number() ? value.get<qint64>() : -999;
}
} // namespace

class WizardTest : public AiPageFixture { };

TEST_F(WizardTest, AppearanceLoadsEachListOnceAndSelectsTheFirstChoices)
{
    showPage();
    const std::map<std::string, int> once { { "/Step1", 1 }, { "/Step2", 1 }, { "/Free_ai_get", 1 }, { "/Step3", 1 } };
    EXPECT_EQ(settledRequestCounts(once), once);

    Step1View* step1 = page->wizard()->step1();
    const auto& [firstKey, firstNames] = *step1->firstLetterToNamesMap().begin();
    EXPECT_EQ(wizardChoices().step1SelectName, firstNames.first()) << firstKey.toStdString();
    EXPECT_EQ(
        tradeIdSent(server().requestsTo("/Step3").front()), parseDecimalId(wizardChoices().step1SelectId).value_or(-2));
    ASSERT_NE(row(*page, wizardChoices().step1SelectName), nullptr);
    EXPECT_TRUE(row(*page, wizardChoices().step1SelectName)->isSelected());
    const QList<MailSection*> rows = step1->list()->rows();
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](MailSection* r) { return r->isSelected(); }), 1);

    Step2View* step2 = page->wizard()->step2();
    ASSERT_FALSE(step2->cards().isEmpty());
    EXPECT_TRUE(step2->cards().first()->isSelected());
    EXPECT_EQ(generationChoices().step2StylesContentData1ID, step2->style1Data().first().id);
    // A name a little wider than its card takes a second line rather than an ellipsis.
    const QList<RealisticStyleSingleView*> cards = step2->cards();
    const auto monochrome = std::find_if(cards.begin(), cards.end(),
        [](RealisticStyleSingleView* card) { return card->data().name == QLatin1String("Monochrome"); });
    ASSERT_NE(monochrome, cards.end());
    EXPECT_EQ((*monochrome)->nameLabel()->shownLines().join(QString()), QStringLiteral("Monochrome"));
    EXPECT_EQ((*monochrome)->size(), RealisticStyleSingleView::cardSize);

    const QList<Step3ModelContentData>& symbols = page->wizard()->step3()->data();
    ASSERT_FALSE(symbols.isEmpty());
    EXPECT_TRUE(symbols.first().isSelected);
    EXPECT_EQ(wizardChoices().step3Model.id, symbols.first().id);
    EXPECT_EQ(
        freeCreatorChoices().step1SelectId, page->freeCreator()->choices().freeAiGetModel().data.trades.first().id);

    // An industry id that does not read as a number is sent as 0.
    wizardChoices().step1SelectId = QStringLiteral("12a");
    page->wizard()->step3()->loadSymbols();
    ASSERT_TRUE(waitForRequests("/Step3", 2));
    EXPECT_EQ(tradeIdSent(server().requestsTo("/Step3").back()), 0);
}

TEST_F(WizardTest, IndustryTapsReloadSymbolsAndOnlyTheLatestReplyCounts)
{
    showPage();
    Step1ViewList* list = page->wizard()->step1()->list();
    const QString second = list->rows().at(2)->text();
    const QString third = list->rows().at(3)->text();

    // The first tap's reply is held back; the second tap's comes first.
    server().setFault("/index.php/Step3", Fault::Delay, 800);
    QTest::mouseClick(row(*page, second), Qt::LeftButton);
    ASSERT_TRUE(waitForRequests("/Step3", 2));
    server().clearFaults();
    QTest::mouseClick(row(*page, third), Qt::LeftButton);
    ASSERT_TRUE(waitForRequests("/Step3", 3));
    const QString thirdId = wizardChoices().step1SelectId;
    ASSERT_TRUE(waitUntil([&] { return wizardChoices().step3Model.trade_id == thirdId; }));
    pumpEvents(1200);
    EXPECT_EQ(wizardChoices().step3Model.trade_id, thirdId);
    EXPECT_EQ(page->wizard()->step3()->data().first().trade_id, thirdId);
    EXPECT_EQ(wizardChoices().step1SelectName, third);
}

TEST_F(WizardTest, CreateWaitsUntilTheTickedIndustryHasASymbolOfItsOwn)
{
    for (const bool emptyList : { true, false }) {
        SCOPED_TRACE(emptyList ? "an empty list" : "a late list");
        server().clearFaults();
        server().clearReplies();
        showPage();
        server().clearRequests();
        CreatorButtonView* create = page->wizard()->createButton();
        EXPECT_TRUE(create->isEnabled());
        if (emptyList)
            server().setReply("/index.php/Step3", 200, R"({"status":0,"data":{"content0":[]}})");
        else
            server().setFault("/index.php/Step3", Fault::Delay, 800);
        userClick(page->wizard()->step1()->list()->rows().at(2));
        ASSERT_TRUE(waitForRequests("/Step3", 1));
        if (emptyList) {
            ASSERT_TRUE(waitUntil([&] { return page->wizard()->step3()->data().isEmpty(); }));
        }
        EXPECT_FALSE(create->isEnabled());
        userClick(create);
        EXPECT_FALSE(page->isGenerating());
        if (emptyList)
            continue;

        // The list comes: the earlier click is not kept, and Create sends the industry's own symbol.
        ASSERT_TRUE(waitUntil([&] { return create->isEnabled(); }));
        EXPECT_FALSE(page->isGenerating());
        userClick(create);
        ASSERT_TRUE(page->isGenerating());
        ASSERT_TRUE(waitForRequests("/logo2/Ai_make", 1));
        const standin::RecordedRequest made = server().requestsTo("/logo2/Ai_make").front();
        EXPECT_EQ(tradeIdSent(made), parseDecimalId(wizardChoices().step1SelectId).value_or(-2));
        EXPECT_EQ(made.body["contents_ids"],
            nlohmann::json::array({ parseDecimalId(page->wizard()->step3()->data().first().id).value_or(-2) }));
    }
}

TEST_F(WizardTest, FailedIndustriesShowTheFailureViewAndOneRetryReloadsEveryListTwice)
{
    server().setFault("/index.php/Step1", Fault::Http500);
    page = std::make_unique<AILogoView>();
    page->show();
    ASSERT_TRUE(waitUntil([&] { return page->isLoadingSvgFail(); }));
    EXPECT_TRUE(page->failView()->isVisibleTo(page.get()));
    ASSERT_TRUE(waitForRequests("/Free_ai_get", 1));
    ASSERT_TRUE(waitForRequests("/Step2", 1));

    server().clearFaults();
    server().clearRequests();
    page->failView()->retry();
    ASSERT_TRUE(waitUntil([&] { return !page->isLoadingSvgFail(); }));
    const std::map<std::string, int> twice { { "/Step1", 2 }, { "/Step2", 2 }, { "/Free_ai_get", 2 } };
    EXPECT_EQ(settledRequestCounts(twice), twice);
    EXPECT_FALSE(page->failView()->isVisibleTo(page.get()));
}

TEST_F(WizardTest, RetryElsewhereLeavesThePageAlone)
{
    showPage();
    settledRequestCounts({ { "/Step1", 1 }, { "/Step2", 1 }, { "/Free_ai_get", 1 }, { "/Step3", 1 } });
    server().clearRequests();
    RxBus::shared().post(EditLogoViewEvent::RetryEvent {});
    pumpEvents(300);
    EXPECT_TRUE(server().requests().empty());
}

TEST_F(WizardTest, FailedFreeChoicesFailInTheFreeTabOnlyAndShownChoicesStay)
{
    server().setFault("/index.php/Free_ai_get", Fault::Http500);
    page = std::make_unique<AILogoView>();
    page->show();
    ASSERT_TRUE(waitUntil([&] { return !page->wizard()->step3()->data().isEmpty(); }));
    AILogoViewTitleTab* tabs = page->titleView()->tabs();
    FreeAIView* free = page->freeCreator();
    userClick(tabs->tab(1));
    ASSERT_TRUE(waitUntil([&] { return free->failView()->isVisibleTo(page.get()); }));
    EXPECT_FALSE(page->isLoadingSvgFail());
    EXPECT_FALSE(page->failView()->isVisibleTo(page.get()));
    EXPECT_TRUE(clickReaches(free->failView()->retryButton()));

    userClick(tabs->tab(0));
    EXPECT_EQ(page->selectIndex(), 0);
    EXPECT_TRUE(page->wizard()->isVisible());
    EXPECT_FALSE(free->isVisible());
    EXPECT_TRUE(clickReaches(row(*page, wizardChoices().step1SelectName)));

    // Retry in the tab reloads the free choices and nothing of the wizard.
    userClick(tabs->tab(1));
    server().clearFaults();
    server().clearRequests();
    userClick(free->failView()->retryButton());
    ASSERT_TRUE(waitUntil([&] { return free->choices().hasChoices(); }));
    const std::map<std::string, int> freeOnly { { "/Free_ai_get", 1 }, { "/Step1", 0 }, { "/Step2", 0 } };
    EXPECT_EQ(settledRequestCounts(freeOnly), freeOnly);
    EXPECT_FALSE(free->failView()->isVisibleTo(page.get()));

    // A reload that fails leaves the choices on show.
    const QString shownIndustry = freeCreatorChoices().step1SelectId;
    server().setFault("/index.php/Free_ai_get", Fault::Http500);
    RxBus::shared().post(FreeViewEventBus::RefeashDataEvent {});
    ASSERT_TRUE(waitForRequests("/Free_ai_get", 2));
    pumpEvents(200);
    EXPECT_FALSE(free->failView()->isVisibleTo(page.get()));
    EXPECT_FALSE(page->isLoadingSvgFail());
    EXPECT_EQ(freeCreatorChoices().step1SelectId, shownIndustry);
    EXPECT_TRUE(clickReaches(free->createButton()));
}

TEST_F(WizardTest, FailedSymbolsAreRetriedByTheRetryButton)
{
    server().setFault("/index.php/Step3", Fault::Http500);
    page = std::make_unique<AILogoView>();
    page->show();
    ASSERT_TRUE(waitForRequests("/Step3", 1));
    ASSERT_TRUE(waitUntil([&] { return page->isLoadingSvgFail(); }));
    server().clearFaults();
    page->failView()->retry();
    ASSERT_TRUE(waitForRequests("/Step3", 2));
    ASSERT_TRUE(waitUntil([&] { return !page->isLoadingSvgFail(); }));
    EXPECT_FALSE(page->wizard()->step3()->data().isEmpty());
}

TEST_F(WizardTest, ShortRepliesShowWhatExists)
{
    server().setReply("/index.php/Step2", 200,
        R"({"status":0,"data":{"all_styles":[{"id":"2","contents":[{"id":"201","name":"Minimal"}]}]}})");
    server().setReply("/index.php/Step3", 200, R"({"status":0,"data":{"content0":[]}})");
    server().setReply("/index.php/Free_ai_get", 200,
        R"({"status":0,"data":{"trades":[{"id":"101","name":"Tech"}],"styles":[{"id":"201","name":"Hand lettered watercolour illustration"}],"contents":[]}})");
    page = std::make_unique<AILogoView>();
    page->show();
    ASSERT_TRUE(waitForRequests("/Step3", 1));
    ASSERT_TRUE(waitUntil([&] { return freeCreatorChoices().step1SelectId == QLatin1String("101"); }));
    pumpEvents(200);
    EXPECT_EQ(page->wizard()->step2()->cards().size(), 1);
    // A long name fills two lines, broken between words, and only the second is cut.
    ASSERT_EQ(page->freeCreator()->preferView()->tiles().size(), 1);
    EXPECT_EQ(page->freeCreator()->preferView()->tiles().first()->nameLabel()->shownLines(),
        QStringList({ QStringLiteral("Hand"), QStringLiteral("lettered …") }));
    EXPECT_EQ(generationChoices().step2StylesContentData1ID, QStringLiteral("201"));
    EXPECT_TRUE(page->wizard()->step3()->data().isEmpty());
    EXPECT_TRUE(wizardChoices().step3Model.word.isEmpty());
    EXPECT_FALSE(page->isLoadingSvgFail());
    RxBus::shared().post(Step3ViewEventBus::Step3ViewSelectEvent { 4, false });
    RxBus::shared().post(Step3ViewEventBus::Step3ViewSelectEvent { 4, true });
    EXPECT_TRUE(wizardChoices().step3Model.word.isEmpty());
}
