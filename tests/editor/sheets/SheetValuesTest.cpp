#include "editor/sheets/SheetValues.h"

#include "editor/sheets/Throttle.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

using namespace SheetValues;

TEST(SheetValuesTest, SliderPositionsBecomeTheNumbersPosted)
{
    struct Case {
        const char* what;
        int got;
        int expected;
    };
    const Case cases[] = {
        { "brightness 0.29 truncates in double", truncatedScale(0.29, 100), 28 },
        { "brightness 0.456", truncatedScale(0.456, 100), 45 },
        { "brightness at the end", truncatedScale(1.0, 100), 100 },
        { "opacity 0.29 rounds to float first", truncatedScaleViaFloat(0.29, 100), 29 },
        { "opacity at the start", truncatedScaleViaFloat(0.0, 100), 0 },
        { "spacing at the end", truncatedScaleViaFloat(1.0, 1000), 1000 },
        { "rotation at the end", truncatedScaleViaFloat(1.0, 360), 360 },
        { "rotation at a quarter", truncatedScaleViaFloat(0.25, 360), 90 },
        { "spacing written back in float", truncatedFloatScale(0.3, 1000.0f), 300 },
        { "rotation written back in float", truncatedFloatScale(1.0, 360.0f), 360 },
        { "a label of 12.7", truncatedClamped(12.7, 0, 1000), 12 },
        { "a label above the range keeps its value", truncatedClamped(1200, 0, 1000), 1200 },
        { "not a number counts as 0", truncatedClamped(std::nan(""), 0, 1000), 0 },
        { "infinity counts as 0", truncatedClamped(std::numeric_limits<double>::infinity(), 0, 360), 0 },
        { "beyond int is clamped to the range", truncatedClamped(1e30, 0, 1000), 1000 },
        { "far below int is clamped to the range", truncatedClamped(-1e30, 0, 360), 0 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.got, c.expected) << c.what;
}

TEST(SheetValuesTest, OpacityTextsReadBackAsTheSameFloat)
{
    EXPECT_EQ(shortestFloatText(0.5f), "0.5");
    EXPECT_EQ(shortestFloatText(1.0f), "1.0");
    EXPECT_EQ(shortestFloatText(0.0f), "0.0");
    EXPECT_EQ(shortestFloatText(static_cast<float>(0.3)), "0.3");
}

// Parses every text as the C locale does, whatever the process locale says.
void expectCParsing()
{
    struct Case {
        QString text;
        std::optional<float> expected;
    };
    const Case cases[] = {
        { "0.5", 0.5f },
        { "250", 250.0f },
        { " 0.5", std::nullopt },
        { "", std::nullopt },
        { "0.5x", std::nullopt },
        { "0,5", std::nullopt },
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseCFloat(c.text), c.expected) << c.text.toStdString();
    const std::optional<float> nan = parseCFloat("nan");
    ASSERT_TRUE(nan.has_value());
    EXPECT_TRUE(std::isnan(*nan));
    const std::optional<float> huge = parseCFloat("1e40");
    ASSERT_TRUE(huge.has_value());
    EXPECT_TRUE(std::isinf(*huge));
    EXPECT_EQ(sanitized(double(*huge), 0, 1000), 0);
}

TEST(SheetValuesTest, TextsParseInTheCLocale)
{
    expectCParsing();
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    for (const char* comma : { "de_DE.UTF-8", "fr_FR.UTF-8", "de_DE", "fr_FR" }) {
        if (!std::setlocale(LC_NUMERIC, comma))
            continue;
        SCOPED_TRACE(comma);
        expectCParsing();
        break;
    }
    std::setlocale(LC_NUMERIC, previous.c_str());
}

TEST(SheetValuesTest, HueTextsAreUpperCaseRgbaOfFullColours)
{
    EXPECT_EQ(hueColorText(0.0), "#FF0000FF");
    EXPECT_EQ(hueColorText(1.0), "#FF0000FF");
    EXPECT_EQ(hueColorText(1.0 / 6), "#FFFF00FF");
    EXPECT_EQ(hueColorText(0.5), "#00FFFFFF");
}

TEST(ThrottleTest, OnlyTheLeadingCallOfAWindowRuns)
{
    auto throttle = Throttle::create(0.05);
    int runs = 0;
    EXPECT_TRUE(throttle->throttle([&] { ++runs; }));
    EXPECT_FALSE(throttle->throttle([&] { runs += 10; }));
    EXPECT_EQ(runs, 1);
    // The dropped call never runs later; the window re-opens.
    ASSERT_TRUE(waitUntil([&] { return throttle->isReady(); }, 2000));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(throttle->throttle([&] { ++runs; }));
    EXPECT_EQ(runs, 2);
}

TEST(ThrottleTest, ZeroIntervalWaitsForTheEventLoop)
{
    auto throttle = Throttle::create(0);
    int runs = 0;
    throttle->throttle([&] { ++runs; });
    EXPECT_FALSE(throttle->throttle([&] { ++runs; }));
    EXPECT_FALSE(throttle->isReady());
    // The re-arm outlives every other owner of the throttle.
    std::weak_ptr<Throttle> weak = throttle;
    throttle.reset();
    EXPECT_FALSE(weak.expired());
    QCoreApplication::processEvents();
    EXPECT_TRUE(weak.expired());
    EXPECT_EQ(runs, 1);
}

} // namespace
