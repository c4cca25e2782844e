#include "core/Localization.h"

#include "core/LanguageWords.h"
#include "core/Log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <utility>

std::optional<QString> languageBundle;

namespace {

// Identifier fragment → the folder a language table is named after, tested in order.
constexpr std::array<std::pair<const char*, const char*>, 10> languageFolders { {
    { "Hans", "zh-Hans" },
    { "Hant", "zh-Hant" },
    { "en", "en" },
    { "es", "es" },
    { "fr", "fr" },
    { "de", "de" },
    { "ja", "ja" },
    { "ko", "ko" },
    { "pt", "pt-PT" },
    { "it", "it" },
} };

bool isLanguageTable(const QString& baseName)
{
    for (const auto& folder : languageFolders) {
        if (baseName == QLatin1String(folder.second))
            return true;
    }
    return false;
}

// Adds the string entries of one table file; a missing or broken file adds nothing.
void insertTable(QHash<QString, QString>& table, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.value().isString())
            table.insert(it.key(), it.value().toString());
    }
}

const QHash<QString, QString>& stringTable()
{
    static const QHash<QString, QString> table
        = loadStringTables(QStringLiteral(":/strings"), languageBundleName(currentLanguage()));
    return table;
}

} // namespace

QHash<QString, QString> loadStringTables(const QString& folder, const QString& bundleName)
{
    QHash<QString, QString> table;
    const QDir dir(folder);
    for (const QString& file : dir.entryList({ QStringLiteral("*.json") }, QDir::Files, QDir::Name)) {
        if (!isLanguageTable(QFileInfo(file).completeBaseName()))
            insertTable(table, dir.filePath(file));
    }
    insertTable(table, dir.filePath(QStringLiteral("en.json")));
    if (bundleName != QLatin1String("en"))
        insertTable(table, dir.filePath(bundleName + QStringLiteral(".json")));
    return table;
}

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
    for (const auto& [fragment, folder] : languageFolders) {
        if (identifier.contains(QLatin1String(fragment), Qt::CaseSensitive))
            return QString::fromLatin1(folder);
    }
    return QStringLiteral("en");
}

void loadLanguageBundle()
{
    loadLanguageBundle(currentLanguage());
}

void loadLanguageBundle(const QString& identifier)
{
    printLine(QStringLiteral("lang = ") + identifier);
    const QString path = stringTablePath(languageBundleName(identifier));
    if (QFile::exists(path))
        languageBundle = path;
}
