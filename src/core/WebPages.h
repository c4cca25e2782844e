#pragma once

// Opening the company's web pages in the user's browser.

#include <QString>
#include <QUrl>
#include <functional>

// Opens an absolute URL; text that isn't one is ignored without a message.
void openURL(const QString& urlString);

// Replaces how web pages are opened (tests install a recorder); an empty
// opener restores the user's browser.
using UrlOpener = std::function<void(const QUrl& url)>;
void setUrlOpener(UrlOpener opener);

QString termsPageURL();
QString privacyPageURL();
QString contactPageURL();
// The configured review page, else "/review" on the company site.
QString reviewPageAddress();

void openTermsPage();
void openPrivacyPage();
void openContactPage();
void openReviewPage();
