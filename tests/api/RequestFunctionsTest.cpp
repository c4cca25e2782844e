// Every request function against the stand-in server over real HTTP: what it
// sends, what it decodes, and that each failure ends in exactly one callback.

#include "api/APIFactory.h"
#include "api/APIProvider.h"
#include "api/APIToken.h"
#include "api/RequestSender.h"
#include "core/Configs.h"
#include "core/LanguageWords.h"
#include "core/Localization.h"
#include "core/ReplyLimits.h"
#include "globals/AppGlobals.h"
#include "globals/ModelGlobals.h"
#include "support/StandinHarness.h"
#include "support/TestSupport.h"

#include <QDateTime>
#include <QTcpServer>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>

namespace {

using standin::Fault;

struct Outcome {
    int successes = 0;
    int failures = 0;
    int total() const { return successes + failures; }
};

template <class Model> SuccessCallBack<Model> countSuccess(const std::shared_ptr<Outcome>& outcome)
{
    return [outcome](const Model&) { ++outcome->successes; };
}

FailureCallBack countFailure(const std::shared_ptr<Outcome>& outcome)
{
    return [outcome] { ++outcome->failures; };
}

struct Operation {
    const char* name;
    std::string path;
    std::function<void(const std::shared_ptr<Outcome>&)> send;
    // The body it must send, "timestamp" aside (checked separately).
    std::function<nlohmann::json()> expectedBody;
    bool sendsTimestamp = false;
};

template <class Model, class Function> std::function<void(const std::shared_ptr<Outcome>&)> caller(Function function)
{
    return [function](const std::shared_ptr<Outcome>& outcome) {
        function(countSuccess<Model>(outcome), countFailure(outcome));
    };
}

std::string uuid()
{
    return deviceUUID().toStdString();
}

std::string lang()
{
    return apiLanguageNameFor(currentLanguage()).toStdString();
}

std::vector<Operation> operations()
{
    return {
        { "getDiscorysList", "/index.php/Get_discorys_list",
            caller<DiscorysModel>([](auto s, auto f) { getDiscorysList(0, 20, s, f); }),
            [] {
                return nlohmann::json { { "uuid", uuid() }, { "page_no", 0 }, { "page_len", 20 }, { "lang", lang() } };
            } },
        { "getDesignList", "/index.php/logo2/Get_design_list",
            caller<DesignListModel>([](auto s, auto f) { getDesignList(s, f); }),
            [] {
                return nlohmann::json { { "uuid", uuid() }, { "lang", lang() } };
            } },
        { "getDetailsList", "/index.php/Get_details_list",
            caller<DetailsListModel>([](auto s, auto f) { getDetailsList(1, s, f); }),
            [] {
                return nlohmann::json { { "uuid", uuid() }, { "item_id", 1 }, { "lang", lang() } };
            } },
        { "getDesignDetail", "/index.php/logo2/Get_design_detail",
            caller<DetailsListModel>([](auto s, auto f) { getDesignDetail(2, s, f); }),
            [] {
                return nlohmann::json { { "uuid", uuid() }, { "item_id", 2 }, { "lang", lang() } };
            } },
        { "makeStep1", "/index.php/Step1", caller<Step1Model>([](auto s, auto f) { makeStep1(s, f); }),
            [] {
                return nlohmann::json { { "uuid", uuid() }, { "lang", lang() } };
            } },
        { "makeStep2", "/index.php/Step2", caller<Step2Model>([](auto s, auto f) { makeStep2(s, f); }),
            [] {
                return nlohmann::json { { "uuid", uuid() }, { "lang", lang() } };
            } },
        { "makeStep3", "/index.php/Step3", caller<Step3Model>([](auto s, auto f) { makeStep3(3, s, f); }),
            [] {
                return nlohmann::json { { "uuid", uuid() }, { "trade_id", 3 }, { "lang", lang() } };
            } },
        { "makeAiMake", "/index.php/logo2/Ai_make",
            caller<AiMakeModel>([](auto s, auto f) { makeAiMake(1, { 2 }, { -1 }, QStringLiteral("free"), s, f); }),
            [] {
                return nlohmann::json { { "uuid", uuid() }, { "trade_id", 1 }, { "styles_ids", { 2 } },
                    { "contents_ids", { -1 } }, { "pay_type", "free" }, { "lang", lang() },
                    { "token", apiToken().toStdString() }, { "AI_type", configModel().data.AI_type.toStdString() } };
            } },
        { "makeFreeAiGet", "/index.php/Free_ai_get",
            caller<FreeAiGetModel>([](auto s, auto f) { makeFreeAiGet(s, f); }),
            [] {
                return nlohmann::json { { "uuid", uuid() }, { "lang", lang() } };
            } },
        { "miscGetConfig", "/index.php/logo2/Get_config",
            caller<GetConfigModel>([](auto s, auto f) { miscGetConfig(s, f); }),
            [] {
                return nlohmann::json { { "uuid", uuid() }, { "lang", lang() } };
            } },
        { "userBindUser", "/index.php/Bind_user", caller<BindUserModel>([](auto s, auto f) {
             userBindUser(QStringLiteral("Ann Lee"), QStringLiteral("ann@example.org"), s, f);
         }),
            [] {
                return nlohmann::json { { "uuid", uuid() }, { "name", "Ann Lee" }, { "email", "ann@example.org" },
                    { "lang", lang() } };
            } },
        { "delLogo", "/index.php/logo2/Del_logo",
            // An id beyond 32 bits goes out whole.
            caller<DetailsListModel>([](auto s, auto f) { delLogo(8589934593, s, f); }),
            [] {
                return nlohmann::json { { "uuid", uuid() }, { "item_id", 8589934593 }, { "lang", lang() } };
            } },
        { "getFontList", "/index.php/logo2/GetRemoteFonts",
            caller<ResourceFontListModel>([](auto s, auto f) { getFontList(s, f); }),
            [] {
                return nlohmann::json { { "uuid", uuid() },
                    { "lang", fontScriptClassFor(currentLanguage()).toStdString() } };
            } },
        { "getResourceShape", "/index.php/logo2/GetShapeType",
            caller<ResourceShapeModel>([](auto s, auto f) { getResourceShape(s, f); }),
            [] {
                return nlohmann::json { { "uuid", uuid() }, { "lang", lang() } };
            } },
        { "getResourceImages", "/index.php/logo2/GetShape",
            caller<ResourceImagesModel>([](auto s, auto f) { getResourceImages(4, 0, 1000, s, f); }),
            [] {
                return nlohmann::json { { "uuid", uuid() }, { "type", 4 }, { "page", 0 }, { "count", 1000 } };
            } },
        { "getResourceBg", "/index.php/logo2/GetBackground",
            caller<ResourceBgModel>([](auto s, auto f) { getResourceBg(s, f); }),
            [] {
                return nlohmann::json { { "uuid", uuid() }, { "lang", lang() } };
            } },
        { "uploadPic", "/index.php/logo2/Upload_pic", caller<UploadPicModel>([](auto s, auto f) { uploadPic(s, f); }),
            [] {
                return nlohmann::json { { "uuid", uuid() }, { "token", apiToken().toStdString() }, { "lang", lang() } };
            },
            true },
        { "createPic", "/index.php/logo2/Create_pic",
            caller<UploadPicModel>([](auto s, auto f) { createPic(QStringLiteral("p-1"), s, f); }),
            [] {
                return nlohmann::json { { "uuid", uuid() }, { "item_id", "p-1" },
                    { "token", apiToken().toStdString() } };
            },
            true },
        { "checkUpdate", "/update/index.php/v1/ty/check_update",
            caller<CheckUpdateModel>([](auto s, auto f) { checkUpdate(s, f); }),
            [] {
                return nlohmann::json { { "uid", uuid() }, { "version", appVersion().toStdString() }, { "os", "mac" },
                    { "lang", languageCodeFor(currentLanguage()).toStdString() } };
            } },
        { "backupv1design", "/index.php/logo2/Backup_v1_design",
            caller<SaveLogoModel>([](auto s, auto f) { backupv1design(s, f); }),
            [] {
                return nlohmann::json { { "uuid", uuid() }, { "token", apiToken().toStdString() }, { "lang", lang() } };
            },
            true },
    };
}

class RequestFunctions : public SharedStandinTest {
protected:
    void TearDown() override
    {
        APIProvider::shared().setTimeout(APIProvider::defaultTimeout);
        ReplyLimits::restoreDefaults();
    }

