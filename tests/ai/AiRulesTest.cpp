// Rules of the AI page that need neither a window nor a server.

#include "ai/AIEvents.h"
#include "ai/CreatorButtonView.h"
#include "ai/FreeChoices.h"
#include "ai/FreeCreatorButtonView.h"
#include "ai/GenerationRequest.h"
#include "ai/IndustryIndex.h"
#include "ai/TagFlowLayout.h"
#include "ai/TagView.h"
#include "core/RxBus.h"
#include "globals/ModelGlobals.h"

#include <QObject>
#include <gtest/gtest.h>

namespace {

Step1ModelContentData industry(const QString& id, const QString& name)
{
    Step1ModelContentData entry;
    entry.id = id;
    entry.name = name;
    return entry;
}

Step3ModelContentData symbol(const QString& id, const QString& tradeId)
{
    Step3ModelContentData entry;
    entry.id = id;
    entry.word = QStringLiteral("w") + id;
    entry.trade_id = tradeId;
    return entry;
}

FreeAiGetModel freeReply(const QStringList& tradeIds, int styles, const QStringList& symbolTrades)
{
    FreeAiGetModel reply;
    for (const QString& id : tradeIds) {
        FreeAiGetTradeContentData trade;
        trade.id = id;
        trade.name = QStringLiteral("trade ") + id;
        reply.data.trades.append(trade);
    }
    for (int i = 0; i < styles; ++i) {
        FreeAiGetStylesContentData style;
        style.id = QString::number(200 + i);
        reply.data.styles.append(style);
    }
    for (int i = 0; i < symbolTrades.size(); ++i)
        reply.data.contents.append(symbol(QString::number(i + 1), symbolTrades[i]));
    return reply;
}

QStringList ids(const QList<Step3ModelContentData>& symbols)
{
    QStringList result;
    for (const auto& s : symbols)
        result << s.id + (s.isSelected ? QStringLiteral("*") : QString());
    return result;
}

} // namespace

TEST(IndustryIndex, FirstLetterKeys)
{
    const std::pair<const char*, const char*> cases[] = {
        { "科技", "K" },
        { "餐饮", "C" },
        { "éclair", "E" },
        { "amber", "A" },
        { "Zoo", "Z" },
        { "3D Printing", "#" },
        { " x", "#" },
        { "&co", "#" },
        { "", "#" },
        { "Ωmega", "#" },
    };
    for (const auto& [name, key] : cases)
        EXPECT_EQ(IndustryIndex::firstLetterKey(QString::fromUtf8(name)), QLatin1String(key)) << name;
}

TEST(IndustryIndex, GroupsKeepReplyOrderAndRepeatsAndTakeTheLaterId)
{
    Step1Model model;
    model.data.trade = { industry("1", "Zinc"), industry("2", "Apple"), industry("3", "3D"), industry("4", "Alpha"),
        industry("5", "Apple") };
    const IndustryIndex::Groups groups = IndustryIndex::groupIndustries(model);
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups.begin()->first, QStringLiteral("#"));
    EXPECT_EQ(groups.at(QStringLiteral("A")), (QStringList { "Apple", "Alpha", "Apple" }));
    EXPECT_EQ(IndustryIndex::describe(groups).first(), QStringLiteral("#: [\"3D\"]"));
    EXPECT_EQ(
        IndustryIndex::industryIdForName(model, QStringLiteral("Apple"), QStringLiteral("9")), QStringLiteral("5"));
    EXPECT_EQ(
        IndustryIndex::industryIdForName(model, QStringLiteral("None"), QStringLiteral("9")), QStringLiteral("9"));
}

TEST(GenerationRequest, ReadsIdsOrMinusOne)
{
    const std::pair<const char*, qint64> cases[] = {
        { "+12", 12 },
        { "-3", -3 },
        { "12a", -1 },
        { " 12", -1 },
        { "", -1 },
        { "99999999999999999999", -1 },
        { "3000000000", 3000000000LL },
    };
    for (const auto& [text, expected] : cases) {
        generationChoices().step1SelectId = QString::fromLatin1(text);
        generationChoices().step2StylesContentData1ID = QString::fromLatin1(text);
        generationChoices().step3Model.id = QString::fromLatin1(text);
        const GenerationRequest request = GenerationRequest::fromGlobals();
        EXPECT_EQ(request.tradeId, expected) << text;
        EXPECT_EQ(request.styleId, expected) << text;
        EXPECT_EQ(request.contentId, expected) << text;
    }
    generationChoices().step3Model = Step3ModelContentData();
    EXPECT_EQ(GenerationRequest::fromGlobals().contentId, -1) << "a never-chosen symbol has a UUID as its id";
}

TEST(CreateActions, WizardCommitsItsOwnChoicesIncludingItsStyle)
{
    QObject context;
    int generating = 0;
    subscribeEvent<Step3ViewEventBus::GeneratingEvent>(
        &context, [&](const Step3ViewEventBus::GeneratingEvent&) { ++generating; });
    wizardChoices().step1SelectName = QStringLiteral("Coffee");
    wizardChoices().step1SelectId = QStringLiteral("104");
    wizardChoices().step3Model = symbol("1041", "104");
    wizardChoices().step2StylesContentData1ID = QStringLiteral("202");
    // A free creator's Create in between committed its own style.
    freeCreatorChoices().step2StylesContentData1ID = QStringLiteral("205");
    FreeCreatorButtonView::create();
    EXPECT_EQ(generationChoices().step2StylesContentData1ID, QStringLiteral("205"));
    EXPECT_TRUE(generationChoices().step2StylesContentData2ID.isEmpty());

    CreatorButtonView::create();
    EXPECT_EQ(generationChoices().step1SelectName, QStringLiteral("Coffee"));
    EXPECT_EQ(generationChoices().step1SelectId, QStringLiteral("104"));
    EXPECT_EQ(generationChoices().step2StylesContentData1ID, QStringLiteral("202"));
    EXPECT_EQ(generationChoices().step3Model.id, QStringLiteral("1041"));
    EXPECT_EQ(generating, 2);
}

