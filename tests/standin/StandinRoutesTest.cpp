#include "StandinTestClient.h"
#include "core/Configs.h"
#include "support/StandinHarness.h"
#include "support/TestSupport.h"

#include <QImage>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using standin::StandinServer;

namespace {

// Every URL found anywhere in a reply.
void collectUrls(const nlohmann::json& value, const std::string& base, std::vector<std::string>& urls)
{
    if (value.is_string()) {
        const auto& text = value.get_ref<const std::string&>();
        if (text.rfind(base + "/", 0) == 0)
            urls.push_back(text.substr(base.size()));
    } else if (value.is_structured()) {
        for (const auto& item : value)
            collectUrls(item, base, urls);
    }
}

} // namespace

TEST(StandinRoutes, EveryOperationAnswersJsonWhoseAddressesAllServeContent)
{
    StandinServer server(standin::Options { "", 3 });
    ASSERT_GT(server.start(0), 0);
    StandinTestClient client(server);
    const nlohmann::json common = { { "uuid", "R" }, { "lang", "English" } };
    auto with = [&](nlohmann::json extra) {
        extra.update(common);
        return extra;
    };
    ASSERT_EQ(client.postJson("/index.php/logo2/Ai_make",
                  with({ { "trade_id", 101 }, { "styles_ids", { 301 } }, { "contents_ids", { 1012 } } }))["status"],
        0);
    const std::vector<std::pair<std::string, nlohmann::json>> operations = {
        { "/index.php/Get_discorys_list", with({ { "page_no", 0 }, { "page_len", 20000 } }) },
        { "/index.php/logo2/Get_design_list", common },
        { "/index.php/Get_details_list", with({ { "item_id", 2 } }) },
        { "/index.php/logo2/Get_design_detail", with({ { "item_id", std::stoi(server.designIds("R")[0]) } }) },
        { "/index.php/Step1", common },
        { "/index.php/Step2", common },
        { "/index.php/Step3", with({ { "trade_id", 122 } }) },
        { "/index.php/Free_ai_get", common },
        { "/index.php/logo2/Get_config", common },
        { "/index.php/logo2/GetRemoteFonts", { { "lang", "Latin" } } },
        { "/index.php/logo2/GetShapeType", common },
        { "/index.php/logo2/GetShape", { { "uuid", "R" }, { "type", 3 }, { "page", 0 }, { "count", 1000 } } },
        { "/index.php/logo2/GetBackground", common },
        { "/index.php/logo2/Backup_v1_design", common },
        { "/index.php/Bind_user", with({ { "name", "Ann" }, { "email", "ann@example.com" } }) },
        { "/update/index.php/v1/ty/check_update", { { "uid", "R" }, { "version", "1.0.0" }, { "lang", "en" } } },
    };
    std::vector<std::string> urls;
    for (const auto& [path, body] : operations) {
        const auto reply = client.postJson(path, body);
        ASSERT_TRUE(reply.is_object()) << path;
        const auto status = reply.contains("status") ? reply["status"] : reply["code"];
        EXPECT_EQ(status, 0) << path;
        collectUrls(reply, server.baseUrl(), urls);
    }
    std::sort(urls.begin(), urls.end());
    urls.erase(std::unique(urls.begin(), urls.end()), urls.end());
    ASSERT_GT(urls.size(), 30u);
    for (const std::string& url : urls) {
        const auto result = client.get(url);
        ASSERT_TRUE(result) << url;
        EXPECT_EQ(result->status, 200) << url;
        EXPECT_FALSE(result->body.empty()) << url;
        const bool image = url.ends_with(".png") || url.ends_with(".webp");
        if (image) {
            EXPECT_FALSE(QImage::fromData(QByteArray::fromStdString(result->body)).isNull()) << url;
        }
    }
}

TEST(StandinRoutes, UpdateCheckAnswersTheConfiguredVersion)
{
    standin::Options options;
    options.templateCount = 1;
    options.updateVersion = "4.5.6";
    StandinServer server(options);
    ASSERT_GT(server.start(0), 0);
    StandinTestClient client(server);
    EXPECT_EQ(client.postJson("/update/index.php/v1/ty/check_update", { { "uid", "U" } })["data"]["version"], "4.5.6");
}

TEST(StandinRoutes, HarnessPointsTheClientAtTheServerAndRestoresIt)
{
    const QString before = Configs::Network::apiBaseURL;
    {
        StandinHarness harness(standin::Options { "", 5 });
        EXPECT_EQ(Configs::Network::apiBaseURL.toStdString(), harness.server().apiBase());
        EXPECT_EQ(Configs::Network::updateBaseURL.toStdString(), harness.server().updateBase());
        EXPECT_EQ(Configs::Network::webHostRoot.toStdString(), harness.server().baseUrl());

        // A Qt client on the main thread is served while the handlers run on the server's threads.
        QByteArray body;
        QNetworkReply::NetworkError droppedError = QNetworkReply::NoError;
        QVariant droppedStatus;
        {
            QNetworkAccessManager manager;
            QNetworkRequest request(QUrl(Configs::Network::apiBaseURL + "/logo2/Get_config"));
            request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
            std::unique_ptr<QNetworkReply> reply(manager.post(request, R"({"uuid":"Q","lang":"English"})"));
            ASSERT_TRUE(waitUntil([&reply] { return reply->isFinished(); }, 10000));
            body = reply->readAll();

            // A dropped connection reaches a Qt client as a transport error without a status.
            harness.server().setFault("/index.php/logo2/Get_config", standin::Fault::Drop);
            std::unique_ptr<QNetworkReply> dropped(manager.post(request, "{}"));
            ASSERT_TRUE(waitUntil([&dropped] { return dropped->isFinished(); }, 10000));
            droppedError = dropped->error();
            droppedStatus = dropped->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        }
        EXPECT_EQ(nlohmann::json::parse(body.toStdString())["data"]["AI_type"], "sdxl");
        EXPECT_NE(droppedError, QNetworkReply::NoError);
        EXPECT_FALSE(droppedStatus.isValid());
        EXPECT_EQ(harness.server().requestsTo("/logo2/Get_config").at(0).body["uuid"], "Q");
    }
    EXPECT_EQ(Configs::Network::apiBaseURL, before);
}

