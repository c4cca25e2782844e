#include "core/Localization.h"

#include "core/LanguageWords.h"
#include "core/Log.h"

#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <utility>

namespace {

QHash<QString, QString> readStringTable(const QString& path)
{
    QHash<QString, QString> table;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return table;
    const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.value().isString())
            table.insert(it.key(), it.value().toString());
    }
    return table;
}

// The table of the user's language when one is shipped, else English.
const QHash<QString, QString>& stringTable()
{
    static const QHash<QString, QString> table = [] {
        const QString preferred = stringTablePath(languageBundleName(currentLanguage()));
        return readStringTable(QFile::exists(preferred) ? preferred : stringTablePath(QStringLiteral("en")));
    }();
    return table;
}

} // namespace

QString localized(const QString& key)
{
    return stringTable().value(key, key);
}

QString stringTablePath(const QString& bundleName)
{
    return QStringLiteral(":/strings/") + bundleName + QStringLiteral(".json");
}

QString languageBundleName(const QString& identifier)
{
    static constexpr std::array<std::pair<const char*, const char*>, 10> folders{{
        {"Hans", "zh-Hans"},
        {"Hant", "zh-Hant"},
        {"en", "en"},
        {"es", "es"},
        {"fr", "fr"},
        {"de", "de"},
        {"ja", "ja"},
        {"ko", "ko"},
        {"pt", "pt-PT"},
        {"it", "it"},
    }};
    for (const auto& [fragment, folder] : folders) {
        if (identifier.contains(QLatin1String(fragment), Qt::CaseSensitive))
            return QString::fromLatin1(folder);
    }
    return QStringLiteral("en");
}

void loadLanguageBundle()
{
    const QString language = currentLanguage();
    printLine(QStringLiteral("lang = ") + language);
    const QString path = stringTablePath(languageBundleName(language));
    if (QFile::exists(path))
        languageBundle = path;
}
