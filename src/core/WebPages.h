#pragma once

// Opening the company's web pages in the user's browser.

#include <QString>
#include <QUrl>
#include <functional>

// Opens an absolute URL. Returns false when no program could be started for
// it, which the caller tells the user; text that isn't an absolute URL is
// ignored without a message (true).
bool openURL(const QString& urlString);

// Replaces how web pages are opened (tests install a recorder); an empty
// opener restores the user's browser. The opener returns whether it opened.
using UrlOpener = std::function<bool(const QUrl& url)>;
void setUrlOpener(UrlOpener opener);

QString termsPageURL();
QString privacyPageURL();
QString contactPageURL();
// The configured review page, else "/review" on the company site.
QString reviewPageAddress();

// Each returns openURL()'s answer.
bool openTermsPage();
bool openPrivacyPage();
bool openContactPage();
bool openReviewPage();
