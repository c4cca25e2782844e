// Replies decode on a pool thread and come back on the main thread: the
// window keeps turning while a large template list decodes, and a context
// destroyed meanwhile gets no callback and keeps nothing alive.

#include "api/APIFactory.h"
#include "api/OffMainThread.h"
#include "core/Localization.h"
#include "core/WorkerPool.h"
#include "model/GetConfigModel.h"
#include "model/JsonFieldReader.h"
#include "support/StandinHarness.h"
#include "support/TestSupport.h"

#include <QImage>
#include <QPainter>
#include <QSemaphore>
#include <QSet>
#include <QThreadPool>
#include <QTimer>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>
#include <string>

namespace {

constexpr int largeTemplateCount = 20000;
const std::string discoveryPath = "/index.php/Get_discorys_list";

bool onMainThread()
{
    return QThread::currentThread() == QCoreApplication::instance()->thread();
}

bool poolIsBusy()
{
    return workerPool()->activeThreadCount() > 0;
}

// Lets everything queued run, including the replies' deferred deletion.
void settle()
{
    workerPool()->waitForDone();
    pumpEvents(50);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A template list shaped like the server's, about 10 MB for 20,000 templates.
std::string discoveryReply(int templateCount)
{
    std::string items;
    items.reserve(static_cast<std::size_t>(templateCount) * 560);
    for (int i = 0; i < templateCount; ++i) {
        const std::string id = std::to_string(100000 + i);
        const std::string url = "http://127.0.0.1:8787/static/templates/" + id;
        if (i > 0)
            items += ',';
        items += R"({"id":")" + id + R"(","title":"Harbor )" + std::to_string(i)
            + R"(","desc":"A bold logo for Travel brands","trade":{"id":")" + std::to_string(i % 10 + 1)
            + R"(","trade":"Travel"},"img":")" + url + R"(.png","thumb":")" + url
            + R"(_thumb.png","keywords":{"id":"kw-)" + id + R"(","keywords":[{"id":")" + id
            + R"(-0","word":"modern"},{"id":")" + id + R"(-1","word":"wave"},{"id":")" + id
            + R"(-2","word":"咖啡"}]},"svg":")" + url + R"(.svg","select":false})";
    }
    return R"({"status":0,"reason":"success","data":{"page_no":0,"page_len":)" + std::to_string(templateCount)
        + R"(,"advertisement":[],"items":[)" + items + "]}}";
}

// Released when every copy of the callbacks holding it is gone.
struct Sentinel { };

class LargeReplies : public SharedStandinTest {
protected:
    void SetUp() override
    {
        SharedStandinTest::SetUp();
        server().setReply(discoveryPath, 200, discoveryReply(largeTemplateCount));
    }
    void TearDown() override { settle(); }
};

} // namespace

TEST(OffMainThread, WorkRunsOnThePoolAndTheResultArrivesOnTheMainThread)
{
    std::atomic<bool> workedOnMain { true };
    bool deliveredOnMain = false;
    int delivered = 0;
    auto* context = new QObject;
    runOffMainThread<int>(
        context,
        [&] {
            workedOnMain = onMainThread();
            return 42;
        },
        [&](const int& value) {
            deliveredOnMain = onMainThread();
            delivered = value;
        });
    ASSERT_TRUE(waitUntil([&] { return delivered != 0; }));
    EXPECT_EQ(delivered, 42);
    EXPECT_FALSE(workedOnMain);
    EXPECT_TRUE(deliveredOnMain);
    delete context;
}

TEST(OffMainThread, AContextDestroyedDuringTheWorkGetsNothingAndKeepsNothing)
{
    QSemaphore workStarted;
    QSemaphore mayFinish;
    auto sentinel = std::make_shared<Sentinel>();
    const std::weak_ptr<Sentinel> watch = sentinel;
    int deliveries = 0;
    int unguardedDeliveries = 0;

    auto* context = new QObject;
    runOffMainThread<std::shared_ptr<Sentinel>>(
        context,
        [&, sentinel] {
            workStarted.release();
            mayFinish.acquire();
            return sentinel;
        },
        [&, sentinel](const std::shared_ptr<Sentinel>&) { ++deliveries; });
    // Without a context the result always arrives.
    runOffMainThread<int>(
        nullptr, [] { return 1; }, [&](const int&) { ++unguardedDeliveries; });
    sentinel.reset();

    workStarted.acquire();
    delete context;
    mayFinish.release();
    settle();

    EXPECT_EQ(deliveries, 0);
    EXPECT_EQ(unguardedDeliveries, 1);
    EXPECT_TRUE(watch.expired()) << "the work, its result and the callback must all be released";
}

