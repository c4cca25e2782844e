// The design upload and the presigned PUT uploads, over real HTTP.

#include "api/APIFactory.h"
#include "api/APIProvider.h"
#include "api/APIToken.h"
#include "api/PresignedUpload.h"
#include "api/SaveAndUploadSVG.h"
#include "core/LanguageWords.h"
#include "core/ReplyLimits.h"
#include "globals/AppGlobals.h"
#include "support/StandinHarness.h"
#include "support/TestFiles.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <gtest/gtest.h>
#include <optional>

namespace {

using standin::Fault;

const std::string saveLogoPath = "/index.php/logo2/Save_logo_file";

class Uploads : public SharedStandinTest {
protected:
    void SetUp() override
    {
        SharedStandinTest::SetUp();
        // Temporary files of the save go under a folder of this test alone.
        ASSERT_TRUE(m_tempRoot.isValid());
        m_savedTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(m_tempRoot.path()));
    }

    void TearDown() override
    {
        qputenv("TMPDIR", m_savedTmp);
        APIProvider::shared().setTimeout(APIProvider::defaultTimeout);
        APIProvider::shared().setUploadTimeout(APIProvider::defaultUploadTimeout);
        ReplyLimits::restoreDefaults();
    }

    QStringList leftoverFiles() const
    {
        QStringList files;
        QDir root(m_tempRoot.path());
        for (const QString& entry : root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
            files << entry;
        return files;
    }

    // Runs one save; gives the completion values it received.
    static std::vector<bool> save(const QString& itemId, const QByteArray& svg, const QString& kind)
    {
        auto results = std::make_shared<std::vector<bool>>();
        saveAndUploadSVG(
            itemId, QString::fromLatin1(svg.toBase64()), kind, [results](bool saved) { results->push_back(saved); });
        waitUntil([&] { return !results->empty(); }, 8000);
        pumpEvents(100);
        return *results;
    }

    // A presigned address from the server's own picture upload.
    static QUrl presignedAddress()
    {
        std::optional<QUrl> url;
        uploadPic([&](const UploadPicModel& m) { url = QUrl(m.data.item.put_prelink); }, [&] { url = QUrl(); });
        waitUntil([&] { return url.has_value(); });
        return url.value_or(QUrl());
    }

    struct PutOutcome {
        int successes = 0;
        int failures = 0;
    };

    template <class Upload> static PutOutcome put(Upload upload)
    {
        auto outcome = std::make_shared<PutOutcome>();
        upload([outcome] { ++outcome->successes; }, [outcome] { ++outcome->failures; });
        waitUntil([&] { return outcome->successes + outcome->failures > 0; }, 8000);
        pumpEvents(100);
        return *outcome;
    }

    static QImage picture()
    {
        QImage image(64, 48, QImage::Format_ARGB32);
        image.fill(QColor(30, 120, 200));
        return image;
    }

private:
    QTemporaryDir m_tempRoot;
    QByteArray m_savedTmp;
};

const QByteArray unicodeSvg
    = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"460\" height=\"460\">"
                     "<text x=\"20\" y=\"60\" font-family=\"DejaVu Sans\">Café Lune — 月光咖啡 ✨ «ÆØÅ»</text></svg>")
          .toUtf8();

} // namespace

TEST_F(Uploads, SavedSvgArrivesByteForByteAsANewDesign)
{
    const std::string uuid = deviceUUID().toStdString();
    const auto before = server().designIds(uuid);
    testing::internal::CaptureStdout();
    const auto results = save(QStringLiteral("1"), unicodeSvg, QStringLiteral("template"));
    const std::string out = testing::internal::GetCapturedStdout();
    ASSERT_EQ(results, std::vector<bool> { true });

    const auto after = server().designIds(uuid);
    ASSERT_EQ(after.size(), before.size() + 1);
    std::string added;
    for (const std::string& id : after) {
        if (std::find(before.begin(), before.end(), id) == before.end())
            added = id;
    }
    EXPECT_EQ(server().designSvg(uuid, added), unicodeSvg.toStdString());

    const auto requests = server().requestsTo("/logo2/Save_logo_file");
    ASSERT_EQ(requests.size(), 1u);
    const nlohmann::json& form = requests.front().body;
    EXPECT_EQ(form["uuid"], uuid);
    EXPECT_EQ(form["token"], apiToken().toStdString());
    EXPECT_EQ(form["item_id"], "1");
    EXPECT_EQ(form["from"], "template");
    EXPECT_EQ(form["lang"], apiLanguageNameFor(currentLanguage()).toStdString());
    EXPECT_EQ(form["filename"]["filename"], "big_orig.svg.gz");
    EXPECT_EQ(form["filename"]["content_type"], "application/gzip");

    for (const char* line : { "SVG 文件写入成功\n", "文件 gzip 压缩成功\n", "EditLogoView item_id3 = 1\n",
             "EditLogoView from = template\n", "上传成功\n" })
        EXPECT_NE(out.find(line), std::string::npos) << line;
    EXPECT_NE(out.find("文件 'tempOriginal.svg.gz' 的大小为: "), std::string::npos);
    EXPECT_TRUE(leftoverFiles().isEmpty()) << leftoverFiles().join(", ").toStdString();
    EXPECT_FALSE(isSaveAndUploadInFlight());
}