    // Sends every operation at once and waits until each has ended.
    static std::vector<std::shared_ptr<Outcome>> sendAll(const std::vector<Operation>& all, int timeoutMs = 8000)
    {
        std::vector<std::shared_ptr<Outcome>> outcomes;
        for (const Operation& operation : all) {
            outcomes.push_back(std::make_shared<Outcome>());
            operation.send(outcomes.back());
        }
        waitUntil(
            [&] { return std::all_of(outcomes.begin(), outcomes.end(), [](const auto& o) { return o->total() > 0; }); },
            timeoutMs);
        pumpEvents(150); // a second callback would arrive here
        return outcomes;
    }

    static std::shared_ptr<Outcome> sendOne(const Operation& operation) { return sendAll({ operation }).front(); }

    static Operation byName(const std::string& name)
    {
        for (const Operation& operation : operations()) {
            if (name == operation.name)
                return operation;
        }
        ADD_FAILURE() << "no operation " << name;
        return {};
    }
};

} // namespace

TEST_F(RequestFunctions, SendPathHeadersAndParameters)
{
    for (const Operation& operation : operations()) {
        SCOPED_TRACE(operation.name);
        server().clearRequests();
        const qint64 before = QDateTime::currentSecsSinceEpoch();
        const auto outcome = sendOne(operation);
        const qint64 after = QDateTime::currentSecsSinceEpoch();
        EXPECT_EQ(outcome->total(), 1);

        const auto requests = server().requests();
        ASSERT_EQ(requests.size(), 1u);
        const standin::RecordedRequest& request = requests.front();
        EXPECT_EQ(request.method, "POST");
        EXPECT_EQ(request.path, operation.path);
        auto header = [&](const std::string& name) {
            for (const auto& [key, value] : request.headers) {
                if (QString::fromStdString(key).compare(QString::fromStdString(name), Qt::CaseInsensitive) == 0)
                    return value;
            }
            return std::string();
        };
        EXPECT_EQ(header("Content-Type"), "application/x-www-form-urlencoded");
        EXPECT_EQ(header("platform"), "ios");

        nlohmann::json body = nlohmann::json::parse(request.rawBody);
        if (operation.sendsTimestamp) {
            ASSERT_TRUE(body.contains("timestamp") && body["timestamp"].is_number_integer());
            EXPECT_GE(body["timestamp"].get<qint64>(), before);
            EXPECT_LE(body["timestamp"].get<qint64>(), after);
            body.erase("timestamp");
        }
        EXPECT_EQ(body, operation.expectedBody());
        EXPECT_EQ(request.rawBody, nlohmann::ordered_json::parse(request.rawBody).dump()) << "compact JSON expected";
    }
}