// Qt splits a large blend or scaled picture across its global pool and waits
// for it on the main thread: work of ours filling every thread of our pool,
// and waiting for the main thread, must not hold that drawing up.
TEST(OffMainThread, SlowWorkLeavesTheThreadsThatDrawingWaitsFor)
{
    const int threads = workerPool()->maxThreadCount();
    QSemaphore started;
    QSemaphore drawn;
    std::atomic<int> gaveUp { 0 };
    int delivered = 0;
    for (int i = 0; i < threads; ++i) {
        runOffMainThread<int>(
            nullptr,
            [&] {
                started.release();
                if (!drawn.tryAcquire(1, 20000))
                    ++gaveUp;
                return 0;
            },
            [&](const int&) { ++delivered; });
    }
    started.acquire(threads);

    QImage picture(1500, 1500, QImage::Format_ARGB32_Premultiplied);
    picture.fill(QColor(200, 40, 40, 128));
    QImage canvas(3000, 3000, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(canvas.rect(), picture);
    }
    drawn.release(threads);
    ASSERT_TRUE(waitUntil([&] { return delivered == threads; }, 30000));
    EXPECT_EQ(gaveUp, 0) << "the drawing waited for the work to give up";
    EXPECT_EQ(canvas.pixelColor(1500, 1500).red(), 227);
}

TEST(OffMainThread, RecordsDecodeSafelyOnManyThreadsAtOnce)
{
    constexpr int tasks = 16;
    constexpr int recordsPerTask = 200;
    std::mutex mutex;
    QSet<QString> ids;
    QStringList messages;
    QSemaphore done;
    testing::internal::CaptureStdout();
    for (int task = 0; task < tasks; ++task) {
        QThreadPool::globalInstance()->start([&] {
            QStringList localIds;
            QStringList localMessages;
            for (int i = 0; i < recordsPerTask; ++i) {
                const auto model = decodeRecord<GetConfigModel>(nlohmann::json::parse(R"({"status":0})"));
                localIds << model.id << model.data.id;
                localMessages << model.msg;
            }
            {
                std::lock_guard lock(mutex);
                for (const QString& id : localIds)
                    ids.insert(id);
                messages << localMessages;
            }
            done.release();
        });
    }
    done.acquire(tasks);
    // The last task may still be leaving `done`, which lives on this stack.
    QThreadPool::globalInstance()->waitForDone();
    testing::internal::GetCapturedStdout();

    EXPECT_EQ(ids.size(), tasks * recordsPerTask * 2) << "every record gets its own identity";
    const QString expected = localized(QStringLiteral("Network_errorCode_null"));
    EXPECT_EQ(messages.size(), tasks * recordsPerTask);
    EXPECT_EQ(messages.count(expected), messages.size());
}

TEST_F(LargeReplies, TheEventLoopKeepsTurningWhileTwentyThousandTemplatesDecode)
{
    int ticksWhileDecoding = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, &ticker, [&] {
        if (poolIsBusy())
            ++ticksWhileDecoding;
    });
    ticker.start(1);

    int successes = 0;
    int failures = 0;
    bool calledOnMain = false;
    qsizetype templates = 0;
    testing::internal::CaptureStdout();
    getDiscorysList(
        0, largeTemplateCount,
        [&](const DiscorysModel& model) {
            ++successes;
            calledOnMain = onMainThread();
            templates = model.data.items.size();
        },
        [&] { ++failures; });
    const bool ended = waitUntil([&] { return successes + failures > 0; }, 60000);
    pumpEvents(100); // a second callback would arrive here
    const std::string log = testing::internal::GetCapturedStdout();
    ticker.stop();

    ASSERT_TRUE(ended);
    EXPECT_EQ(successes, 1);
    EXPECT_EQ(failures, 0);
    EXPECT_TRUE(calledOnMain);
    EXPECT_EQ(templates, largeTemplateCount);
    EXPECT_GT(ticksWhileDecoding, 0) << "the main thread must not wait for the decode";

    // One request's lines keep their order.
    const auto label = log.find("getCategoryItems request Data = ");
    const auto request = log.find("requestrequestrequest = ", label);
    const auto response = log.find(" Response data = ", request);
    EXPECT_NE(label, std::string::npos);
    EXPECT_NE(request, std::string::npos);
    EXPECT_NE(response, std::string::npos);
    EXPECT_NE(log.find("characters in all)", response), std::string::npos) << "a long body is echoed shortened";
}

TEST_F(LargeReplies, DestroyingTheContextDuringTheDecodeRunsNoCallbackAndLeaksNothing)
{
    auto sentinel = std::make_shared<Sentinel>();
    const std::weak_ptr<Sentinel> watch = sentinel;
    int calls = 0;
    auto* context = new QObject;
    testing::internal::CaptureStdout();
    getDiscorysList(
        0, largeTemplateCount, [&calls, sentinel](const DiscorysModel&) { ++calls; }, [&calls, sentinel] { ++calls; },
        context);
    sentinel.reset();

    const bool decoding = waitUntil([&] { return poolIsBusy() || calls > 0; }, 60000);
    delete context;
    settle();
    testing::internal::GetCapturedStdout();

    ASSERT_TRUE(decoding);
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(watch.expired()) << "the callbacks and the decoded model must be released";
}
