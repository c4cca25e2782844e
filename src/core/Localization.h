#pragma once

// Localised texts, looked up by their English key in the string tables
// compiled in under ":/strings/", each a JSON object key → text. Tables named
// after a language ("en.json", "de.json", …) hold that language; every other
// table ("app.json", "editor.json", …) holds English texts of one area.

#include <QHash>
#include <QString>
#include <optional>

// The text for `key`, or the key itself when no table has an entry.
QString localized(const QString& key);

// The merged tables of `folder`: the English area tables, then "en.json",
// then the table named `bundleName` unless that is "en"; later entries win.
QHash<QString, QString> loadStringTables(const QString& folder, const QString& bundleName);

// The resource path of the string table chosen by loadLanguageBundle().
extern std::optional<QString> languageBundle;

// The table folder for a language identifier: "zh-Hans", "zh-Hant", "en",
// "es", "fr", "de", "ja", "ko", "pt-PT", "it", else "en".
QString languageBundleName(const QString& identifier);

// Chooses the table of the user's language; keeps the previous choice when
// no table for that language is shipped.
void loadLanguageBundle();
// The same for the language `identifier` ("de-DE", "zh-Hans-CN", …).
void loadLanguageBundle(const QString& identifier);

// The resource path of a table, e.g. ":/strings/en.json".
QString stringTablePath(const QString& bundleName);