TEST_F(RequestFunctions, EveryOperationSucceedsAgainstTheStandIn)
{
    const auto all = operations();
    const auto outcomes = sendAll(all);
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(outcomes[i]->successes, 1) << all[i].name;
        EXPECT_EQ(outcomes[i]->failures, 0) << all[i].name;
    }
}

TEST_F(RequestFunctions, ADelayShorterThanTheTimeOutStillSucceeds)
{
    APIProvider::shared().setTimeout(std::chrono::milliseconds(4000));
    const auto all = operations();
    for (const Operation& operation : all)
        server().setFault(operation.path, Fault::Delay, 300);
    const auto outcomes = sendAll(all);
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(outcomes[i]->successes, 1) << all[i].name;
        EXPECT_EQ(outcomes[i]->failures, 0) << all[i].name;
    }
}

// Runs every request function under every fault kind of the stand-in and
// prints the table of outcomes. The limits are shortened: replies stop past
// 256 KiB or 1.5 s, and the idle time-out is 400 ms, which neither a trickle
// of a byte every 50 ms nor an endless body ever trips.
TEST_F(RequestFunctions, EveryFaultKindEndsInExactlyOneCallback)
{
    APIProvider::shared().setTimeout(std::chrono::milliseconds(400));
    ReplyLimits::setBoundsFor(ReplyKind::Json, { 256 * 1024, std::chrono::milliseconds(1500) });
    struct Row {
        const char* name;
        Fault fault;
        int ms;
        bool alwaysFails;
    };
    // Nested is a small reply of arrays nested 32,000 deep; wrong types may
    // still decode, as every field keeps its default.
    const Row rows[] = { { "http500", Fault::Http500, 0, true }, { "http403", Fault::Http403, 0, true },
        { "notjson", Fault::NotJson, 0, true }, { "wrongtypes", Fault::WrongTypes, 0, false },
        { "delay", Fault::Delay, 2500, true }, { "drop", Fault::Drop, 0, true }, { "nested", Fault::Nested, 0, true },
        { "endless", Fault::Endless, 20, true }, { "trickle", Fault::Trickle, 50, true } };
    const auto all = operations();
    std::vector<std::string> table(all.size());
    std::string header = "| request function |";
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        header += std::string(" ") + row.name + " |";
        server().clearFaults();
        for (const Operation& operation : all)
            server().setFault(operation.path, row.fault, row.ms);
        const auto outcomes = sendAll(all, 5000);
        for (std::size_t i = 0; i < all.size(); ++i) {
            EXPECT_EQ(outcomes[i]->total(), 1) << all[i].name;
            if (row.alwaysFails) {
                EXPECT_EQ(outcomes[i]->failures, 1) << all[i].name;
            }
            table[i] += outcomes[i]->total() != 1 ? " NOT ONE CALLBACK |"
                : outcomes[i]->successes == 1     ? " success |"
                                                  : " failure |";
        }
    }
    std::cout << header << "\n";
    for (std::size_t i = 0; i < all.size(); ++i)
        std::cout << "| " << all[i].name << " |" << table[i] << "\n";
}

