// The AI page in the real main window against the stand-in: the wizard path
// and the free creator path, each through the generating screen to the new
// design at the top of My Design.

#include "ai/AILogoView.h"
#include "ai/AILogoViewTitleTab.h"
#include "ai/AILogoViewTitleView.h"
#include "ai/CreatorButtonView.h"
#include "ai/CustomVideoPlayer.h"
#include "ai/FreeAIView.h"
#include "ai/FreeCreatorButtonView.h"
#include "ai/FreePreferView.h"
#include "ai/FreeSelectIndustryView.h"
#include "ai/FreeSymbolsSelectView.h"
#include "ai/GeneratingView.h"
#include "ai/MailSection.h"
#include "ai/MakeAIView.h"
#include "ai/PlayerView.h"
#include "ai/RealisticStyleSingleView.h"
#include "ai/Step1View.h"
#include "ai/Step1ViewList.h"
#include "ai/Step2View.h"
#include "ai/Step3View.h"
#include "ai/StyleSingleView.h"
#include "ai/TagView.h"
#include "app/ContentView.h"
#include "app/LeftTab.h"
#include "app/LeftTabItem.h"
#include "app/PageSelection.h"
#include "app/RightTab.h"
#include "discovery/MyDesignView.h"
#include "globals/ModelGlobals.h"
#include "support/StandinHarness.h"
#include "support/TestSupport.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

void clickChip(TagView* tags, int index)
{
    const QRectF frame = tags->chipFrames(tags->width()).at(index);
    QTest::mouseClick(tags, Qt::LeftButton, {}, frame.center().toPoint());
}

class AiEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GeneratingView::gateDuration = 1500ms;
        view = std::make_unique<ContentView>();
        view->show();
        QTest::mouseClick(view->leftTab()->items().at(1), Qt::LeftButton);
        ASSERT_EQ(view->rightTab()->visiblePageIndex(), PageSelection::AILogo);
        page = qobject_cast<AILogoView*>(view->rightTab()->page(PageSelection::AILogo));
        ASSERT_NE(page, nullptr);
        myDesign = qobject_cast<MyDesignView*>(view->rightTab()->page(PageSelection::MyDesign));
        ASSERT_NE(myDesign, nullptr);
        ASSERT_TRUE(waitUntil([&] { return !page->wizard()->step3()->data().isEmpty(); }));
        ASSERT_TRUE(waitUntil([&] { return !page->freeCreator()->choices().content0().isEmpty(); }));
    }

    void TearDown() override
    {
        view.reset();
        GeneratingView::gateDuration = 7000ms;
    }

    // Waits through the generating screen to My Design and returns the id of
    // the design the service made.
    void expectNewDesignFirstInMyDesign(int generation)
    {
        ASSERT_TRUE(page->isGenerating());
        GeneratingView* screen = page->generatingView();
        ASSERT_TRUE(screen->isVisibleTo(page));
        EXPECT_EQ(screen->videoView()->size(), QSize(500, 300));
        ASSERT_TRUE(waitUntil([&] { return view->selection()->index() == PageSelection::MyDesign; }, 15000));
        EXPECT_FALSE(page->isGenerating());
        const auto makes = m_harness.server().requestsTo("/logo2/Ai_make");
        ASSERT_EQ(int(makes.size()), generation);
        const std::string uuid = makes.back().body["uuid"].get<std::string>();
        const std::vector<std::string> ids = m_harness.server().designIds(uuid);
        ASSERT_EQ(int(ids.size()), generation);
        ASSERT_TRUE(waitUntil([&] { return int(myDesign->items().size()) == generation; }));
        EXPECT_EQ(myDesign->items().first().id.toStdString(), ids.front());
    }

    StandinHarness m_harness;
    std::unique_ptr<ContentView> view;
    AILogoView* page = nullptr;
    MyDesignView* myDesign = nullptr;
};

} // namespace

TEST_F(AiEndToEndTest, WizardAndFreeCreatorEachEndOnTheirNewDesign)
{
    // The wizard: an industry further down, a style of the second group, the third symbol.
    MakeAIView* wizard = page->wizard();
    MailSection* industry = wizard->step1()->list()->rows().at(6);
    QTest::mouseClick(industry, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] {
        const auto& symbols = wizard->step3()->data();
        return symbols.size() >= 3 && symbols.first().trade_id == wizardChoices().step1SelectId;
    }));
    const QString industryId = wizardChoices().step1SelectId;
    RealisticStyleSingleView* style = wizard->step2()->cards().at(5);
    QTest::mouseClick(style, Qt::LeftButton);
    clickChip(wizard->step3()->tagView(), 2);
    const QString symbolId = wizard->step3()->data().at(2).id;
    EXPECT_TRUE(wizard->step3()->data().at(2).isSelected);
    QTest::mouseClick(wizard->createButton(), Qt::LeftButton);
    expectNewDesignFirstInMyDesign(1);
    const auto body = m_harness.server().requestsTo("/logo2/Ai_make").back().body;
    EXPECT_EQ(QString::number(body["trade_id"].get<qint64>()), industryId);
    EXPECT_EQ(QString::number(body["styles_ids"][0].get<qint64>()), style->data().id);
    EXPECT_EQ(QString::number(body["contents_ids"][0].get<qint64>()), symbolId);

    // The free creator: the second industry, the second style, the second symbol.
    QTest::mouseClick(view->leftTab()->items().at(1), Qt::LeftButton);
    QTest::mouseClick(page->titleView()->tabs()->tab(1), Qt::LeftButton);
    FreeAIView* free = page->freeCreator();
    ASSERT_TRUE(free->isVisible());
    QTest::mouseClick(free->industryView()->rows().at(1), Qt::LeftButton);
    QTest::mouseClick(free->preferView()->tiles().at(1), Qt::LeftButton);
    ASSERT_GE(free->choices().content1().size(), 2);
    clickChip(free->symbolsView()->tagView(), 1);
    const auto& trades = free->choices().freeAiGetModel().data.trades;
    const QString freeSymbol = free->choices().content1().at(1).id;
    QTest::mouseClick(free->createButton(), Qt::LeftButton);
    expectNewDesignFirstInMyDesign(2);
    const auto freeBody = m_harness.server().requestsTo("/logo2/Ai_make").back().body;
    EXPECT_EQ(QString::number(freeBody["trade_id"].get<qint64>()), trades.at(1).id);
    EXPECT_EQ(QString::number(freeBody["contents_ids"][0].get<qint64>()), freeSymbol);
    EXPECT_EQ(page->selectIndex(), 1) << "the tab chosen before stays chosen";
}
