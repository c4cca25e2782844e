// Judging a reply by its HTTP status and decoding its body into a model.

#include "api/ResponseMapper.h"
#include "core/Configs.h"
#include "model/DetailsListModel.h"
#include "model/GetConfigModel.h"

#include <gtest/gtest.h>

namespace {

APIResponse reply(int status, const QByteArray& body)
{
    APIResponse response;
    response.statusCode = status;
    response.data = body;
    response.requestURL = QUrl(QStringLiteral("http://127.0.0.1:1/index.php/logo2/Get_config"));
    response.requestMethod = "POST";
    return response;
}

} // namespace

TEST(ResponseMapping, StatusOutside2xxFailsWithTheStatusAsCode)
{
    for (int status : { 199, 300, 404, 500 }) {
        const auto result = mapModel<GetConfigModel>(reply(status, R"({"status":0})"));
        ASSERT_FALSE(result.isSuccess());
        EXPECT_EQ(result.code(), status);
        EXPECT_EQ(result.message(), QStringLiteral("服务器访问失败"));
    }
    for (int status : { 200, 299 })
        EXPECT_TRUE(mapModel<GetConfigModel>(reply(status, R"({"status":0})")).isSuccess());
}

TEST(ResponseMapping, BodiesThatAreNotAJsonObjectAreInvalidData)
{
    for (const QByteArray& body : { QByteArray(), QByteArray("null"), QByteArray("5"), QByteArray("\"text\""),
             QByteArray("[1,2]"), QByteArray("<html>"), QByteArray("{\"a\":") }) {
        SCOPED_TRACE(body.toStdString());
        const auto result = mapModel<GetConfigModel>(reply(200, body));
        ASSERT_FALSE(result.isSuccess());
        EXPECT_EQ(result.code(), -1);
        EXPECT_EQ(result.message(), Configs::Const::dataInvalid());
    }
}

TEST(ResponseMapping, ObjectsDecodeWhateverTheServerStatusSays)
{
    const auto result = mapModel<GetConfigModel>(reply(200, R"({"status":1,"msg":"short","extra":[1]})"));
    ASSERT_TRUE(result.isSuccess());
    EXPECT_EQ(result.model().status, 1);
    EXPECT_EQ(result.model().msg, "short");
    EXPECT_TRUE(result.model().data.AI_type.isEmpty());

    const auto withId = mapModel<DetailsListModel>(reply(200, R"({"id":"server-id"})"));
    ASSERT_TRUE(withId.isSuccess());
    EXPECT_EQ(withId.model().id, "server-id");
    EXPECT_EQ(withId.model().data.item.id.size(), 36);
}

TEST(ResponseMapping, PrintsTheRequestLinesAndTheBody)
{
    testing::internal::CaptureStdout();
    mapModel<GetConfigModel>(reply(200, R"({"status":0})"));
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("requestrequestrequest = http://127.0.0.1:1/index.php/logo2/Get_config\n"), std::string::npos);
    EXPECT_NE(out.find("requestrequestrequest = POST\n"), std::string::npos);
    EXPECT_NE(out.find("requestrequestrequest = /index.php/logo2/Get_config\n"), std::string::npos);
    EXPECT_NE(out.find(" Response data = {\"status\":0}\n"), std::string::npos);
}