TEST_F(Uploads, SavingOneOfMyDesignsReplacesItsSvg)
{
    const std::string uuid = deviceUUID().toStdString();
    ASSERT_EQ(save(QStringLiteral("1"), unicodeSvg, QStringLiteral("template")), std::vector<bool> { true });
    const std::string id = server().designIds(uuid).front();
    const auto count = server().designIds(uuid).size();

    // The canvas may percent-escape the text; the stored SVG is the plain one.
    const QByteArray escaped = QUrl::toPercentEncoding(QString::fromUtf8(unicodeSvg), "=\" /:.");
    ASSERT_EQ(save(QString::fromStdString(id), escaped, QStringLiteral("design")), std::vector<bool> { true });
    EXPECT_EQ(server().designIds(uuid).size(), count);
    EXPECT_EQ(server().designSvg(uuid, id), unicodeSvg.toStdString());
    EXPECT_TRUE(leftoverFiles().isEmpty());
}

TEST_F(Uploads, AFailedSaveOfMyDesignLeavesTheServersCopyAsItWas)
{
    const std::string uuid = deviceUUID().toStdString();
    ASSERT_EQ(save(QStringLiteral("1"), unicodeSvg, QStringLiteral("template")), std::vector<bool> { true });
    const std::string id = server().designIds(uuid).front();
    const QByteArray changed = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\"/>";
    for (Fault fault : { Fault::Http500, Fault::Http403, Fault::NotJson, Fault::Drop }) {
        SCOPED_TRACE(static_cast<int>(fault));
        server().setFault(saveLogoPath, fault);
        EXPECT_EQ(save(QString::fromStdString(id), changed, QStringLiteral("design")), std::vector<bool> { false });
        EXPECT_EQ(server().designSvg(uuid, id), unicodeSvg.toStdString());
    }
}

TEST_F(Uploads, RejectedRepliesAndLostConnectionsReportFailure)
{
    const std::vector<std::pair<int, std::string>> replies {
        { 200, R"({"status":1,"msg":"rejected"})" },
        { 200, R"({"status":-1})" },
        { 200, R"({"status":"0"})" },
        { 200, R"({"msg":"no status"})" },
        { 200, R"([0])" },
        { 200, R"(0)" },
        { 200, R"({"status":false})" },
        { 500, R"({"status":0})" },
    };
    for (const auto& [status, body] : replies) {
        SCOPED_TRACE(body);
        server().setReply(saveLogoPath, status, body);
        EXPECT_EQ(save(QStringLiteral("1"), unicodeSvg, QStringLiteral("template")), std::vector<bool> { false });
        EXPECT_TRUE(leftoverFiles().isEmpty());
    }
    server().clearReplies();

    // None of these stores the design, the delayed one only after the save has given up.
    const std::string uuid = deviceUUID().toStdString();
    const size_t designs = server().designIds(uuid).size();
    APIProvider::shared().setUploadTimeout(std::chrono::milliseconds(400));
    for (Fault fault : { Fault::NotJson, Fault::Http500, Fault::Http403, Fault::Drop, Fault::Delay }) {
        SCOPED_TRACE(static_cast<int>(fault));
        server().setFault(saveLogoPath, fault, 1500);
        EXPECT_EQ(save(QStringLiteral("1"), unicodeSvg, QStringLiteral("template")), std::vector<bool> { false });
        EXPECT_TRUE(leftoverFiles().isEmpty());
    }
    EXPECT_FALSE(isSaveAndUploadInFlight());
    // The later tests start once the delayed save has landed.
    EXPECT_TRUE(waitUntil([&] { return server().designIds(uuid).size() == designs + 1; }));
}