TEST_F(RequestFunctions, RequestsThatChangeDataReachTheServerOnceWhenTheConnectionDrops)
{
    for (const char* name :
        { "makeAiMake", "makeFreeAiGet", "userBindUser", "delLogo", "uploadPic", "createPic", "backupv1design" }) {
        SCOPED_TRACE(name);
        const Operation operation = byName(name);
        // Qt resends at most twice over a connection until a reply succeeds on it.
        server().clearFaults();
        EXPECT_EQ(sendOne(operation)->successes, 1);
        server().clearRequests();
        server().setFault(operation.path, Fault::Drop);
        const auto outcome = sendOne(operation);
        EXPECT_EQ(outcome->failures, 1);
        EXPECT_EQ(outcome->successes, 0);
        EXPECT_EQ(server().requestsTo(operation.path).size(), 1u);
    }
}

TEST_F(RequestFunctions, RefusedConnectionEndsInTheFailureCallback)
{
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const QString closed = QStringLiteral("http://127.0.0.1:%1").arg(probe.serverPort());
    probe.close();
    const QString api = Configs::Network::apiBaseURL;
    const QString update = Configs::Network::updateBaseURL;
    Configs::Network::apiBaseURL = closed + QStringLiteral("/index.php");
    Configs::Network::updateBaseURL = closed + QStringLiteral("/update/index.php");
    const auto all = operations();
    const auto outcomes = sendAll(all);
    Configs::Network::apiBaseURL = api;
    Configs::Network::updateBaseURL = update;
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(outcomes[i]->failures, 1) << all[i].name;
        EXPECT_EQ(outcomes[i]->successes, 0) << all[i].name;
    }
}

TEST_F(RequestFunctions, WrongTypesStillEndExactlyOnce)
{
    const auto all = operations();
    for (const Operation& operation : all)
        server().setFault(operation.path, Fault::WrongTypes);
    const auto outcomes = sendAll(all);
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(outcomes[i]->total(), 1) << all[i].name;
        if (std::string(all[i].name) == "getDesignList") {
            EXPECT_EQ(outcomes[i]->failures, 1) << "a status that is not 0 is a failure";
        }
    }
}

