#include "StandinTestClient.h"
#include "standin/DesignStore.h"
#include "standin/Gzip.h"
#include "support/TestFiles.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>

using standin::StandinServer;

namespace {

const std::string savePath = "/index.php/logo2/Save_logo_file";
const std::string listPath = "/index.php/logo2/Get_design_list";
const std::string designDetailPath = "/index.php/logo2/Get_design_detail";
const std::string nonAsciiSvg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"460\" height=\"460\">"
                                "<text x=\"10\" y=\"50\">Café 咖啡 — “quoted” &amp; ✓</text></svg>\n";

httplib::Result saveLogo(StandinServer& server, const std::string& uuid, const std::string& itemId,
    const std::string& from, const std::string& fileBytes)
{
    httplib::Client client("127.0.0.1", server.port());
    const httplib::MultipartFormDataItems form = { { "uuid", uuid, "", "" }, { "token", "T0K3N", "", "" },
        { "item_id", itemId, "", "" }, { "from", from, "", "" }, { "lang", "English", "", "" },
        { "filename", fileBytes, "big_orig.svg.gz", "application/gzip" } };
    return client.Post(savePath.c_str(), form);
}

int statusOf(const httplib::Result& result)
{
    if (!result || result->status != 200)
        return -1000;
    const auto body = nlohmann::json::parse(result->body, nullptr, false);
    return body.is_object() && body["status"].is_number_integer() ? body["status"].get<int>() : -2000;
}

std::string pngOfSize(int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::red);
    return pngBytes(image).toStdString();
}

} // namespace

TEST(StandinDesigns, SavedDesignIsStoredByteForByteAndListedFirst)
{
    StandinServer server(standin::Options { "", 10 });
    ASSERT_GT(server.start(0), 0);

    const auto saved = saveLogo(server, "DEVICE-1", "3", "template", standin::Gzip::compress(nonAsciiSvg));
    ASSERT_EQ(statusOf(saved), 0);
    const auto ids = server.designIds("DEVICE-1");
    ASSERT_EQ(ids.size(), 1u);
    EXPECT_EQ(server.designSvg("DEVICE-1", ids[0]), nonAsciiSvg);

    // Saving it again as a design replaces its SVG, with a new image address.
    StandinTestClient client(server);
    const auto before = client.postJson(listPath, { { "uuid", "DEVICE-1" } })["data"]["items"][0];
    const std::string changed = "<svg xmlns=\"http://www.w3.org/2000/svg\"><rect width=\"5\" height=\"5\"/></svg>";
    ASSERT_EQ(statusOf(saveLogo(server, "DEVICE-1", ids[0], "design", standin::Gzip::compress(changed))), 0);
    EXPECT_EQ(server.designIds("DEVICE-1"), ids);
    EXPECT_EQ(server.designSvg("DEVICE-1", ids[0]), changed);
    const auto after = client.postJson(listPath, { { "uuid", "DEVICE-1" } })["data"]["items"][0];
    EXPECT_NE(before["img"], after["img"]);
    const auto svgReply = client.get(after["svg"].get<std::string>().substr(server.baseUrl().size()));
    ASSERT_TRUE(svgReply);
    EXPECT_EQ(svgReply->body, changed);

    // A template saved again becomes a new design, listed first.
    ASSERT_EQ(statusOf(saveLogo(server, "DEVICE-1", "3", "template", standin::Gzip::compress(nonAsciiSvg))), 0);
    const auto listed = client.postJson(listPath, { { "uuid", "DEVICE-1" } })["data"]["items"];
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[1]["id"], ids[0]);
    EXPECT_EQ(server.designIds("DEVICE-1")[0], listed[0]["id"]);

    // A design's similar designs are the user's other designs, which the design request finds.
    const auto detail = [&](const nlohmann::json& id) {
        return client.postJson(
            designDetailPath, { { "uuid", "DEVICE-1" }, { "item_id", std::stoll(id.get<std::string>()) } });
    };
    const auto similar = detail(listed[0]["id"])["data"]["similar"];
    ASSERT_EQ(similar.size(), 1u);
    EXPECT_EQ(similar[0]["id"], listed[1]["id"]);
    EXPECT_EQ(detail(similar[0]["id"])["status"], 0);
}