TEST_F(Uploads, ASaveMayTakeLongerThanOtherRequests)
{
    APIProvider::shared().setTimeout(std::chrono::milliseconds(300));
    server().setFault(saveLogoPath, Fault::Delay, 1000);
    EXPECT_EQ(save(QStringLiteral("1"), unicodeSvg, QStringLiteral("template")), std::vector<bool> { true });
    EXPECT_EQ(server().requestsTo(saveLogoPath).size(), 1u);
}

TEST_F(Uploads, AnUnansweredSaveIsReportedAsTheServerHoldsIt)
{
    const std::string uuid = deviceUUID().toStdString();
    ASSERT_EQ(save(QStringLiteral("1"), unicodeSvg, QStringLiteral("template")), std::vector<bool> { true });
    const QString saved = QString::fromStdString(server().designIds(uuid).front());
    struct Case {
        const char* name;
        QString itemId;
        QString kind;
        std::vector<std::pair<std::string, Fault>> faults;
        bool reported;
        int newDesigns;
    };
    const QString design = QStringLiteral("design");
    const QString fromTemplate = QStringLiteral("template");
    // The stand-in stores the design and then answers with a reply of the wrong types.
    const Case cases[] = {
        { "new design stored, reply unreadable", "1", fromTemplate, { { saveLogoPath, Fault::WrongTypes } }, true, 1 },
        { "update stored, reply unreadable", saved, design, { { saveLogoPath, Fault::WrongTypes } }, true, 0 },
        { "new design not stored, connection dropped", "1", fromTemplate, { { saveLogoPath, Fault::Drop } }, false, 0 },
        { "stored, but its file cannot be read", "1", fromTemplate,
            { { saveLogoPath, Fault::WrongTypes }, { "/static/designs/*", Fault::Http500 } }, false, 1 },
        { "stored, but the list cannot be had", saved, design,
            { { saveLogoPath, Fault::WrongTypes }, { "/index.php/logo2/Get_design_list", Fault::Http500 } }, false, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        server().clearFaults();
        server().clearRequests();
        const QByteArray svg
            = QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"><desc>") + c.name + "</desc></svg>";
        const size_t before = server().designIds(uuid).size();
        for (const auto& [path, fault] : c.faults)
            server().setFault(path, fault);
        EXPECT_EQ(save(c.itemId, svg, c.kind), std::vector<bool> { c.reported });
        EXPECT_EQ(server().requestsTo(saveLogoPath).size(), 1u);
        EXPECT_EQ(server().designIds(uuid).size(), before + size_t(c.newDesigns));
        EXPECT_TRUE(leftoverFiles().isEmpty());
        EXPECT_FALSE(isSaveAndUploadInFlight());
    }
}

TEST_F(Uploads, UndecodableSvgFailsAtOnceWithoutWritingOrSending)
{
    for (const QString& base64 : { QString::fromLatin1(unicodeSvg.toBase64()) + QLatin1Char('\n'),
             QStringLiteral("not base64!"), QString::fromLatin1(QByteArray("\xff\xfe<svg/>").toBase64()),
             QString::fromLatin1(QByteArray("<svg>%zz</svg>").toBase64()) }) {
        std::vector<bool> results;
        testing::internal::CaptureStdout();
        saveAndUploadSVG(
            QStringLiteral("1"), base64, QStringLiteral("template"), [&](bool saved) { results.push_back(saved); });
        const std::string out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(results, std::vector<bool> { false }) << "reported before returning";
        EXPECT_TRUE(
            out.find("Base64 解码失败") != std::string::npos || out.find("SVG字符串解码失败") != std::string::npos);
        EXPECT_TRUE(leftoverFiles().isEmpty());
    }
    pumpEvents(100);
    EXPECT_TRUE(server().requestsTo("/logo2/Save_logo_file").empty());
}