TEST_F(RequestFunctions, DecodesTheStandInsReplies)
{
    DiscorysModel templates;
    Step1Model industries;
    ResourceFontListModel fonts;
    UploadPicModel picture;
    int done = 0;
    getDiscorysList(
        0, 20000, [&](const DiscorysModel& m) { templates = m, ++done; }, [&] { ++done; });
    makeStep1([&](const Step1Model& m) { industries = m, ++done; }, [&] { ++done; });
    getFontList([&](const ResourceFontListModel& m) { fonts = m, ++done; }, [&] { ++done; });
    uploadPic([&](const UploadPicModel& m) { picture = m, ++done; }, [&] { ++done; });
    ASSERT_TRUE(waitUntil([&] { return done == 4; }, 10000));

    ASSERT_FALSE(templates.data.items.isEmpty());
    for (const DiscorysModelContentData& card : templates.data.items) {
        EXPECT_FALSE(card.img.isEmpty());
        EXPECT_FALSE(card.thumb.isEmpty());
        EXPECT_FALSE(card.title.isEmpty());
    }
    EXPECT_FALSE(industries.data.trade.isEmpty());
    EXPECT_FALSE(fonts.data.isEmpty());
    EXPECT_FALSE(picture.data.item.put_prelink.isEmpty());
    EXPECT_FALSE(picture.data.item.id.isEmpty());
}

TEST_F(RequestFunctions, DecodesFullPartialAndNullReplies)
{
    const std::string path = "/index.php/logo2/Get_config";
    auto fetch = [&](const std::string& body) {
        server().setReply(path, 200, body);
        GetConfigModel model;
        int calls = 0;
        miscGetConfig([&](const GetConfigModel& m) { model = m, ++calls; }, [&] { ++calls; });
        EXPECT_TRUE(waitUntil([&] { return calls == 1; }));
        return model;
    };
    const auto full = fetch(
        R"({"id":"c","status":0,"msg":"ok","data":{"id":"d","free_times":"3","AI_type":"2","edit_action":"1"}})");
    EXPECT_EQ(full.id, "c");
    EXPECT_EQ(full.data.free_times, "3");
    EXPECT_EQ(full.data.AI_type, "2");

    const auto partial = fetch(R"({"status":0})");
    EXPECT_TRUE(partial.data.AI_type.isEmpty());
    EXPECT_EQ(partial.msg, localized(QStringLiteral("Network_errorCode_null")));

    const auto nulls = fetch(R"({"status":null,"msg":null,"data":{"AI_type":null}})");
    EXPECT_EQ(nulls.status, -1);
    EXPECT_TRUE(nulls.data.AI_type.isEmpty());

    const auto wrong = fetch(R"({"status":"0","msg":[],"data":{"AI_type":7}})");
    EXPECT_EQ(wrong.status, 0);
    EXPECT_EQ(wrong.data.AI_type, "7");
}

TEST_F(RequestFunctions, DesignListAcceptsOnlyStatusZero)
{
    const std::string path = "/index.php/logo2/Get_design_list";
    const Operation designList = byName("getDesignList");
    server().setReply(path, 200, R"({"status":3,"data":{"items":[{"id":"1"}]}})");
    EXPECT_EQ(sendOne(designList)->failures, 1);
    server().setReply(path, 200, R"({"data":{"items":[]}})");
    EXPECT_EQ(sendOne(designList)->failures, 1);
    server().setReply(path, 200, R"({"status":0})");
    EXPECT_EQ(sendOne(designList)->successes, 1);

    server().clearReplies();
    server().setFault(path, Fault::Http500);
    testing::internal::CaptureStdout();
    EXPECT_EQ(sendOne(designList)->failures, 1);
    EXPECT_NE(
        testing::internal::GetCapturedStdout().find("123123123 code = 500, str = 服务器访问失败\n"), std::string::npos);

    server().setFault("/update/index.php/v1/ty/check_update", Fault::Http500);
    testing::internal::CaptureStdout();
    EXPECT_EQ(sendOne(byName("checkUpdate"))->failures, 1);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("code code code = 500\n"), std::string::npos);
}