TEST(StandinDesigns, ALargeSavedDesignReachesAQtClientWholeAndAtOnce)
{
    StandinServer server(standin::Options { "", 10 });
    ASSERT_GT(server.start(0), 0);
    // Twenty embedded pictures of 200 KB that no compression shrinks much: 5.5 MB.
    std::mt19937 random(7);
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"460\" height=\"460\">";
    for (int i = 0; i < 20; ++i) {
        QByteArray picture(200 * 1024, Qt::Uninitialized);
        std::generate(picture.begin(), picture.end(), [&random] { return static_cast<char>(random()); });
        svg += "<image width=\"9\" height=\"9\" href=\"data:image/png;base64," + picture.toBase64().toStdString()
            + "\"/>";
    }
    svg += "</svg>\n";
    ASSERT_EQ(statusOf(saveLogo(server, "BIG", "3", "template", standin::Gzip::compress(svg))), 0);
    const auto listed = StandinTestClient(server).postJson(listPath, { { "uuid", "BIG" } })["data"]["items"];
    ASSERT_EQ(listed.size(), 1u);

    // Fetched as the editor fetches it, with Qt's own Accept-Encoding.
    QNetworkAccessManager manager;
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QNetworkReply> reply(
        manager.get(QNetworkRequest(QUrl(QString::fromStdString(listed[0]["svg"].get<std::string>())))));
    ASSERT_TRUE(waitUntil([&reply] { return reply->isFinished(); }, 60000));
    const qint64 elapsedMs = clock.elapsed();
    EXPECT_EQ(reply->error(), QNetworkReply::NoError);
    EXPECT_TRUE(reply->readAll().toStdString() == svg);
    // Compressed at the library's slowest setting this took 9 s and more.
    EXPECT_LT(elapsedMs, 3000);
}

TEST(StandinDesigns, BadUploadsAnswerANonZeroStatusAndStoreNothing)
{
    StandinServer server(standin::Options { "", 10 });
    ASSERT_GT(server.start(0), 0);

    EXPECT_GT(statusOf(saveLogo(server, "D", "1", "template", nonAsciiSvg)), 0); // not gzip
    EXPECT_GT(statusOf(saveLogo(server, "D", "1", "template", standin::Gzip::compress("plain text"))), 0);
    EXPECT_GT(statusOf(saveLogo(server, "D", "1", "template", standin::Gzip::compress("<html><body/></html>"))), 0);
    EXPECT_GT(statusOf(saveLogo(server, "D", "1", "template", standin::Gzip::compress("<svg><g></svg>"))), 0);
    const std::string whole = standin::Gzip::compress(nonAsciiSvg);
    EXPECT_GT(statusOf(saveLogo(server, "D", "1", "template", whole.substr(0, whole.size() / 2))), 0);
    EXPECT_GT(statusOf(saveLogo(server, "", "1", "template", whole)), 0);

    StandinTestClient client(server);
    EXPECT_GT(client.postJson(savePath, { { "uuid", "D" } })["status"], 0); // not a multipart form
    EXPECT_TRUE(server.designIds("D").empty());
}

TEST(StandinDesigns, DesignsSurviveARestartAndDeletesPersist)
{
    QTemporaryDir data;
    const standin::Options options { data.path().toStdString(), 10 };
    std::vector<std::string> ids;
    {
        StandinServer server(options);
        ASSERT_GT(server.start(0), 0);
        StandinTestClient client(server);
        const nlohmann::json make
            = { { "uuid", "D" }, { "trade_id", 104 }, { "styles_ids", { 203 } }, { "contents_ids", { 1041 } } };
        ASSERT_EQ(client.postJson("/index.php/logo2/Ai_make", make)["status"], 0);
        ASSERT_EQ(client.postJson("/index.php/logo2/Ai_make", make)["status"], 0);
        ASSERT_EQ(statusOf(saveLogo(server, "D", "2", "template", standin::Gzip::compress(nonAsciiSvg))), 0);
        ids = server.designIds("D");
        ASSERT_EQ(ids.size(), 3u);
    }
    {
        StandinServer server(options);
        ASSERT_GT(server.start(0), 0);
        EXPECT_EQ(server.designIds("D"), ids);
        EXPECT_EQ(server.designSvg("D", ids[0]), nonAsciiSvg);
        StandinTestClient client(server);
        EXPECT_EQ(client.postJson(
                      "/index.php/logo2/Del_logo", { { "uuid", "D" }, { "item_id", std::stoi(ids[1]) } })["status"],
            0);
        EXPECT_GT(client.postJson(
                      "/index.php/logo2/Del_logo", { { "uuid", "other" }, { "item_id", std::stoi(ids[0]) } })["status"],
            0);
        // New ids never reuse those of earlier runs.
        ASSERT_EQ(statusOf(saveLogo(server, "D", "2", "template", standin::Gzip::compress(nonAsciiSvg))), 0);
        const auto now = server.designIds("D");
        ASSERT_EQ(now.size(), 3u);
        EXPECT_GT(std::stoi(now[0]), std::stoi(ids[0]));
    }
    StandinServer server(options);
    ASSERT_GT(server.start(0), 0);
    const auto last = server.designIds("D");
    EXPECT_EQ(std::count(last.begin(), last.end(), ids[1]), 0);
    EXPECT_EQ(last.size(), 3u);
}

