#pragma once

// Shared set-up of the AI page tests: an in-process stand-in server, the AI
// page shown in its own window, fresh selection globals, and recorders for
// toasts and hand-overs.

#include "ai/AILogoView.h"
#include "ai/GeneratingView.h"
#include "api/APIProvider.h"
#include "core/RxBus.h"
#include "core/SharedEvents.h"
#include "globals/ModelGlobals.h"
#include "support/StandinHarness.h"
#include "support/TestSupport.h"

#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <memory>

class AiPageFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (QString* text : { &step1SelectName1, &step1SelectId1, &step1SelectName2, &step1SelectId2, &step1SelectName,
                 &step1SelectId, &step2StylesContentData1ID1, &step2StylesContentData1ID2, &step2StylesContentData1ID,
                 &step2StylesContentData2ID2, &step2StylesContentData2ID })
            text->clear();
        step3Model1() = Step3ModelContentData();
        step3Model2() = Step3ModelContentData();
        step3Model() = Step3ModelContentData();
        subscribeEvent<ContentViewEventBus::ToastEvent>(
            &m_busContext, [this](const ContentViewEventBus::ToastEvent& toast) { toasts << toast.text; });
        subscribeEvent<GeneratingViewEventBus::ToMyDesignPageEvent>(
            &m_busContext, [this](const GeneratingViewEventBus::ToMyDesignPageEvent&) { ++handOvers; });
    }

    void TearDown() override
    {
        page.reset();
        GeneratingView::gateDuration = std::chrono::milliseconds(7000);
        APIProvider::shared().setTimeout(APIProvider::defaultTimeout);
    }

    standin::StandinServer& server() { return m_harness.server(); }
    int requestCount(const std::string& suffix) { return int(server().requestsTo(suffix).size()); }
    bool waitForRequests(const std::string& suffix, int count, int timeoutMs = 5000)
    {
        return waitUntil([&] { return requestCount(suffix) >= count; }, timeoutMs);
    }
    // For exact counts: waits until each route has had its expected number of
    // requests, then for a quiet period in which a surplus one would arrive,
    // and gives the counts then.
    std::map<std::string, int> settledRequestCounts(const std::map<std::string, int>& expected)
    {
        waitUntil([&] {
            return std::all_of(expected.begin(), expected.end(),
                [&](const auto& route) { return requestCount(route.first) >= route.second; });
        });
        pumpEvents(200);
        std::map<std::string, int> counts;
        for (const auto& route : expected)
            counts[route.first] = requestCount(route.first);
        return counts;
    }

    // Shows the page and waits until its lists and the first symbols are in.
    void showPage()
    {
        step3Model1() = Step3ModelContentData();
        step3Model2() = Step3ModelContentData();
        page = std::make_unique<AILogoView>();
        page->show();
        ASSERT_TRUE(waitForRequests("/Step3", 1));
        ASSERT_TRUE(waitUntil([&] { return !step3Model1().word.isEmpty() && !step3Model2().word.isEmpty(); }));
    }

    std::unique_ptr<AILogoView> page;
    QStringList toasts;
    int handOvers = 0;

private:
    StandinHarness m_harness;
    QObject m_busContext;
};