TEST_F(RequestFunctions, LogLinesNameTheirLabelAndNeverTheToken)
{
    const QString id = deviceUUID();
    auto logged = [](const Operation& operation) {
        testing::internal::CaptureStdout();
        const auto outcome = sendOne(operation);
        EXPECT_EQ(outcome->total(), 1);
        return QString::fromStdString(testing::internal::GetCapturedStdout());
    };
    EXPECT_TRUE(logged(byName("getDiscorysList"))
                    .contains(QStringLiteral("getCategoryItems request Data = [\"uuid\": \"%1\", \"page_no\": 0, "
                                             "\"page_len\": 20]\n")
                                  .arg(id)));
    EXPECT_TRUE(
        logged(byName("delLogo"))
            .contains(QStringLiteral("getDiscorysList request Data = [\"uuid\": \"%1\", \"item_ids\": 8589934593]\n")
                          .arg(id)));
    EXPECT_TRUE(logged(byName("userBindUser")).contains(QStringLiteral("miscGetConfig request Data = [\"uuid\"")));

    for (const char* name : { "makeAiMake", "backupv1design", "uploadPic", "createPic" }) {
        const QString out = logged(byName(name));
        EXPECT_FALSE(out.contains(apiToken())) << name;
    }
    const QString aiMake = logged(byName("makeAiMake"));
    EXPECT_TRUE(aiMake.contains(QStringLiteral("\"styles_ids\": [2], \"contents_ids\": [-1], \"pay_type\": \"free\"")));
    EXPECT_TRUE(aiMake.contains(QStringLiteral("\"AI_type\": ")));
    EXPECT_TRUE(logged(byName("backupv1design")).contains(QStringLiteral("backupv1design request Data = [\"uuid\"")));

    for (const char* silent : { "getResourceShape", "getResourceImages", "getResourceBg" })
        EXPECT_FALSE(logged(byName(silent)).contains(QStringLiteral("request Data = "))) << silent;
}

TEST_F(RequestFunctions, GenerationSendsTheConfiguredAIType)
{
    const QString saved = configModel().data.AI_type;
    configModel().data.AI_type = QStringLiteral("2");
    sendOne(byName("makeAiMake"));
    configModel().data.AI_type = saved;
    const auto requests = server().requestsTo("/logo2/Ai_make");
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests.front().body["AI_type"], "2");
}

TEST_F(RequestFunctions, NoCallbackRunsAfterItsContextIsGone)
{
    server().setFault("/index.php/logo2/Get_config", Fault::Delay, 300);
    int calls = 0;
    auto* context = new QObject;
    miscGetConfig([&](const GetConfigModel&) { ++calls; }, [&] { ++calls; }, context);
    delete context;
    ASSERT_TRUE(waitUntil([&] { return !server().requestsTo("/logo2/Get_config").empty(); }));
    pumpEvents(600);
    EXPECT_EQ(calls, 0);
}

TEST_F(RequestFunctions, CompletionFormTurnsTransportErrorsIntoFailures)
{
    std::optional<MoyaResult<GetConfigModel>> result;
    auto store = [&](const MoyaResult<GetConfigModel>& r) { result = r; };
    requestModel<GetConfigModel>(
        APIManager::withParameters(APIManager::Case::miscGetConfig, { { "uuid", "U" } }), store);
    ASSERT_TRUE(waitUntil([&] { return result.has_value(); }));
    EXPECT_TRUE(result->isSuccess());

    result.reset();
    server().setFault("/index.php/logo2/Get_config", Fault::Drop);
    requestModel<GetConfigModel>(
        APIManager::withParameters(APIManager::Case::miscGetConfig, { { "uuid", "U" } }), store);
    ASSERT_TRUE(waitUntil([&] { return result.has_value(); }));
    ASSERT_FALSE(result->isSuccess());
    EXPECT_EQ(result->message(), QStringLiteral("HUD_NetworkAnomaly"));
    EXPECT_NE(result->code(), 0);
}