TEST(StandinDesigns, UuidThatIsNotUtf8IsStoredAndSurvivesARestart)
{
    QTemporaryDir data;
    const standin::Options options { data.path().toStdString(), 10 };
    const std::string uuid = "dev\xff\xfe";
    {
        StandinServer server(options);
        ASSERT_GT(server.start(0), 0);
        ASSERT_EQ(statusOf(saveLogo(server, uuid, "1", "template", standin::Gzip::compress(nonAsciiSvg))), 0);
    }
    StandinServer server(options);
    ASSERT_GT(server.start(0), 0);
    const auto ids = server.designIds(uuid);
    ASSERT_EQ(ids.size(), 1u);
    EXPECT_EQ(server.designSvg(uuid, ids[0]), nonAsciiSvg);
}

TEST(StandinDesigns, UploadThatCannotBeListedLeavesNoFileBehind)
{
    QTemporaryDir data;
    const QString folder = data.path() + "/designs/D";
    // A folder where the list file should be makes writing the list fail.
    ASSERT_TRUE(QDir().mkpath(folder + "/designs.json"));
    StandinServer server(standin::Options { data.path().toStdString(), 10 });
    ASSERT_GT(server.start(0), 0);

    EXPECT_GT(statusOf(saveLogo(server, "D", "1", "template", standin::Gzip::compress(nonAsciiSvg))), 0);
    EXPECT_TRUE(QDir(folder).entryList({ "*.svg" }, QDir::Files).isEmpty());
    EXPECT_TRUE(server.designIds("D").empty());
}

TEST(StandinDesigns, StoredListOfWrongTypesLoadsWhatItCanAndIdsGrowPastInt)
{
    QTemporaryDir data;
    const QString folder = data.path() + "/designs/D";
    ASSERT_TRUE(QDir().mkpath(folder));
    const nlohmann::json list = { { "uuid", 5 },
        { "items",
            { { { "id", 2147483647 }, { "title", 12 }, { "hasTraits", "yes" }, { "revision", "x" },
                  { "industryId", 1e30 }, { "created", { 1 } } },
                { { "id", "abc" } }, { { "id", 1.5 } }, { { "id", -4 } }, "not a record",
                { { "title", "no id" } } } } };
    ASSERT_TRUE(writeFile(folder + "/designs.json", QByteArray::fromStdString(list.dump())));
    ASSERT_TRUE(writeFile(folder + "/2147483647.svg", nonAsciiSvg.data()));

    StandinServer server(standin::Options { data.path().toStdString(), 10 });
    ASSERT_GT(server.start(0), 0);
    EXPECT_EQ(server.designIds("D"), std::vector<std::string> { "2147483647" });

    const auto saved = saveLogo(server, "D", "1", "template", standin::Gzip::compress(nonAsciiSvg));
    ASSERT_EQ(statusOf(saved), 0);
    const auto reply = nlohmann::json::parse(saved->body);
    EXPECT_EQ(reply["data"]["item_id"], "2147483648");
    StandinTestClient client(server);
    const std::string svgUrl = reply["data"]["svg"];
    const auto served = client.get(svgUrl.substr(svgUrl.find("/static/")));
    ASSERT_TRUE(served);
    EXPECT_EQ(served->status, 200);
    EXPECT_EQ(served->body, nonAsciiSvg);
}

TEST(StandinDesigns, AnUnreadableListIsKeptAsideAndNoIdIsUsedTwice)
{
    QTemporaryDir data;
    const standin::Options options { data.path().toStdString(), 10 };
    const QString folder = data.path() + "/designs/D";
    const std::string gzipped = standin::Gzip::compress(nonAsciiSvg);
    std::vector<std::string> ids;
    {
        StandinServer server(options);
        ASSERT_GT(server.start(0), 0);
        ASSERT_EQ(statusOf(saveLogo(server, "D", "1", "template", gzipped)), 0);
        ASSERT_EQ(statusOf(saveLogo(server, "D", "1", "template", gzipped)), 0);
        ids = server.designIds("D");
        ASSERT_EQ(ids.size(), 2u);
        // The newest, with the largest id, goes.
        StandinTestClient client(server);
        ASSERT_EQ(client.postJson(
                      "/index.php/logo2/Del_logo", { { "uuid", "D" }, { "item_id", std::stoll(ids[0]) } })["status"],
            0);
    }
    QFile list(folder + "/designs.json");
    ASSERT_TRUE(list.open(QIODevice::WriteOnly | QIODevice::Truncate));
    list.write("{\"items\": [{\"id\": 1");
    list.close();

    StandinServer server(options);
    ASSERT_GT(server.start(0), 0);
    EXPECT_TRUE(server.designIds("D").empty());
    QFile aside(folder + "/designs.json.unreadable");
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), QByteArray("{\"items\": [{\"id\": 1"));

    ASSERT_EQ(statusOf(saveLogo(server, "D", "1", "template", standin::Gzip::compress("<svg/>"))), 0);
    const auto now = server.designIds("D");
    ASSERT_EQ(now.size(), 1u);
    EXPECT_GT(std::stoll(now[0]), std::stoll(ids[0]));
    QFile older(folder + "/" + QString::fromStdString(ids[1]) + ".svg");
    ASSERT_TRUE(older.open(QIODevice::ReadOnly));
    EXPECT_EQ(older.readAll().toStdString(), nonAsciiSvg);
}