TEST(FreeChoices, SplitsSymbolsByTheFirstIndustryAndMarksTheFirstOfEach)
{
    FreeChoices choices;
    ASSERT_TRUE(choices.applyReply(freeReply({ "7", "9" }, 2, { "7", "9", "7", "8" })));
    EXPECT_EQ(ids(choices.content0()), (QStringList { "1*", "3" }));
    EXPECT_EQ(ids(choices.content1()), (QStringList { "2*", "4" }));
    EXPECT_EQ(freeCreatorChoices().step1SelectId, QStringLiteral("7"));
    EXPECT_EQ(freeCreatorChoices().step2StylesContentData1ID, QStringLiteral("200"));
    EXPECT_EQ(freeCreatorChoices().step3Model.id, QStringLiteral("1"));
}

TEST(FreeChoices, ShowsWhatItSends)
{
    FreeChoices choices;
    choices.applyReply(freeReply({ "7", "9" }, 2, { "7", "9", "7", "9" }));
    // The second industry, its second symbol and the second style are chosen.
    choices.chooseIndustry(1);
    choices.showIndustry(1);
    choices.chooseSymbol(1);
    choices.chooseStyle(1);
    EXPECT_EQ(freeCreatorChoices().step3Model.id, QStringLiteral("4"));

    // Going back and forth keeps the symbol marked in each list.
    choices.chooseIndustry(0);
    choices.showIndustry(0);
    EXPECT_EQ(freeCreatorChoices().step3Model.id, QStringLiteral("1"));
    choices.chooseIndustry(1);
    choices.showIndustry(1);
    EXPECT_EQ(freeCreatorChoices().step3Model.id, QStringLiteral("4"));

    // A reload returns every position to the first entry, matching the globals.
    choices.applyReply(freeReply({ "7", "9" }, 2, { "7", "9", "7", "9" }));
    choices.showIndustry(choices.selectIndexTrade());
    EXPECT_EQ(choices.selectIndexTrade(), 0);
    EXPECT_EQ(choices.selectIndexStyle(), 0);
    EXPECT_TRUE(choices.showSelect1());
    EXPECT_EQ(freeCreatorChoices().step1SelectId, QStringLiteral("7"));
    EXPECT_EQ(freeCreatorChoices().step3Model.id, QStringLiteral("1"));
}

TEST(FreeChoices, ShortRepliesKeepWhatTheyCannotReplace)
{
    FreeChoices choices;
    freeCreatorChoices().step2StylesContentData1ID = QStringLiteral("old style");
    freeCreatorChoices().step3Model.id = QStringLiteral("old symbol");
    EXPECT_FALSE(choices.applyReply(freeReply({}, 2, { "7" }))) << "no industry: a failed load";
    ASSERT_TRUE(choices.applyReply(freeReply({ "7" }, 0, {})));
    EXPECT_EQ(freeCreatorChoices().step2StylesContentData1ID, QStringLiteral("old style"));
    EXPECT_EQ(freeCreatorChoices().step3Model.id, QStringLiteral("old symbol"));
    EXPECT_FALSE(choices.chooseIndustry(1));
    EXPECT_FALSE(choices.chooseStyle(0));
    EXPECT_FALSE(choices.chooseSymbol(0));
    choices.showIndustry(1);
    EXPECT_EQ(freeCreatorChoices().step3Model.id, QStringLiteral("old symbol"));
}

TEST(TagFlowLayout, WrapsOnlyPastTheWidth)
{
    struct Case {
        const char* name;
        QList<double> widths;
        QList<QPointF> origins;
    };
    const Case cases[] = {
        { "sum exactly the width", { 40, 60 }, { { 0, 0 }, { 40, 0 } } },
        { "half a point more wraps", { 40, 60.5 }, { { 0, 0 }, { 0, 32 } } },
        { "first chip wider than the width", { 120, 30 }, { { 0, 32 }, { 0, 64 } } },
        { "wide chip later", { 30, 120, 30 }, { { 0, 0 }, { 0, 32 }, { 0, 64 } } },
    };
    for (const Case& c : cases) {
        const QList<QRectF> frames = TagFlowLayout::place(c.widths, 32, 100);
        QList<QPointF> origins;
        for (const QRectF& frame : frames)
            origins << frame.topLeft();
        EXPECT_EQ(origins, c.origins) << c.name;
    }
    EXPECT_EQ(TagFlowLayout::height(TagFlowLayout::place({ 120 }, 32, 100)), 64) << "the empty band counts";
    EXPECT_EQ(TagFlowLayout::height({}), 0);
}

TEST(TagView, RepeatedWordsDoNotOverlapAndHeightFollowsTheWidth)
{
    TagView view;
    view.setTags({ symbol("1", "7"), symbol("2", "7"), symbol("1", "7") });
    const QList<QRectF> frames = view.chipFrames(1000);
    ASSERT_EQ(frames.size(), 3);
    EXPECT_FALSE(frames[0].intersects(frames[1]));
    EXPECT_FALSE(frames[1].intersects(frames[2]));
    EXPECT_FALSE(frames[0].intersects(frames[2]));
    EXPECT_EQ(view.heightForWidth(1000), int(TagView::rowPitch));
    EXPECT_EQ(view.heightForWidth(int(frames[0].width())), 3 * int(TagView::rowPitch));
}
