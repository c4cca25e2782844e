#include "core/LanguageWords.h"

#include "core/Log.h"

#include <array>

namespace {

// One row per identifier fragment, tested in order with a case-sensitive
// "contains". An empty word means that column doesn't test the row.
struct LanguageRow {
    const char* fragment;
    const char* apiName;
    const char* code;
    const char* word;
    const char* fontScript;
};

constexpr std::array<LanguageRow, 11> languageRows { {
    { "Hans", "Simplified Chinese", "zh", "chinese", "SimpleChinese" },
    { "Hant", "Traditional Chinese", "zh-TW", "chinese_tw", "TradtionalChinese" },
    { "en", "English", "en", "english", "" },
    { "es", "Spanish", "es", "spanish", "" },
    { "fr", "French", "fr", "french", "" },
    { "de", "German", "de", "german", "" },
    { "ja", "Japanese", "ja", "japanese", "Japanese" },
    { "ko", "Korean", "ko", "korean", "korean" },
    { "pt", "Portuguese", "pt", "portuguese", "" },
    { "it", "Italian", "it", "italian", "" },
    { "ar", "Arabic", "ar", "", "" },
} };

constexpr LanguageRow fallbackRow { "", "English", "en", "english", "Latin" };

QString lookUp(const QString& identifier, const char* LanguageRow::*column)
{
    for (const LanguageRow& row : languageRows) {
        const char* value = row.*column;
        if (*value != '\0' && identifier.contains(QLatin1String(row.fragment), Qt::CaseSensitive))
            return QString::fromUtf8(value);
    }
    return QString::fromUtf8(fallbackRow.*column);
}

QString loggedCurrentLanguage()
{
    const QString identifier = currentLanguage();
    printLine(QStringLiteral("lang = ") + identifier);
    return identifier;
}

} // namespace

QString languageIdentifier(const QLocale& locale)
{
    if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage)
        return QStringLiteral("en");
    QString identifier = QLocale::languageToCode(locale.language());
    const QLocale usual(locale.language());
    const bool writeScript = locale.script() != QLocale::AnyScript
        && (locale.language() == QLocale::Chinese || locale.script() != usual.script());
    if (writeScript)
        identifier += u'-' + QLocale::scriptToCode(locale.script());
    if (locale.territory() != QLocale::AnyTerritory)
        identifier += u'-' + QLocale::territoryToCode(locale.territory());
    return identifier;
}

QString currentLanguage()
{
    const QStringList preferred = QLocale::system().uiLanguages();
    if (preferred.isEmpty() || preferred.first().isEmpty())
        return QStringLiteral("en");
    return languageIdentifier(QLocale(preferred.first()));
}

QString apiLanguageNameFor(const QString& identifier)
{
    return lookUp(identifier, &LanguageRow::apiName);
}
QString languageCodeFor(const QString& identifier)
{
    return lookUp(identifier, &LanguageRow::code);
}
QString fontScriptClassFor(const QString& identifier)
{
    return lookUp(identifier, &LanguageRow::fontScript);
}
QString languageWordFor(const QString& identifier)
{
    return lookUp(identifier, &LanguageRow::word);
}

QString apiLanguageName()
{
    return apiLanguageNameFor(loggedCurrentLanguage());
}
QString languageCode()
{
    return languageCodeFor(loggedCurrentLanguage());
}
QString fontScriptClass()
{
    return fontScriptClassFor(loggedCurrentLanguage());
}

void languageWord(const std::function<void(const QString&)>& completion)
{
    const QString word = languageWordFor(loggedCurrentLanguage());
    if (completion)
        completion(word);
}
