#include "core/ConfigResource.h"
#include "core/Configs.h"
#include "core/NetworkReachability.h"
#include "core/NetworkStatus.h"
#include "core/SettingsKeys.h"
#include "core/WebPages.h"
#include "support/TestFiles.h"

#include <QDesktopServices>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Points the settings store at a fresh folder for each test.
class SettingsKeysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
    }

    QTemporaryDir m_dir;
};

// Receives the URLs that QDesktopServices would hand to the browser.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl& url) { urls.append(url); }
};

} // namespace

TEST_F(SettingsKeysTest, NeverWrittenKeysReadFalseOrZero)
{
    EXPECT_EQ(pgnResolution(), 0);
    EXPECT_EQ(jpgResolution(), 0);
    EXPECT_EQ(theNumberOfSaveLogo(), 0);
    EXPECT_FALSE(isFristOpen());
    EXPECT_FALSE(newTemplateRedDot());
    EXPECT_FALSE(cameraPermission());
    EXPECT_FALSE(isFristOpenApp());
    EXPECT_FALSE(analyticsInit());
}

TEST_F(SettingsKeysTest, SettingsRoundTripUnderTheirKeyTexts)
{
    setIsFristOpenApp(true);
    setPgnResolution(2048);
    EXPECT_TRUE(isFristOpenApp());
    EXPECT_EQ(pgnResolution(), 2048);
    QSettings store(QStringLiteral("Tessaly"), QStringLiteral("Tessaly"));
    EXPECT_TRUE(store.value(QStringLiteral("isFristOpenApp")).toBool());
    EXPECT_EQ(store.value(QStringLiteral("pgnResolution")).toInt(), 2048);
    EXPECT_FALSE(store.contains(QStringLiteral("isFristOpen")));

    // The key text is read at each call.
    const QString original = theNumberOfSaveLogoKey;
    setTheNumberOfSaveLogo(3);
    theNumberOfSaveLogoKey = QStringLiteral("otherCounter");
    EXPECT_EQ(theNumberOfSaveLogo(), 0);
    theNumberOfSaveLogoKey = original;
    EXPECT_EQ(theNumberOfSaveLogo(), 3);
}

TEST(Reachability, StatusesSetTheFlagCallBackAndPrint)
{
    int calls = 0;
    auto onReachable = [&calls] { ++calls; };
    testing::internal::CaptureStdout();
    isNetworkReachable = true;
    handleReachabilityStatus(ReachabilityStatus::notReachable, onReachable);
    EXPECT_FALSE(isNetworkReachable);
    handleReachabilityStatus(ReachabilityStatus::unknown, onReachable);
    EXPECT_FALSE(isNetworkReachable);
    handleReachabilityStatus(ReachabilityStatus::reachableEthernetOrWiFi, onReachable);
    EXPECT_TRUE(isNetworkReachable);
    handleReachabilityStatus(ReachabilityStatus::unknown, onReachable);
    EXPECT_TRUE(isNetworkReachable);
    handleReachabilityStatus(ReachabilityStatus::reachableCellular, onReachable);
    handleReachabilityStatus(ReachabilityStatus::reachableOther, onReachable);
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(log,
        "statusStr = 不可用的网络(未连接)\nstatusStr = 未识别的网络\nstatusStr = wifi的网络\n"
        "statusStr = 未识别的网络\nstatusStr = 2G,3G,4G...的网络\nstatusStr = \n");
}

TEST(Reachability, QtStatesMapToTheMonitorsStatuses)
{
    using R = QNetworkInformation::Reachability;
    using M = QNetworkInformation::TransportMedium;
    EXPECT_EQ(reachabilityStatusFrom(R::Unknown, M::WiFi), ReachabilityStatus::unknown);
    EXPECT_EQ(reachabilityStatusFrom(R::Disconnected, M::Ethernet), ReachabilityStatus::notReachable);
    EXPECT_EQ(reachabilityStatusFrom(R::Online, M::Cellular), ReachabilityStatus::reachableCellular);
    EXPECT_EQ(reachabilityStatusFrom(R::Site, M::WiFi), ReachabilityStatus::reachableEthernetOrWiFi);
    EXPECT_EQ(reachabilityStatusFrom(R::Online, M::Unknown), ReachabilityStatus::reachableOther);
}

