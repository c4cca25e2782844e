#include "core/Delay.h"

#include "support/TestSupport.h"

#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <vector>

TEST(After, ZeroOrNegativeSecondsRunAtOnceInsideTheCall)
{
    int runs = 0;
    after(0, [&runs] { ++runs; });
    EXPECT_EQ(runs, 1);
    after(-4, [&runs] { ++runs; });
    EXPECT_EQ(runs, 2);
}

TEST(Countdown, ImmediateTicksStartWithTheCountDuringTheCallAndEndAtZero)
{
    std::vector<int> ticks;
    bool done = false;
    rx::Observable<CountdownCompleted> sequence = countdown(2, true, [&ticks](int n) { ticks.push_back(n); });
    EXPECT_EQ(ticks, (std::vector<int> { 2 }));
    rx::DisposablePtr subscription = sequence.subscribe([&](const CountdownCompleted&) {
        EXPECT_EQ(ticks.back(), 0);
        done = true;
    });
    EXPECT_FALSE(done);
    ASSERT_TRUE(waitUntil([&done] { return done; }, 10000));
    EXPECT_EQ(ticks, (std::vector<int> { 2, 1, 0 }));
}

TEST(Countdown, WithoutImmediateTheFirstTickIsTheFullCount)
{
    std::vector<int> ticks;
    bool done = false;
    rx::DisposablePtr subscription = countdown(1, false, [&ticks](int n) {
        ticks.push_back(n);
    }).subscribe([&done](const CountdownCompleted&) { done = true; });
    EXPECT_TRUE(ticks.empty());
    ASSERT_TRUE(waitUntil([&done] { return done; }, 10000));
    EXPECT_EQ(ticks, (std::vector<int> { 1, 0 }));
}

TEST(Countdown, DisposedCountdownNeverCompletes)
{
    int ticks = 0;
    bool done = false;
    rx::DisposablePtr subscription
        = countdown(1, true, [&ticks](int) { ++ticks; }).subscribe([&done](const CountdownCompleted&) { done = true; });
    subscription->dispose();
    bool later = false;
    delay(1500, [&later] { later = true; });
    ASSERT_TRUE(waitUntil([&later] { return later; }, 10000));
    EXPECT_FALSE(done);
    EXPECT_EQ(ticks, 1);
}

TEST(DelayAndAfter, WorkRunsOnTheMainThreadInOrderOfItsDelays)
{
    std::vector<int> order;
    after(1, [&order] { order.push_back(3); });
    delay(300, [&order] { order.push_back(2); });
    delay(2, [&order] { order.push_back(1); });
    EXPECT_TRUE(order.empty());
    ASSERT_TRUE(waitUntil([&order] { return order.size() == 3; }, 10000));
    EXPECT_EQ(order, (std::vector<int> { 1, 2, 3 }));
}

TEST(Delay, AQualityOfServiceRunsOnThePool)
{
    std::atomic<bool> ran = false;
    std::atomic<bool> onMain = true;
    QThread* mainThread = QThread::currentThread();
    delay(5, QualityOfService::utility, [&] {
        onMain = QThread::currentThread() == mainThread;
        ran = true;
    });
    ASSERT_TRUE(waitUntil([&ran] { return ran.load(); }));
    EXPECT_FALSE(onMain);
}
