#include "core/Downloads.h"

#include "CannedStandin.h"
#include "core/HttpFetch.h"
#include "core/NetworkAccess.h"
#include "core/ReplyLimits.h"
#include "core/RxBus.h"
#include "core/SharedEvents.h"
#include "support/TestSupport.h"

#include <QNetworkAccessManager>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Records every callback of one downloadBase64 call and the failure events.
struct Base64Outcome {
    int successes = 0;
    int failures = 0;
    QString base64;
    int failEventsAtFailure = -1;
};

class DownloadsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_server = std::make_unique<CannedStandin>();
        ASSERT_TRUE(m_server->isRunning());
        m_failEvents = 0;
        m_subscription = RxBus::shared().asObservable<EditLogoViewEvent::loadSvgFail>().subscribe(
            [this](const EditLogoViewEvent::loadSvgFail&) { ++m_failEvents; });
    }

    void TearDown() override
    {
        m_subscription->dispose();
        HttpFetch::transferTimeoutMilliseconds = 30000;
        ReplyLimits::restoreDefaults();
        // Idle keep-alive connections would hold the server's stop.
        sharedNetworkAccessManager().clearConnectionCache();
        m_server.reset();
    }

    std::shared_ptr<Base64Outcome> fetchBase64(const QString& url)
    {
        auto outcome = std::make_shared<Base64Outcome>();
        downloadBase64(
            url, ReplyKind::DesignFile,
            [outcome](const QString& text) {
                ++outcome->successes;
                outcome->base64 = text;
            },
            [this, outcome] {
                ++outcome->failures;
                outcome->failEventsAtFailure = m_failEvents;
            });
        EXPECT_TRUE(waitUntil([outcome] { return outcome->successes + outcome->failures > 0; }, 10000))
            << qPrintable(url);
        pumpEvents(50); // a second callback would arrive here
        return outcome;
    }

    std::unique_ptr<CannedStandin> m_server;
    rx::DisposablePtr m_subscription;
    int m_failEvents = 0;
};

} // namespace

TEST_F(DownloadsTest, ContentArrivesAsBase64WithoutFailureEvents)
{
    auto outcome = fetchBase64(m_server->url("/image.png"));
    EXPECT_EQ(outcome->successes, 1);
    EXPECT_EQ(outcome->failures, 0);
    EXPECT_EQ(outcome->base64, QString::fromLatin1(QByteArray::fromStdString(m_server->png()).toBase64()));
    EXPECT_FALSE(outcome->base64.contains(u'\n'));
    EXPECT_EQ(m_failEvents, 0);

    auto empty = fetchBase64(m_server->url("/empty"));
    EXPECT_EQ(empty->successes, 1);
    EXPECT_EQ(empty->base64, QString());
}

TEST_F(DownloadsTest, ErrorStatusesAreFailuresNeverContent)
{
    for (const char* path : { "/missing", "/error" }) {
        m_failEvents = 0;
        auto outcome = fetchBase64(m_server->url(path));
        EXPECT_EQ(outcome->successes, 0) << path;
        EXPECT_EQ(outcome->failures, 1) << path;
        // The event goes out first, once, then the failure callback.
        EXPECT_EQ(outcome->failEventsAtFailure, 1) << path;
        EXPECT_EQ(m_failEvents, 1) << path;
    }
}

TEST_F(DownloadsTest, RefusedConnectionsTimeoutsAndBadUrlsEndInOneFailure)
{
    for (const QString& url :
        { CannedStandin::refusedUrl(), m_server->url("/dropped"), QStringLiteral("not a url"), QString() }) {
        m_failEvents = 0;
        auto outcome = fetchBase64(url);
        EXPECT_EQ(outcome->failures, 1) << qPrintable(url);
        EXPECT_EQ(outcome->successes, 0) << qPrintable(url);
        EXPECT_EQ(m_failEvents, 1) << qPrintable(url);
    }

    HttpFetch::transferTimeoutMilliseconds = 200;
    auto slow = fetchBase64(m_server->url("/slow.png"));
    EXPECT_EQ(slow->failures, 1);
    EXPECT_EQ(slow->successes, 0);
}

TEST_F(DownloadsTest, TextDownloadsDecodeUtf8OrReportNothing)
{
    auto fetchText = [](const QString& url) {
        auto result = std::make_shared<std::optional<std::optional<QString>>>();
        downloadText(url, [result](const std::optional<QString>& text) { *result = text; });
        EXPECT_TRUE(waitUntil([result] { return result->has_value(); }, 10000));
        return result->value_or(std::nullopt);
    };
    EXPECT_EQ(fetchText(m_server->url("/text.svg")), QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\"/>"));
    EXPECT_FALSE(fetchText(m_server->url("/not-utf8")));

    testing::internal::CaptureStdout();
    const std::optional<QString> missing = fetchText(m_server->url("/missing"));
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(missing);
    EXPECT_EQ(log.rfind("Failed to get SVG: ", 0), 0u) << log;
    EXPECT_EQ(m_failEvents, 0);
}

