#pragma once

// Opening the company's web pages in the user's browser.

#include <QString>

// Opens an absolute URL; text that isn't one is ignored without a message.
void openURL(const QString& urlString);

QString termsPageURL();
QString privacyPageURL();
QString contactPageURL();
// The configured review page, else "/review" on the company site.
QString reviewPageAddress();

void openTermsPage();
void openPrivacyPage();
void openContactPage();
void openReviewPage();
