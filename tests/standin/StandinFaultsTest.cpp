#include "StandinTestClient.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>

using standin::Fault;
using standin::StandinServer;

namespace {

const std::string configPath = "/index.php/logo2/Get_config";

class StandinFaultsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_GT(m_server.start(0), 0); }

    StandinServer m_server { standin::Options { "", 20 } };
};

} // namespace

TEST_F(StandinFaultsTest, AnswersNormallyWithoutFaults)
{
    StandinTestClient client(m_server);
    const auto reply = client.postJson(configPath, { { "uuid", "U" }, { "lang", "English" } });
    EXPECT_EQ(reply["status"], 0);
    EXPECT_FALSE(reply["data"]["AI_type"].get<std::string>().empty());
}

TEST_F(StandinFaultsTest, StatusFaultsReplaceTheReply)
{
    StandinTestClient client(m_server);
    m_server.setFault(configPath, Fault::Http500);
    auto result = client.post(configPath, { { "uuid", "U" } });
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 500);

    m_server.setFault(configPath, Fault::Http403);
    result = client.post(configPath, { { "uuid", "U" } });
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 403);

    m_server.setFault(configPath, Fault::NotJson);
    result = client.post(configPath, { { "uuid", "U" } });
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 200);
    EXPECT_TRUE(nlohmann::json::parse(result->body, nullptr, false).is_discarded());

    m_server.clearFaults();
    result = client.post(configPath, { { "uuid", "U" } });
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 200);
}

TEST_F(StandinFaultsTest, WrongTypesKeepsKeysButChangesEveryTopLevelType)
{
    StandinTestClient client(m_server);
    m_server.setFault(configPath, Fault::WrongTypes);
    const auto reply = client.postJson(configPath, { { "uuid", "U" } });
    ASSERT_TRUE(reply.is_object());
    EXPECT_TRUE(reply["data"].is_string());
    EXPECT_TRUE(reply["status"].is_string());
    EXPECT_TRUE(reply["msg"].is_array());
    // A numeric text would still decode as a number; the status must not.
    EXPECT_EQ(reply["status"].get<std::string>().find_first_of("0123456789"), std::string::npos);
}

TEST_F(StandinFaultsTest, DropClosesTheConnectionWithoutAReply)
{
    StandinTestClient client(m_server);
    m_server.setFault(configPath, Fault::Drop);
    const auto result = client.post(configPath, { { "uuid", "U" } });
    EXPECT_FALSE(result);
    // The server keeps serving other connections.
    m_server.clearFaults();
    StandinTestClient second(m_server);
    EXPECT_EQ(second.postJson(configPath, { { "uuid", "U" } })["status"], 0);
}

TEST_F(StandinFaultsTest, DelayStillAnswersWithTheNormalReply)
{
    StandinTestClient client(m_server);
    m_server.setFault(configPath, Fault::Delay, 150);
    EXPECT_EQ(client.postJson(configPath, { { "uuid", "U" } })["status"], 0);
}

TEST_F(StandinFaultsTest, EndlessKeepsStreamingAndTrickleSendsTheWholeReplySlowly)
{
    m_server.setFault(configPath, Fault::Endless, 1);
    httplib::Client client("127.0.0.1", m_server.port());
    std::size_t received = 0;
    const auto streamed = client.Get(configPath.c_str(), [&received](const char*, std::size_t length) {
        received += length;
        return received < 4 * 1024 * 1024; // hangs up once 4 MiB have come
    });
    EXPECT_GE(received, 4u * 1024 * 1024);
    EXPECT_FALSE(streamed) << "the body never ended by itself";

    m_server.setFault(configPath, Fault::Trickle, 2);
    StandinTestClient trickled(m_server);
    EXPECT_EQ(trickled.postJson(configPath, { { "uuid", "U" } })["status"], 0);
}

