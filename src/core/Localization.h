#pragma once

// Localised texts, looked up by their English key in the string table
// compiled in as ":/strings/<language>.json" (a JSON object key → text).

#include <QString>

#include <optional>

// The text for `key`, or the key itself when the table has no entry.
QString localized(const QString& key);

// The resource path of the string table chosen by loadLanguageBundle().
inline std::optional<QString> languageBundle;

// The table folder for a language identifier: "zh-Hans", "zh-Hant", "en",
// "es", "fr", "de", "ja", "ko", "pt-PT", "it", else "en".
QString languageBundleName(const QString& identifier);

// Chooses the table of the user's language; keeps the previous choice when
// no table for that language is shipped.
void loadLanguageBundle();

// The resource path of a table, e.g. ":/strings/en.json".
QString stringTablePath(const QString& bundleName);
