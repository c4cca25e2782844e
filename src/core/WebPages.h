#pragma once

// Opening the company's web pages in the user's browser.

#include <QString>

// Opens an absolute URL; text that isn't one is ignored without a message.
void openURL(const QString& urlString);

QString termsPageURL();
QString privacyPageURL();
QString contactPageURL();

void openTermsPage();
void openPrivacyPage();
void openContactPage();
void openReviewPage();