TEST_F(StandinFaultsTest, StopDoesNotWaitForALongDelay)
{
    m_server.setFault(configPath, Fault::Delay, 600000);
    std::thread waiting([port = m_server.port()] {
        httplib::Client client("127.0.0.1", port);
        client.set_read_timeout(700, 0);
        client.Post(configPath.c_str(), "{}", "application/json");
    });
    // Stop only once the delayed request is in the server.
    for (int i = 0; i < 500 && m_server.requestsTo("Get_config").empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_EQ(m_server.requestsTo("Get_config").size(), 1u);
    m_server.stop(); // returns instead of sleeping out the delay
    waiting.join();
    EXPECT_EQ(m_server.port(), -1);
}

TEST_F(StandinFaultsTest, PrefixFaultsCoverStaticFilesAndExactEntriesWin)
{
    StandinTestClient client(m_server);
    m_server.setFault("/static/templates/*", Fault::Http500);
    m_server.setFault("/static/templates/2/thumb.png", Fault::Http403);
    EXPECT_EQ(client.get("/static/templates/1/design.svg")->status, 500);
    EXPECT_EQ(client.get("/static/templates/2/thumb.png")->status, 403);
    EXPECT_EQ(client.get("/static/backgrounds/1/thumb.png")->status, 200);
}

TEST_F(StandinFaultsTest, CannedRepliesReplaceARouteUntilCleared)
{
    StandinTestClient client(m_server);
    m_server.setReply(configPath, 200, R"({"status":7,"data":null})");
    EXPECT_EQ(client.postJson(configPath, {})["status"], 7);
    m_server.setReply(configPath, 299, "");
    EXPECT_EQ(client.post(configPath, {})->status, 299);
    m_server.clearReplies();
    EXPECT_EQ(client.postJson(configPath, {})["status"], 0);
}

TEST_F(StandinFaultsTest, RecordsPathHeadersAndTheJsonBodyUnderAFormContentType)
{
    StandinTestClient client(m_server);
    client.post("/index.php/logo2/Ai_make", { { "uuid", "U" }, { "styles_ids", { 201 } }, { "trade_id", 104 } });
    client.get("/static/templates/1/design.svg");

    const auto all = m_server.requests();
    ASSERT_EQ(all.size(), 2u);
    const auto& make = all[0];
    EXPECT_EQ(make.method, "POST");
    EXPECT_EQ(make.path, "/index.php/logo2/Ai_make");
    EXPECT_EQ(make.headers.at("platform"), "ios");
    EXPECT_EQ(make.headers.at("Content-Type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(make.headers.count("REMOTE_ADDR"), 0u);
    EXPECT_EQ(make.body["styles_ids"], nlohmann::json::array({ 201 }));
    EXPECT_EQ(make.body["trade_id"], 104);
    EXPECT_EQ(nlohmann::json::parse(make.rawBody), make.body);
    EXPECT_EQ(all[1].method, "GET");
    EXPECT_TRUE(all[1].body.is_null());

    EXPECT_EQ(m_server.requestsTo("/Ai_make").size(), 1u);
    EXPECT_TRUE(m_server.requestsTo("/Get_config").empty());
    m_server.clearRequests();
    EXPECT_TRUE(m_server.requests().empty());
}

TEST_F(StandinFaultsTest, RecordsMultipartFieldsAndDescribesFileParts)
{
    httplib::Client client("127.0.0.1", m_server.port());
    const httplib::MultipartFormDataItems form = { { "uuid", "U", "", "" }, { "from", "template", "", "" },
        { "filename", std::string(10, 'x'), "big_orig.svg.gz", "application/gzip" } };
    client.Post("/index.php/logo2/Save_logo_file", form);

    const auto recorded = m_server.requestsTo("Save_logo_file");
    ASSERT_EQ(recorded.size(), 1u);
    EXPECT_EQ(recorded[0].body["uuid"], "U");
    EXPECT_EQ(recorded[0].body["from"], "template");
    EXPECT_EQ(recorded[0].body["filename"]["filename"], "big_orig.svg.gz");
    EXPECT_EQ(recorded[0].body["filename"]["content_type"], "application/gzip");
    EXPECT_EQ(recorded[0].body["filename"]["size"], 10);
}

TEST(StandinServerLifecycle, StartsOnAFreePortAndStopsOnDestruction)
{
    int port = -1;
    {
        StandinServer server(standin::Options { "", 5 });
        port = server.start(0);
        ASSERT_GT(port, 0);
        EXPECT_EQ(server.baseUrl(), "http://127.0.0.1:" + std::to_string(port));
        EXPECT_EQ(server.apiBase(), server.baseUrl() + "/index.php");
        EXPECT_EQ(server.updateBase(), server.baseUrl() + "/update/index.php");
        StandinServer clash(standin::Options { "", 5 });
        EXPECT_EQ(clash.start(port), -1);
    }
    httplib::Client client("127.0.0.1", port);
    EXPECT_FALSE(client.Get("/site"));
}

TEST(StandinGenerationTest, AGenerationWaitsWhileOtherRoutesAnswerAndStopEndsTheWait)
{
    standin::Options options { "", 20 };
    options.generationMs = 600000;
    StandinServer server(options);
    ASSERT_GT(server.start(0), 0);
    std::atomic<bool> answered = false;
    std::thread generating([&answered, port = server.port()] {
        httplib::Client client("127.0.0.1", port);
        client.set_read_timeout(30, 0);
        answered = bool(client.Post("/index.php/logo2/Ai_make", "{}", "application/json"));
    });
    for (int i = 0; i < 500 && server.requestsTo("Ai_make").empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_EQ(server.requestsTo("Ai_make").size(), 1u);
    StandinTestClient client(server);
    EXPECT_EQ(client.postJson("/index.php/Step1", { { "uuid", "U" }, { "lang", "English" } })["status"], 0);
    EXPECT_FALSE(answered);
    server.stop();
    generating.join();
}