TEST(NetworkStatus, RequestStatusRawValues)
{
    EXPECT_EQ(requestStatusFromRawValue(201), RequestStatus::requestError);
    EXPECT_EQ(requestStatusFromRawValue(200), RequestStatus::requestSuccess);
    EXPECT_FALSE(requestStatusFromRawValue(404));
    EXPECT_EQ(qHash(RequestStatus::requestError), qHash(201));
    const DCUError error = DCUError::unexpectedResult(7, QStringLiteral("bad"));
    EXPECT_EQ(error.kind, DCUError::Kind::UnexpectedResult);
    EXPECT_EQ(error.resultCode, 7);
}

TEST(Configs, BaseAddressesComeFromTheEnvironmentOrTheLoopbackStandIn)
{
    qputenv("TESSALY_CONFIG_PROBE", "http://127.0.0.1:1/index.php");
    EXPECT_EQ(Configs::detail::environmentOr("TESSALY_CONFIG_PROBE", "fallback"),
        QStringLiteral("http://127.0.0.1:1/index.php"));
    qunsetenv("TESSALY_CONFIG_PROBE");
    EXPECT_EQ(Configs::detail::environmentOr("TESSALY_CONFIG_PROBE", "fallback"), QStringLiteral("fallback"));
    if (qEnvironmentVariableIsEmpty("TESSALY_API_BASE")) {
        EXPECT_EQ(Configs::Network::apiBaseURL, QStringLiteral("http://127.0.0.1:8787/index.php"));
    }
    if (qEnvironmentVariableIsEmpty("TESSALY_UPDATE_BASE")) {
        EXPECT_EQ(Configs::Network::updateBaseURL, QStringLiteral("http://127.0.0.1:8787/update/index.php"));
    }
}

TEST(WebPages, OpenersJoinTheCompanySiteWithTheirPathsAndSkipInvalidUrls)
{
    const QString savedSite = Configs::Network::companySiteURL;
    const QString savedReview = Configs::Network::reviewPageURL;
    Configs::Network::companySiteURL = QStringLiteral("http://127.0.0.1:9/site");
    Configs::Network::reviewPageURL.clear();
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &recorder, "open");
    openTermsPage();
    openPrivacyPage();
    openContactPage();
    openReviewPage();
    Configs::Network::reviewPageURL = QStringLiteral("http://127.0.0.1:9/elsewhere/review");
    openReviewPage();
    openURL(QStringLiteral("http://exa mple/"));
    openURL(QStringLiteral("relative/path"));
    openURL(QString());
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    Configs::Network::companySiteURL = savedSite;
    Configs::Network::reviewPageURL = savedReview;

    ASSERT_EQ(recorder.urls.size(), 5);
    EXPECT_EQ(recorder.urls[0].toString(), QStringLiteral("http://127.0.0.1:9/site/license-agreement"));
    EXPECT_EQ(recorder.urls[1].toString(), QStringLiteral("http://127.0.0.1:9/site/privacy-policy"));
    EXPECT_EQ(recorder.urls[2].toString(), QStringLiteral("http://127.0.0.1:9/site/about/contact"));
    EXPECT_EQ(recorder.urls[3].toString(), QStringLiteral("http://127.0.0.1:9/site/review"));
    EXPECT_EQ(recorder.urls[4].toString(), QStringLiteral("http://127.0.0.1:9/elsewhere/review"));
}

TEST(ConfigResource, ReadsTheCompiledInObjectAndLogsTheGitCode)
{
    testing::internal::CaptureStdout();
    const QVariantMap config = readGitCode();
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(config.value(QStringLiteral("baseUrl")).canConvert<QString>());
    EXPECT_FALSE(config.value(QStringLiteral("baseUrl")).toString().isEmpty());
    EXPECT_EQ(log, "dict = " + config.value(QStringLiteral("gitCode")).toString().toStdString() + "\n");
}

TEST(ConfigResource, MissingKeyOrBrokenFileStillGivesADictionary)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Config.txt"));
    ASSERT_TRUE(writeFile(path, "{\"baseUrl\":\"http://127.0.0.1:1\"}"));
    testing::internal::CaptureStdout();
    const QVariantMap withoutGitCode = readGitCode(path);
    const QVariantMap missing = readGitCode(dir.filePath(QStringLiteral("absent.txt")));
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_EQ(withoutGitCode.value(QStringLiteral("baseUrl")).toString(), QStringLiteral("http://127.0.0.1:1"));
    EXPECT_TRUE(missing.isEmpty());
    EXPECT_EQ(log, "dict = nil\ndict = nil\n");
}

#include "SettingsAndConfigsTest.moc"