TEST_F(Uploads, ASecondSaveWhileOneIsInFlightIsRefused)
{
    server().setFault(saveLogoPath, Fault::Delay, 400);
    std::vector<bool> first;
    std::vector<bool> second;
    saveAndUploadSVG(QStringLiteral("1"), QString::fromLatin1(unicodeSvg.toBase64()), QStringLiteral("template"),
        [&](bool saved) { first.push_back(saved); });
    EXPECT_TRUE(isSaveAndUploadInFlight());
    // The files live in a private folder of their own, never in the temporary root.
    const QStringList during = leftoverFiles();
    ASSERT_EQ(during.size(), 1);
    EXPECT_TRUE(during.front().startsWith(QStringLiteral("tessaly-save-")));
    EXPECT_EQ(QDir(QDir::tempPath() + QLatin1Char('/') + during.front()).entryList(QDir::Files),
        QStringList({ QStringLiteral("tempOriginal.svg"), QStringLiteral("tempOriginal.svg.gz") }));
    saveAndUploadSVG(QStringLiteral("1"), QString::fromLatin1(unicodeSvg.toBase64()), QStringLiteral("template"),
        [&](bool saved) { second.push_back(saved); });
    EXPECT_EQ(second, std::vector<bool> { false });
    ASSERT_TRUE(waitUntil([&] { return !first.empty(); }, 8000));
    EXPECT_EQ(first, std::vector<bool> { true });
    EXPECT_EQ(server().requestsTo("/logo2/Save_logo_file").size(), 1u);

    server().clearFaults();
    EXPECT_EQ(save(QStringLiteral("1"), unicodeSvg, QStringLiteral("template")), std::vector<bool> { true });
    EXPECT_TRUE(leftoverFiles().isEmpty());
}

TEST_F(Uploads, PresignedPngPutSucceedsOnlyOn200)
{
    const QUrl address = presignedAddress();
    ASSERT_TRUE(address.isValid());
    const auto stored = put([&](auto s, auto f) { uploadPNGToPresignedURL(picture(), address, s, f); });
    EXPECT_EQ(stored.successes, 1);
    EXPECT_EQ(stored.failures, 0);
    const auto puts = server().requestsTo(address.path().toStdString());
    ASSERT_FALSE(puts.empty());
    EXPECT_EQ(puts.back().method, "PUT");
    EXPECT_EQ(puts.back().headers.at("Content-Type"), "image/png");

    QUrl tampered = address;
    QUrlQuery query(tampered);
    query.removeQueryItem(QStringLiteral("signature"));
    query.addQueryItem(QStringLiteral("signature"), QStringLiteral("forged"));
    tampered.setQuery(query);
    const auto forbidden = put([&](auto s, auto f) { uploadPNGToPresignedURL(picture(), tampered, s, f); });
    EXPECT_EQ(forbidden.failures, 1);
    EXPECT_EQ(forbidden.successes, 0);

    const std::string path = address.path().toStdString();
    for (int status : { 201, 204 }) {
        server().setReply(path, status, "", "text/plain");
        const auto created = put([&](auto s, auto f) { uploadPNGToPresignedURL(picture(), address, s, f); });
        EXPECT_EQ(created.failures, 1) << status;
    }
    server().clearReplies();
    server().setFault(path, Fault::Drop);
    const auto dropped = put([&](auto s, auto f) { uploadPNGToPresignedURL(picture(), address, s, f); });
    EXPECT_EQ(dropped.failures, 1);
    EXPECT_EQ(dropped.successes, 0);
}

TEST_F(Uploads, PresignedPngPutCallsBackOnceAndNothingAfterItsContextIsGone)
{
    const QUrl address = presignedAddress();
    const std::string path = address.path().toStdString();
    server().clearRequests();
    int calls = 0;
    auto count = [&] { ++calls; };
    {
        QObject context;
        uploadPNGToPresignedURL(picture(), address, count, count, &context);
        ASSERT_TRUE(waitUntil([&] { return calls > 0; }, 8000));
        pumpEvents(200);
        EXPECT_EQ(calls, 1);
    }
    EXPECT_EQ(server().requestsTo(path).size(), 1u);

    // The context goes while the picture is being encoded: no request, no callback.
    calls = 0;
    auto context = std::make_unique<QObject>();
    uploadPNGToPresignedURL(picture(), address, count, count, context.get());
    context.reset();
    pumpEvents(400);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(server().requestsTo(path).size(), 1u);
}

TEST_F(Uploads, PresignedSvgPutsSendTheBytesAsSvg)
{
    const QUrl address = presignedAddress();
    const std::string path = address.path().toStdString();
    server().setReply(path, 200, "", "text/plain");

    const auto fromData = put([&](auto s, auto f) {
        uploadSVGDataToPresignedURL(QString::fromLatin1(unicodeSvg.toBase64()), address, s, f);
    });
    EXPECT_EQ(fromData.successes, 1);
    const auto fromText
        = put([&](auto s, auto f) { uploadSVGStringToPresignedURL(QString::fromUtf8(unicodeSvg), address, s, f); });
    EXPECT_EQ(fromText.successes, 1);
    const auto puts = server().requestsTo(path);
    ASSERT_EQ(puts.size(), 2u);
    for (const auto& request : puts) {
        EXPECT_EQ(request.rawBody, unicodeSvg.toStdString());
        EXPECT_EQ(request.headers.at("Content-Type"), "image/svg+xml");
    }

    server().setReply(path, 403, "denied", "text/plain");
    EXPECT_EQ(
        put([&](auto s, auto f) { uploadSVGStringToPresignedURL(QStringLiteral("<svg/>"), address, s, f); }).failures,
        1);
}

