// The API target: paths, methods, encodings, headers and base addresses.

#include "api/APIManager.h"

#include "core/Configs.h"

#include <gtest/gtest.h>

namespace {

using Case = APIManager::Case;

class ConfiguredBases : public testing::Test {
protected:
    void SetUp() override
    {
        m_api = Configs::Network::apiBaseURL;
        m_update = Configs::Network::updateBaseURL;
        Configs::Network::apiBaseURL = QStringLiteral("http://127.0.0.1:9/index.php");
        Configs::Network::updateBaseURL = QStringLiteral("http://127.0.0.1:9/update/index.php");
    }
    void TearDown() override
    {
        Configs::Network::apiBaseURL = m_api;
        Configs::Network::updateBaseURL = m_update;
    }

private:
    QString m_api;
    QString m_update;
};

} // namespace

TEST_F(ConfiguredBases, EveryDictionaryCaseIsAJsonPostToItsPath)
{
    const std::vector<std::pair<Case, const char*>> table {
        { Case::testApiDict, "nba" },
        { Case::designGetDesignList, "/logo2/Get_design_list" },
        { Case::templatesGetDiscorysList, "/Get_discorys_list" },
        { Case::designGetDetailsList, "/Get_details_list" },
        { Case::makeStep1, "/Step1" },
        { Case::makeStep2, "/Step2" },
        { Case::makeStep3, "/Step3" },
        { Case::makeAiMake, "/logo2/Ai_make" },
        { Case::makeFreeAiGet, "/Free_ai_get" },
        { Case::miscGetConfig, "/logo2/Get_config" },
        { Case::userBindUser, "/Bind_user" },
        { Case::delLogo, "/logo2/Del_logo" },
        { Case::resourceFontList, "/logo2/GetRemoteFonts" },
        { Case::resourceShape, "/logo2/GetShapeType" },
        { Case::resourceImages, "/logo2/GetShape" },
        { Case::resourceBg, "/logo2/GetBackground" },
        { Case::getDesignDetail, "/logo2/Get_design_detail" },
        { Case::uploadPic, "/logo2/Upload_pic" },
        { Case::createPic, "/logo2/Create_pic" },
        { Case::backupv1design, "/logo2/Backup_v1_design" },
        { Case::checkUpdate, "/v1/ty/check_update" },
    };
    for (const auto& [operation, path] : table) {
        const auto target = APIManager::withParameters(operation, { { "uuid", "U" }, { "page_no", 0 } });
        SCOPED_TRACE(path);
        EXPECT_EQ(target.path(), QString::fromLatin1(path));
        EXPECT_EQ(target.method(), "POST");
        EXPECT_EQ(target.encoding(), APIManager::Encoding::json);
        EXPECT_EQ(target.body(), R"({"uuid":"U","page_no":0})");
        EXPECT_TRUE(target.sampleData().isEmpty());
        const QString base
            = operation == Case::checkUpdate ? Configs::Network::updateBaseURL : Configs::Network::apiBaseURL;
        const QString expected = base + (QString::fromLatin1(path).startsWith('/') ? "" : "/") + path;
        EXPECT_EQ(target.requestURL().toString(), expected);
    }
}

TEST_F(ConfiguredBases, OnlyTheUpdateCheckUsesTheUpdateBase)
{
    const auto update = APIManager::withParameters(Case::checkUpdate, {});
    const auto config = APIManager::withParameters(Case::miscGetConfig, {});
    Configs::Network::apiBaseURL = QStringLiteral("http://127.0.0.1:10/other/index.php");
    EXPECT_EQ(update.requestURL().toString(), "http://127.0.0.1:9/update/index.php/v1/ty/check_update");
    EXPECT_EQ(config.requestURL().toString(), "http://127.0.0.1:10/other/index.php/logo2/Get_config");
}

TEST_F(ConfiguredBases, SampleCasesAndHeaders)
{
    const auto weather = APIManager::weather();
    EXPECT_EQ(weather.requestURL(), weather.baseURL());
    EXPECT_EQ(weather.method(), "GET");
    EXPECT_TRUE(weather.body().isEmpty());

    const auto plain = APIManager::testApi();
    EXPECT_EQ(plain.requestURL().toString(), "http://127.0.0.1:9/index.php/nba");
    EXPECT_EQ(plain.method(), "GET");
    EXPECT_TRUE(plain.body().isEmpty());

    const auto para = APIManager::testApiPara(QStringLiteral("a b&c"), QStringLiteral("never sent"));
    EXPECT_EQ(para.encoding(), APIManager::Encoding::urlEncoded);
    EXPECT_EQ(para.body(), "key=a%20b%26c");
    EXPECT_EQ(APIManager::getNbaInfo(QStringLiteral("x")).body(), "key=x");

    const QList<QPair<QByteArray, QByteArray>> expected { { "Content-Type", "application/x-www-form-urlencoded" },
        { "platform", "ios" } };
    for (const auto& target : { weather, plain, para, APIManager::withParameters(Case::delLogo, {}) })
        EXPECT_EQ(target.headers(), expected);
}