TEST(StandinRoutes, WizardChoicesMakeADesignAndInvalidChoicesMakeNone)
{
    StandinServer server(standin::Options { "", 3 });
    ASSERT_GT(server.start(0), 0);
    StandinTestClient client(server);
    const nlohmann::json common = { { "uuid", "W" }, { "lang", "Simplified Chinese" } };
    const auto trades = client.postJson("/index.php/Step1", common)["data"]["trade"];
    ASSERT_GT(trades.size(), 10u);
    const int tradeId = std::stoi(trades[0]["id"].get<std::string>());
    const auto groups = client.postJson("/index.php/Step2", common)["data"]["all_styles"];
    ASSERT_EQ(groups.size(), 2u);
    nlohmann::json step3 = common;
    step3["trade_id"] = tradeId;
    const auto symbols = client.postJson("/index.php/Step3", step3)["data"]["content0"];
    ASSERT_FALSE(symbols.empty());
    EXPECT_EQ(symbols[0]["trade_id"], std::to_string(tradeId));

    nlohmann::json make = common;
    make.update(
        { { "trade_id", tradeId }, { "styles_ids", { std::stoi(groups[1]["contents"][0]["id"].get<std::string>()) } },
            { "contents_ids", { std::stoi(symbols[0]["id"].get<std::string>()) } }, { "pay_type", "free" } });
    const auto made = client.postJson("/index.php/logo2/Ai_make", make);
    EXPECT_EQ(made["status"], 0);
    ASSERT_EQ(server.designIds("W").size(), 1u);
    EXPECT_EQ(made["data"]["item"]["id"], server.designIds("W")[0]);
    EXPECT_FALSE(made["data"]["item"]["img"].get<std::string>().empty());

    // The ids a client sends when it could not read a choice.
    make["trade_id"] = -1;
    EXPECT_NE(client.postJson("/index.php/logo2/Ai_make", make)["status"], 0);
    make["trade_id"] = tradeId;
    make["contents_ids"] = { -1 };
    EXPECT_NE(client.postJson("/index.php/logo2/Ai_make", make)["status"], 0);
    EXPECT_EQ(server.designIds("W").size(), 1u);

    // The free creator offers industries whose symbols come with it.
    const auto free = client.postJson("/index.php/Free_ai_get", common)["data"];
    ASSERT_EQ(free["trades"].size(), 2u);
    for (const auto& symbol : free["contents"])
        EXPECT_TRUE(symbol["trade_id"] == free["trades"][0]["id"] || symbol["trade_id"] == free["trades"][1]["id"]);
}

TEST(StandinRoutes, DiscoveryPagesCoverTheCatalogueOnce)
{
    StandinServer server(standin::Options { "", 45 });
    ASSERT_GT(server.start(0), 0);
    StandinTestClient client(server);
    std::vector<std::string> ids;
    for (int page = 0; page < 3; ++page) {
        const auto reply = client.postJson("/index.php/Get_discorys_list",
            { { "uuid", "D" }, { "page_no", page }, { "page_len", 20 }, { "lang", "English" } });
        for (const auto& item : reply["data"]["items"])
            ids.push_back(item["id"]);
    }
    ASSERT_EQ(ids.size(), 45u);
    EXPECT_EQ(ids.front(), "1");
    EXPECT_EQ(ids.back(), "45");
    const auto all = client.postJson("/index.php/Get_discorys_list",
        { { "uuid", "D" }, { "page_no", 0 }, { "page_len", 20000 }, { "lang", "English" } });
    EXPECT_EQ(all["data"]["items"].size(), 45u);
    // The same page again comes out identical.
    EXPECT_EQ(client.postJson("/index.php/Get_discorys_list",
                  { { "uuid", "D" }, { "page_no", 0 }, { "page_len", 20000 }, { "lang", "English" } }),
        all);
}

TEST(StandinRoutes, PipelinedRequestsAreAnsweredInOrder)
{
    standin::StandinServer server(standin::Options { "", 10 });
    ASSERT_GT(server.start(0), 0);
    server.setReply("/first", 200, "one", "text/plain");
    server.setReply("/second", 200, "two", "text/plain");

    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(socket, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(server.port()));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const timeval wait { 3, 0 };
    setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);

    // Both requests in one write, as a pipelining client sends them.
    const std::string requests = "GET /first HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n"
                                 "GET /second HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n";
    ASSERT_EQ(::send(socket, requests.data(), requests.size(), MSG_NOSIGNAL), ssize_t(requests.size()));
    std::string received;
    char chunk[4096];
    for (ssize_t n; (n = ::recv(socket, chunk, sizeof chunk, 0)) > 0;)
        received.append(chunk, size_t(n));
    ::close(socket);

    const size_t one = received.find("\r\n\r\none");
    const size_t two = received.find("\r\n\r\ntwo");
    ASSERT_NE(one, std::string::npos) << received;
    ASSERT_NE(two, std::string::npos) << received;
    EXPECT_LT(one, two);
}
