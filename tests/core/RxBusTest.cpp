#include "core/RxBus.h"

#include <QObject>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace BusTestEvents {
struct Ping {
    static constexpr const char* name = "Ping";
    int value = 0;
};
struct Select {
    static constexpr const char* name = "Select";
};
struct SelectAll {
    static constexpr const char* name = "SelectAll";
};
struct Outer {
    static constexpr const char* name = "Outer";
};
struct Inner {
    static constexpr const char* name = "Inner";
};
struct StickyNote {
    static constexpr const char* name = "StickyNote";
    int value = 0;
};
} // namespace BusTestEvents

using namespace BusTestEvents;

namespace {

// A private bus per test, so counts and subjects start empty.
class RxBusTest : public ::testing::Test {
protected:
    RxBus bus;
    rx::DisposeBag bag;
    std::vector<std::string> calls;

    template <class T> void listen(int priority, std::string label, bool sticky = false)
    {
        bag.insert(
            bus.asObservable<T>(sticky, priority).subscribe([this, label](const T&) { calls.push_back(label); }));
    }
};

TEST_F(RxBusTest, DeliversHigherPrioritiesFirstUsingNumericKeyOrder)
{
    listen<Ping>(0, "p0");
    listen<Ping>(10, "p10");
    listen<Ping>(2, "p2");
    listen<Ping>(-1, "m1");
    listen<Ping>(-2, "m2");
    bus.post(Ping { 1 });
    EXPECT_EQ(calls, (std::vector<std::string> { "p10", "p2", "p0", "m2", "m1" }));
}

TEST_F(RxBusTest, PrefixMatchIsFilteredByEventType)
{
    listen<Select>(0, "select");
    listen<SelectAll>(0, "selectAll");
    bus.post(Select {});
    EXPECT_EQ(calls, (std::vector<std::string> { "select" }));
    bus.post(SelectAll {});
    EXPECT_EQ(calls, (std::vector<std::string> { "select", "selectAll" }));
}

TEST_F(RxBusTest, PostWithoutSubscribersDeliversNothingAndStoresNothing)
{
    const QString before = bus.description();
    bus.post(Ping { 3 });
    EXPECT_EQ(bus.description(), before);
    EXPECT_FALSE(bus.stickyEvent<Ping>().has_value());
}

TEST_F(RxBusTest, SharedSubjectIsCountedAndRemovedWithLastSubscription)
{
    auto first = bus.asObservable<Ping>().subscribe([](const Ping&) {});
    auto second = bus.asObservable<Ping>().subscribe([](const Ping&) {});
    EXPECT_TRUE(bus.description().contains("Subscription Total Count: 2\n"));
    EXPECT_TRUE(bus.description().contains(", Count: 2\n"));

    first->dispose();
    EXPECT_TRUE(bus.description().contains("\tPing_0\n"));
    EXPECT_TRUE(bus.description().contains(", Count: 1\n"));

    second->dispose();
    EXPECT_FALSE(bus.description().contains("Ping_0"));
    EXPECT_TRUE(bus.description().contains("Subscription Total Count: 0\n"));

    // Disposing twice must not drive the count below zero or touch other keys.
    second->dispose();
    EXPECT_TRUE(bus.description().contains("Subscription Total Count: 0\n"));
}

TEST_F(RxBusTest, StickyEventIsConsumedByTheFirstStickySubscriberOnly)
{
    bus.post(StickyNote { 1 }, true);
    bus.post(StickyNote { 2 }, true);

    std::vector<int> seen;
    bag.insert(bus.asObservable<StickyNote>(false).subscribe([&](const StickyNote& e) { seen.push_back(-e.value); }));
    EXPECT_TRUE(seen.empty()) << "a non-sticky subscription never sees the stored event";
    EXPECT_TRUE(bus.stickyEvent<StickyNote>().has_value()) << "and does not remove it";

    bag.insert(bus.asObservable<StickyNote>(true).subscribe([&](const StickyNote& e) { seen.push_back(e.value); }));
    EXPECT_EQ(seen, (std::vector<int> { 2 }));
    EXPECT_FALSE(bus.stickyEvent<StickyNote>().has_value());

    std::vector<int> late;
    bag.insert(bus.asObservable<StickyNote>(true).subscribe([&](const StickyNote& e) { late.push_back(e.value); }));
    EXPECT_TRUE(late.empty());
    bus.post(StickyNote { 3 });
    EXPECT_EQ(late, (std::vector<int> { 3 }));
}

TEST_F(RxBusTest, AStickySubscriptionDisposedBeforeItsDeferredSubscribeLeavesNothingBehind)
{
    bus.post(StickyNote { 5 }, true);
    std::vector<int> seen;
    // Within scheduled work, a subscription's own subscribe waits until that work ends.
    rx::CurrentThreadScheduler::schedule([&] {
        bus.asObservable<StickyNote>(true).subscribe([&](const StickyNote& e) { seen.push_back(e.value); })->dispose();
    });
    EXPECT_TRUE(seen.empty());
    EXPECT_TRUE(bus.description().contains("Subscription Total Count: 0\n"));
    const std::optional<StickyNote> kept = bus.stickyEvent<StickyNote>();
    ASSERT_TRUE(kept.has_value()) << "the stored event is still there for the next subscriber";
    EXPECT_EQ(kept->value, 5);
}

TEST_F(RxBusTest, RemoveStickyReturnsTheStoredEventOnce)
{
    bus.post(StickyNote { 7 }, true);
    auto removed = bus.removeSticky<StickyNote>();
    ASSERT_TRUE(removed.has_value());
    EXPECT_EQ(removed->value, 7);
    EXPECT_FALSE(bus.removeSticky<StickyNote>().has_value());

    bus.post(StickyNote { 8 }, true);
    bus.removeAllStickyEvents();
    EXPECT_FALSE(bus.stickyEvent<StickyNote>().has_value());
}

TEST_F(RxBusTest, NestedPostIsDeliveredInFullBeforeTheOuterDeliveryContinues)
{
    bag.insert(bus.asObservable<Outer>(false, 10).subscribe([&](const Outer&) {
        calls.push_back("outer10");
        bus.post(Inner {});
    }));
    listen<Outer>(0, "outer0");
    listen<Inner>(5, "inner5");
    listen<Inner>(0, "inner0");
    bus.post(Outer {});
    EXPECT_EQ(calls, (std::vector<std::string> { "outer10", "inner5", "inner0", "outer0" }));
}

TEST_F(RxBusTest, HandlerMaySubscribeAndDisposeDuringDelivery)
{
    rx::DisposablePtr self;
    int selfCalls = 0;
    self = bus.asObservable<Ping>().subscribe([&](const Ping&) {
        ++selfCalls;
        self->dispose();
        bag.insert(bus.asObservable<Ping>().subscribe([&](const Ping&) { calls.push_back("late"); }));
    });
    bus.post(Ping {});
    EXPECT_EQ(selfCalls, 1);
    EXPECT_TRUE(calls.empty()) << "a subscription made during delivery waits for the next post";
    bus.post(Ping {});
    EXPECT_EQ(selfCalls, 1);
    EXPECT_EQ(calls, (std::vector<std::string> { "late" }));
}

TEST_F(RxBusTest, DescriptionOfFreshBusIsSevenLines)
{
    EXPECT_EQ(bus.description(),
        QStringLiteral("Subscription Total Count: 0\nSubscription List:\n\tEmpty\nNSObserver List:\n\tEmpty\n"
                       "Sticky List:\n\tEmpty\n"));
}

TEST_F(RxBusTest, DescriptionListsKeysInDeliveryOrderWithPriorityAndCount)
{
    listen<Ping>(2, "a");
    listen<Ping>(10, "b");
    bus.post(StickyNote { 1 }, true);
    const QString text = bus.description();
    EXPECT_TRUE(text.startsWith("Subscription Total Count: 2\nSubscription List:\n\tPing_10\n"
                                "\t\tPriority: 10, Subject: Optional(PublishSubject<Ping>), Count: 1\n"));
    EXPECT_LT(text.indexOf("Ping_10"), text.indexOf("Ping_2"));
    EXPECT_TRUE(text.contains("Sticky List:\n\tStickyNote\n\t\tSubject: Optional(StickyNote)\n"));
}

TEST(RxBusKeys, PriorityOfKeyParsesTheLastPieceOrGivesZero)
{
    EXPECT_EQ(RxBus::priorityOfKey("ToastEvent_10"), 10);
    EXPECT_EQ(RxBus::priorityOfKey("ToastEvent_-1"), -1);
    EXPECT_EQ(RxBus::priorityOfKey("ToastEvent_x"), 0);
    EXPECT_EQ(RxBus::priorityOfKey(""), 0);
    EXPECT_EQ(RxBus::priorityOfKey("___"), 0);
}

TEST(RxBusKeys, NumericComparisonComparesDigitRunsByValue)
{
    EXPECT_GT(RxBus::compareNumeric("A_10", "A_2"), 0);
    EXPECT_GT(RxBus::compareNumeric("A_0", "A_-1"), 0);
    EXPECT_GT(RxBus::compareNumeric("A_-2", "A_-1"), 0);
    EXPECT_EQ(RxBus::compareNumeric("A_007", "A_7"), 0);
    EXPECT_LT(RxBus::compareNumeric("A", "A_0"), 0);
}

TEST_F(RxBusTest, NotificationFlavourDeliversByNameAndRemovesItsObserver)
{
    std::vector<QString> seen;
    auto sub = bus.asObservable(QStringLiteral("tessaly.test.note")).subscribe([&](const Notification& n) {
        seen.push_back(n.userInfo.value("v").toString());
    });
    bus.post(QStringLiteral("tessaly.test.note"), { { "v", "one" } });
    bus.post(QStringLiteral("tessaly.test.other"), { { "v", "two" } });
    EXPECT_EQ(seen, (std::vector<QString> { "one" }));
    EXPECT_TRUE(bus.description().contains("NSObserver List:\n\ttessaly.test.note\n"));

    sub->dispose();
    EXPECT_TRUE(bus.description().contains("NSObserver List:\n\tEmpty\n"));
    bus.post(QStringLiteral("tessaly.test.note"), { { "v", "three" } });
    EXPECT_EQ(seen.size(), 1u);
}

TEST_F(RxBusTest, StickyNotificationReachesTheFirstStickySubscriber)
{
    bus.post(QStringLiteral("tessaly.test.sticky"), { { "v", 1 } }, true);
    ASSERT_TRUE(bus.stickyNotification("tessaly.test.sticky").has_value());
    int received = 0;
    bag.insert(bus.asObservable(QStringLiteral("tessaly.test.sticky"), true).subscribe([&](const Notification&) {
        ++received;
    }));
    EXPECT_EQ(received, 1);
    EXPECT_FALSE(bus.removeSticky(QStringLiteral("tessaly.test.sticky")).has_value());
}

TEST(SubscribeEvent, ContextBoundSubscriptionEndsWithItsContext)
{
    int received = 0;
    auto context = std::make_unique<QObject>();
    subscribeEvent<Ping>(context.get(), [&](const Ping&) { ++received; });
    RxBus::shared().post(Ping {});
    EXPECT_EQ(received, 1);
    context.reset();
    RxBus::shared().post(Ping {});
    EXPECT_EQ(received, 1);
}

TEST(SubscribeEvent, BagSubscriptionEndsWhenTheBagIsDisposed)
{
    int received = 0;
    {
        rx::DisposeBag bag;
        subscribeEvent<Ping>(bag, [&](const Ping&) { ++received; });
        RxBus::shared().post(Ping {});
    }
    RxBus::shared().post(Ping {});
    EXPECT_EQ(received, 1);
}

} // namespace