TEST_F(DownloadsTest, CancelledFetchCallsNothingAndFreesItsReply)
{
    bool called = false;
    QPointer<QNetworkReply> reply = HttpFetch::get(
        m_server->url("/slow.png"), ReplyKind::Image, nullptr, [&called](const HttpFetchResult&) { called = true; });
    ASSERT_TRUE(reply);
    const QPointer<QNetworkReply> watch = reply;
    HttpFetch::cancel(reply);
    EXPECT_FALSE(reply);
    // Deferred deletions run only from an event loop, which this test doesn't spin.
    EXPECT_TRUE(waitUntil([&watch] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return watch.isNull();
    }));
    pumpEvents(100);
    EXPECT_FALSE(called);
}

// Each kind of download under a body that never ends and under a trickle of
// one byte every 50 ms, with limits of 256 KiB and half a second: each ends in
// one failure, holding none of what it read.
TEST_F(DownloadsTest, EndlessAndTricklingRepliesEndInOneFailure)
{
    for (const ReplyKind kind : { ReplyKind::Image, ReplyKind::DesignFile, ReplyKind::Font })
        ReplyLimits::setBoundsFor(kind, { 256 * 1024, std::chrono::milliseconds(500) });
    struct Download {
        const char* name;
        std::function<void(const QString& url, std::function<void(bool ok, const QByteArray& body)>)> start;
    };
    const auto fetch = [](ReplyKind kind) {
        return [kind](const QString& url, std::function<void(bool, const QByteArray&)> done) {
            HttpFetch::get(url, kind, nullptr, [done](const HttpFetchResult& r) { done(r.ok, r.body); });
        };
    };
    const Download downloads[] = {
        { "image", fetch(ReplyKind::Image) },
        { "font", fetch(ReplyKind::Font) },
        { "design as Base64",
            [](const QString& url, std::function<void(bool, const QByteArray&)> done) {
                downloadBase64(
                    url, ReplyKind::DesignFile, [done](const QString& text) { done(true, text.toLatin1()); },
                    [done] { done(false, {}); });
            } },
        { "design as text",
            [](const QString& url, std::function<void(bool, const QByteArray&)> done) {
                downloadText(url, [done](const std::optional<QString>& text) {
                    done(text.has_value(), text.value_or(QString()).toUtf8());
                });
            } },
    };
    struct Outcome {
        int calls = 0;
        bool ok = true;
        QByteArray body = "unset";
    };
    for (const auto& [fault, ms] : { std::pair { standin::Fault::Endless, 20 }, { standin::Fault::Trickle, 50 } }) {
        SCOPED_TRACE(fault == standin::Fault::Endless ? "endless" : "trickle");
        m_server->server().setFault("/image.png", fault, ms);
        std::vector<Outcome> outcomes(std::size(downloads));
        for (std::size_t i = 0; i < outcomes.size(); ++i) {
            downloads[i].start(m_server->url("/image.png"), [&outcomes, i](bool success, const QByteArray& bytes) {
                ++outcomes[i].calls;
                outcomes[i].ok = success;
                outcomes[i].body = bytes;
            });
        }
        EXPECT_TRUE(waitUntil(
            [&] { return std::all_of(outcomes.begin(), outcomes.end(), [](const Outcome& o) { return o.calls > 0; }); },
            6000));
        pumpEvents(50); // a second callback would arrive here
        for (std::size_t i = 0; i < outcomes.size(); ++i) {
            EXPECT_EQ(outcomes[i].calls, 1) << downloads[i].name;
            EXPECT_FALSE(outcomes[i].ok) << downloads[i].name;
            EXPECT_TRUE(outcomes[i].body.isEmpty()) << downloads[i].name;
        }
    }
}

// A reply that announces more than the cap fails as soon as its headers
// arrive, without waiting for the deadline or the idle time-out.
TEST_F(DownloadsTest, AReplyAnnouncingMoreThanTheCapFailsAtOnce)
{
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&server] {
        QTcpSocket* socket = server.nextPendingConnection();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] {
            socket->readAll();
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: image/png\r\nContent-Length: 2000000000\r\n\r\nabc");
        });
    });
    ReplyLimits::setBoundsFor(ReplyKind::Image, { 1024 * 1024, std::chrono::minutes(1) });
    std::optional<HttpFetchResult> result;
    HttpFetch::get(QStringLiteral("http://127.0.0.1:%1/huge.png").arg(server.serverPort()), ReplyKind::Image, nullptr,
        [&result](const HttpFetchResult& r) { result = r; });
    ASSERT_TRUE(waitUntil([&] { return result.has_value(); }, 3000));
    EXPECT_FALSE(result->ok);
    EXPECT_TRUE(result->body.isEmpty());
    EXPECT_TRUE(result->errorText.contains(QStringLiteral("larger than"))) << result->errorText.toStdString();
}