TEST(StandinDesigns, UuidsCannotLeadOutsideTheDataFolder)
{
    QTemporaryDir data;
    const std::string hostile = "../../escaped";
    EXPECT_EQ(standin::DesignStore::userKey("8E1A-77"), "8E1A-77");
    const std::string key = standin::DesignStore::userKey(hostile);
    EXPECT_EQ(key.find('/'), std::string::npos);
    EXPECT_EQ(key.find(".."), std::string::npos);

    StandinServer server(standin::Options { data.path().toStdString() + "/inner", 10 });
    ASSERT_GT(server.start(0), 0);
    ASSERT_EQ(statusOf(saveLogo(server, hostile, "1", "template", standin::Gzip::compress(nonAsciiSvg))), 0);
    EXPECT_EQ(server.designIds(hostile).size(), 1u);
    EXPECT_TRUE(QDir(data.path() + "/inner/designs/" + QString::fromStdString(key)).exists());
    EXPECT_FALSE(QDir(data.path() + "/escaped").exists());
}

TEST(StandinDesigns, PictureUploadThroughThePresignedAddressBecomesTheFirstDesign)
{
    StandinServer server(standin::Options { "", 10 });
    ASSERT_GT(server.start(0), 0);
    StandinTestClient client(server);
    const auto upload = client.postJson("/index.php/logo2/Upload_pic", { { "uuid", "P" }, { "token", "T" } });
    const std::string prelink = upload["data"]["item"]["put_prelink"];
    const std::string itemId = upload["data"]["item"]["id"];
    ASSERT_EQ(prelink.rfind(server.baseUrl(), 0), 0u);
    const std::string target = prelink.substr(server.baseUrl().size());

    // A wrong signature, a passed expiry, a body over 8 MB, and a body that
    // does not decode as a PNG are refused.
    const std::string unsigned_ = target.substr(0, target.find('?'));
    EXPECT_EQ(client.raw().Put(unsigned_.c_str(), pngOfSize(8), "image/png")->status, 403);
    std::string expired = target;
    expired.replace(expired.find("expires=") + 8, expired.find('&') - expired.find("expires=") - 8, "1000");
    EXPECT_EQ(client.raw().Put(expired.c_str(), pngOfSize(8), "image/png")->status, 403);
    const std::string signatureAndZeros = std::string("\x89PNG\r\n\x1a\n", 8) + std::string(9 * 1024 * 1024, '\0');
    EXPECT_EQ(client.raw().Put(target.c_str(), signatureAndZeros, "image/png")->status, 413);
    EXPECT_EQ(client.raw().Put(target.c_str(), signatureAndZeros.substr(0, 4096), "image/png")->status, 400);
    EXPECT_EQ(client.raw().Put(target.c_str(), "not a png", "image/png")->status, 400);
    // Creating before the picture arrived fails.
    EXPECT_NE(client.postJson("/index.php/logo2/Create_pic", { { "uuid", "P" }, { "item_id", itemId } })["status"], 0);

    EXPECT_EQ(client.raw().Put(target.c_str(), pngOfSize(64), "image/png")->status, 200);
    EXPECT_NE(
        client.postJson("/index.php/logo2/Create_pic", { { "uuid", "other" }, { "item_id", itemId } })["status"], 0);
    const auto created = client.postJson("/index.php/logo2/Create_pic", { { "uuid", "P" }, { "item_id", itemId } });
    EXPECT_EQ(created["status"], 0);
    const auto ids = server.designIds("P");
    ASSERT_EQ(ids.size(), 1u);
    EXPECT_EQ(created["data"]["item"]["id"], ids[0]);
    EXPECT_NE(server.designSvg("P", ids[0])->find("data:image/png;base64,"), std::string::npos);
}

TEST(StandinDesigns, GzipRoundTripsAndRejectsDamagedStreams)
{
    const std::string text = nonAsciiSvg + std::string(100000, 'a');
    const std::string packed = standin::Gzip::compress(text);
    EXPECT_EQ(standin::Gzip::decompress(packed), text);
    EXPECT_FALSE(standin::Gzip::decompress(packed.substr(0, packed.size() - 9)));
    EXPECT_FALSE(standin::Gzip::decompress(text));
    EXPECT_FALSE(standin::Gzip::decompress(packed, 1000)); // larger than allowed
}
