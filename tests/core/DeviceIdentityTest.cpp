#include "core/AverageColor.h"
#include "core/DeviceIdentity.h"
#include "core/Localization.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString writeFile(const QTemporaryDir& dir, const QByteArray& content)
{
    const QString path = dir.filePath(QStringLiteral("machine-id"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(content);
    return path;
}

} // namespace

TEST(DeviceIdentity, ShapesTheMachineIdAsAnUpperCaseUuid)
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, "0123456789abcdef0123456789abcdef\n");
    testing::internal::CaptureStdout();
    const QString uuid = stableDeviceUUID(path);
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_EQ(uuid, QStringLiteral("01234567-89AB-CDEF-0123-456789ABCDEF"));
    EXPECT_EQ(log, "Stable UUID: 01234567-89AB-CDEF-0123-456789ABCDEF\n");
}

TEST(DeviceIdentity, UnreadableOrMalformedIdsGiveTheFallbackText)
{
    QTemporaryDir dir;
    testing::internal::CaptureStdout();
    const QString missing = stableDeviceUUID(dir.filePath(QStringLiteral("absent")));
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_EQ(missing, QStringLiteral("UUID Not Available"));
    EXPECT_EQ(log, "Failed to retrieve stable UUID.\n");

    for (const QByteArray& content : {QByteArray(), QByteArray("0123456789abcdef"),
                                      QByteArray("0123456789abcdef0123456789abcdeg"),
                                      QByteArray("0123456789abcdef0123456789abcdef00")})
        EXPECT_FALSE(platformUUIDFromMachineId(writeFile(dir, content))) << content.constData();
}

TEST(Localization, LooksUpTheStringTableAndFallsBackToTheKey)
{
    EXPECT_EQ(localized(QStringLiteral("Network_errorCode_null")), QStringLiteral("Network error. Please try again later."));
    EXPECT_EQ(localized(QStringLiteral("Confirm exit")), QStringLiteral("Confirm exit"));
    EXPECT_EQ(localized(QStringLiteral("no such key")), QStringLiteral("no such key"));
    EXPECT_EQ(localized(QString()), QString());
}

TEST(Localization, LanguageFolderFollowsTheFirstContainedFragment)
{
    const std::pair<const char*, const char*> cases[] = {
        {"zh-Hant-TW", "zh-Hant"}, {"zh-Hans-CN", "zh-Hans"}, {"de-DE", "de"}, {"nl-NL", "en"},
        {"en-GB", "en"},           {"pt-BR", "pt-PT"},        {"es-ES", "es"}, {"ca-ES", "en"},
    };
    for (const auto& [identifier, folder] : cases)
        EXPECT_EQ(languageBundleName(QString::fromLatin1(identifier)), QString::fromLatin1(folder)) << identifier;
}

TEST(Localization, LoadingTheBundleKeepsTheChoiceWhenNoTableIsShipped)
{
    languageBundle = QStringLiteral(":/strings/previous.json");
    loadLanguageBundle();
    ASSERT_TRUE(languageBundle);
    // Only the English table ships, so either it or the previous choice stands.
    EXPECT_TRUE(*languageBundle == QStringLiteral(":/strings/en.json")
                || *languageBundle == QStringLiteral(":/strings/previous.json"));
    EXPECT_TRUE(QFile::exists(stringTablePath(QStringLiteral("en"))));
}

TEST(AverageColor, AveragesEveryChannelAndRejectsEmptyImages)
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixelColor(0, 0, QColor(200, 0, 100, 255));
    image.setPixelColor(1, 0, QColor(100, 50, 0, 255));
    const std::optional<QColor> average = averageColor(image);
    ASSERT_TRUE(average);
    EXPECT_EQ(average->red(), 150);
    EXPECT_EQ(average->green(), 25);
    EXPECT_EQ(average->blue(), 50);
    EXPECT_EQ(average->alpha(), 255);
    EXPECT_FALSE(averageColor(QImage()));
}
