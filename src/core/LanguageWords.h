#pragma once

// The user's preferred language and the words the server and the font lists
// expect for it. Identifiers carry the script ("zh-Hans-CN", "zh-Hant-TW") so
// the Chinese rows can match. Each word function reads the language afresh
// and prints "lang = " with the identifier.

#include <QLocale>
#include <QString>
#include <functional>

// "language[-Script]-Territory"; the script is written for Chinese and
// wherever it isn't the language's usual one.
QString languageIdentifier(const QLocale& locale);

// The first preferred UI language of the user, "en" when there is none.
QString currentLanguage();

QString apiLanguageName();
QString languageCode();
QString fontScriptClass();
void languageWord(const std::function<void(const QString&)>& completion);

// The same mappings for a given identifier, without printing.
QString apiLanguageNameFor(const QString& identifier);
QString languageCodeFor(const QString& identifier);
QString fontScriptClassFor(const QString& identifier);
QString languageWordFor(const QString& identifier);
