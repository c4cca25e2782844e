#include "core/DeviceIdentity.h"

#include "core/AverageColor.h"
#include "core/Localization.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString machineIdFile(const QTemporaryDir& dir, const QByteArray& content)
{
    const QString path = dir.filePath(QStringLiteral("machine-id"));
    EXPECT_TRUE(writeFile(path, content));
    return path;
}

} // namespace

TEST(DeviceIdentity, ShapesTheMachineIdAsAnUpperCaseUuid)
{
    QTemporaryDir dir;
    const QString path = machineIdFile(dir, "0123456789abcdef0123456789abcdef\n");
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

    for (const QByteArray& content : { QByteArray(), QByteArray("0123456789abcdef"),
             QByteArray("0123456789abcdef0123456789abcdeg"), QByteArray("0123456789abcdef0123456789abcdef00") })
        EXPECT_FALSE(platformUUIDFromMachineId(machineIdFile(dir, content))) << content.constData();
}

TEST(Localization, LooksUpTheStringTableAndFallsBackToTheKey)
{
    EXPECT_EQ(
        localized(QStringLiteral("Network_errorCode_null")), QStringLiteral("Network error. Please try again later."));
    EXPECT_EQ(localized(QStringLiteral("Confirm exit")), QStringLiteral("Confirm exit"));
    EXPECT_EQ(localized(QStringLiteral("no such key")), QStringLiteral("no such key"));
    EXPECT_EQ(localized(QString()), QString());
}

TEST(Localization, AreaTablesMergeUnderEnglishAndTheUsersLanguageWins)
{
    QTemporaryDir dir;
    auto write = [&dir](const char* name, const QByteArray& json) {
        ASSERT_TRUE(writeFile(dir.filePath(QString::fromLatin1(name)), json));
    };
    write("app.json", R"({"Quit":"Quit now","Save":"Save it","Count":3})");
    write("en.json", R"({"Save":"Save","Back":"Back"})");
    write("de.json", R"({"Save":"Sichern"})");
    write("broken.json", "{not json");

    const QHash<QString, QString> english = loadStringTables(dir.path(), QStringLiteral("en"));
    EXPECT_EQ(english.value(QStringLiteral("Quit")), QStringLiteral("Quit now"));
    EXPECT_EQ(english.value(QStringLiteral("Save")), QStringLiteral("Save"));
    EXPECT_FALSE(english.contains(QStringLiteral("Count")));
    EXPECT_EQ(english.size(), 3);

    const QHash<QString, QString> german = loadStringTables(dir.path(), QStringLiteral("de"));
    EXPECT_EQ(german.value(QStringLiteral("Save")), QStringLiteral("Sichern"));
    EXPECT_EQ(german.value(QStringLiteral("Back")), QStringLiteral("Back"));
    // A language without a table keeps the English texts.
    EXPECT_EQ(loadStringTables(dir.path(), QStringLiteral("ja")), english);
}

TEST(Localization, LanguageFolderFollowsTheFirstContainedFragment)
{
    const std::pair<const char*, const char*> cases[] = {
        { "zh-Hant-TW", "zh-Hant" },
        { "zh-Hans-CN", "zh-Hans" },
        { "de-DE", "de" },
        { "nl-NL", "en" },
        { "en-GB", "en" },
        { "pt-BR", "pt-PT" },
        { "es-ES", "es" },
        { "ca-ES", "en" },
    };
    for (const auto& [identifier, folder] : cases)
        EXPECT_EQ(languageBundleName(QString::fromLatin1(identifier)), QString::fromLatin1(folder)) << identifier;
}

TEST(Localization, LoadingTheBundleKeepsTheChoiceWhenNoTableIsShipped)
{
    const QString previous = QStringLiteral(":/strings/previous.json");
    // Only the English table ships.
    const std::pair<const char*, QString> cases[] = {
        { "en-GB", stringTablePath(QStringLiteral("en")) },
        { "ca-ES", stringTablePath(QStringLiteral("en")) },
        { "de-DE", previous },
        { "zh-Hans-CN", previous },
    };
    for (const auto& [identifier, expected] : cases) {
        SCOPED_TRACE(identifier);
        languageBundle = previous;
        testing::internal::CaptureStdout();
        loadLanguageBundle(QString::fromLatin1(identifier));
        EXPECT_EQ(testing::internal::GetCapturedStdout(), std::string("lang = ") + identifier + "\n");
        EXPECT_EQ(languageBundle, expected);
    }
    languageBundle.reset();
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