TEST_F(Uploads, InputThatCannotBeSentFailsAtOnce)
{
    const QUrl address = presignedAddress();
    server().clearRequests();
    int failures = 0;
    auto failed = [&] { ++failures; };
    uploadPNGToPresignedURL(
        QImage(), address, [] { ADD_FAILURE(); }, failed);
    uploadSVGDataToPresignedURL(
        QStringLiteral("PHN2Zz4=\n"), address, [] { ADD_FAILURE(); }, failed);
    const QChar loneSurrogate(char16_t(0xD800));
    uploadSVGStringToPresignedURL(
        QStringLiteral("<svg>") + loneSurrogate, address, [] { ADD_FAILURE(); }, failed);
    EXPECT_EQ(failures, 3);
    pumpEvents(100);
    EXPECT_TRUE(server().requests().empty());
}

TEST_F(Uploads, OnlyAWebAddressWithAHostReceivesAnUpload)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("keep.txt"));
    ASSERT_TRUE(writeFile(path, "keep me"));

    int failures = 0;
    auto failed = [&] { ++failures; };
    const QList<QUrl> addresses { QUrl::fromLocalFile(path), QUrl(QStringLiteral("ftp://127.0.0.1/upload/1.png")),
        QUrl(QStringLiteral("http:///upload/1.png")), QUrl(QStringLiteral("/upload/1.png")), QUrl() };
    for (const QUrl& address : addresses) {
        uploadPNGToPresignedURL(
            picture(), address, [] { ADD_FAILURE(); }, failed);
        uploadSVGStringToPresignedURL(
            QStringLiteral("<svg/>"), address, [] { ADD_FAILURE(); }, failed);
    }
    EXPECT_EQ(failures, 2 * addresses.size()) << "reported before returning";
    pumpEvents(100);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("keep me"));
    EXPECT_TRUE(server().requests().empty());
}

TEST_F(Uploads, ADroppedConnectionSendsEachUploadOnce)
{
    const QUrl address = presignedAddress();
    // Leave a kept-alive connection behind, as a running application has.
    ASSERT_EQ(put([&](auto s, auto f) { uploadPNGToPresignedURL(picture(), address, s, f); }).successes, 1);
    server().clearRequests();

    server().setFault(address.path().toStdString(), Fault::Drop);
    EXPECT_EQ(put([&](auto s, auto f) { uploadPNGToPresignedURL(picture(), address, s, f); }).failures, 1);
    EXPECT_EQ(server().requestsTo(address.path().toStdString()).size(), 1u);

    ASSERT_EQ(save(QStringLiteral("1"), unicodeSvg, QStringLiteral("template")), std::vector<bool> { true });
    server().clearRequests();
    server().setFault(saveLogoPath, Fault::Drop);
    EXPECT_EQ(save(QStringLiteral("1"), unicodeSvg, QStringLiteral("template")), std::vector<bool> { false });
    EXPECT_EQ(server().requestsTo(saveLogoPath).size(), 1u);
}

// Replies to uploads that never end, or come a byte every 100 ms, stop at
// the limits (here 256 KiB and one second) and end the upload in one call.
TEST_F(Uploads, EndlessAndTricklingRepliesEndEachUploadOnce)
{
    ReplyLimits::setBoundsFor(ReplyKind::Upload, { 256 * 1024, std::chrono::milliseconds(1000) });
    const QUrl address = presignedAddress();
    server().setFault(address.path().toStdString(), Fault::Endless, 20);
    const auto endless = put([&](auto s, auto f) { uploadPNGToPresignedURL(picture(), address, s, f); });
    EXPECT_EQ(endless.failures, 1);
    EXPECT_EQ(endless.successes, 0);

    for (const auto& [fault, ms] : { std::pair { Fault::Endless, 20 }, { Fault::Trickle, 100 } }) {
        server().setFault(saveLogoPath, fault, ms);
        EXPECT_EQ(save(QStringLiteral("1"), unicodeSvg, QStringLiteral("template")).size(), 1u);
        EXPECT_TRUE(leftoverFiles().isEmpty());
    }
    EXPECT_FALSE(isSaveAndUploadInFlight());
}
