#include "core/LanguageWords.h"

#include <gtest/gtest.h>

namespace {

struct Words {
    const char* identifier;
    const char* apiName;
    const char* code;
    const char* word;
    const char* fontScript;
};

} // namespace

TEST(LanguageWords, MapFullIdentifiersByOrderedCaseSensitiveContains)
{
    const Words cases[] = {
        { "zh-Hant-TW", "Traditional Chinese", "zh-TW", "chinese_tw", "TradtionalChinese" },
        { "zh-Hans-CN", "Simplified Chinese", "zh", "chinese", "SimpleChinese" },
        { "zh-Hant-HK", "Traditional Chinese", "zh-TW", "chinese_tw", "TradtionalChinese" },
        { "ar-SA", "Arabic", "ar", "english", "Latin" },
        { "ru-RU", "English", "en", "english", "Latin" },
        { "en-ES", "English", "en", "english", "Latin" },
        { "ca-ES", "English", "en", "english", "Latin" },
        { "ja-JP", "Japanese", "ja", "japanese", "Japanese" },
        { "ko-KR", "Korean", "ko", "korean", "korean" },
        { "pt-BR", "Portuguese", "pt", "portuguese", "Latin" },
        { "de-DE", "German", "de", "german", "Latin" },
        { "fr-CA", "French", "fr", "french", "Latin" },
        { "it-IT", "Italian", "it", "italian", "Latin" },
        { "es-MX", "Spanish", "es", "spanish", "Latin" },
        { "en", "English", "en", "english", "Latin" },
    };
    for (const Words& c : cases) {
        const QString identifier = QString::fromLatin1(c.identifier);
        EXPECT_EQ(apiLanguageNameFor(identifier), QString::fromLatin1(c.apiName)) << c.identifier;
        EXPECT_EQ(languageCodeFor(identifier), QString::fromLatin1(c.code)) << c.identifier;
        EXPECT_EQ(languageWordFor(identifier), QString::fromLatin1(c.word)) << c.identifier;
        EXPECT_EQ(fontScriptClassFor(identifier), QString::fromLatin1(c.fontScript)) << c.identifier;
    }
}

TEST(LanguageWords, IdentifiersFromLocalesCarryTheScriptWhereItMatters)
{
    EXPECT_EQ(languageIdentifier(QLocale(QStringLiteral("zh_CN"))), QStringLiteral("zh-Hans-CN"));
    EXPECT_EQ(languageIdentifier(QLocale(QStringLiteral("zh_TW"))), QStringLiteral("zh-Hant-TW"));
    EXPECT_EQ(languageIdentifier(QLocale(QStringLiteral("zh-Hant-HK"))), QStringLiteral("zh-Hant-HK"));
    EXPECT_EQ(languageIdentifier(QLocale(QStringLiteral("en_US"))), QStringLiteral("en-US"));
    EXPECT_EQ(languageIdentifier(QLocale(QStringLiteral("pt_BR"))), QStringLiteral("pt-BR"));
    EXPECT_EQ(languageIdentifier(QLocale(QLocale::Serbian, QLocale::LatinScript, QLocale::Serbia)),
        QStringLiteral("sr-Latn-RS"));
    EXPECT_EQ(languageIdentifier(QLocale::c()), QStringLiteral("en"));
    // The mapped words of a real locale reach the Chinese rows.
    EXPECT_EQ(apiLanguageNameFor(languageIdentifier(QLocale(QStringLiteral("zh_TW")))),
        QStringLiteral("Traditional Chinese"));
}

TEST(LanguageWords, CurrentLanguageIsReadAndLoggedOnEveryCall)
{
    const QString identifier = currentLanguage();
    EXPECT_FALSE(identifier.isEmpty());
    testing::internal::CaptureStdout();
    const QString apiName = apiLanguageName();
    QString word;
    languageWord([&word](const QString& w) { word = w; });
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_EQ(apiName, apiLanguageNameFor(identifier));
    EXPECT_EQ(word, languageWordFor(identifier));
    const std::string line = "lang = " + identifier.toStdString() + "\n";
    EXPECT_EQ(log, line + line);
}
