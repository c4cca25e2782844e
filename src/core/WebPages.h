#pragma once

// Opening the company's web pages in the user's browser.

#include <QString>
#include <QUrl>
#include <functional>

// Hears once whether the user's program took a page.
using PageAnswer = std::function<void(bool opened)>;

// Opens an absolute URL; `answer` hears false when no program opened it (none
// could be started, or the opener failed), which the caller tells the user.
// Text that isn't an absolute URL is ignored without a message (true).
void openURL(const QString& urlString, PageAnswer answer = {});

// The main window's answer: its toast says that a page could not be opened.
void toastUnlessOpened(bool opened);

// Replaces how web pages are opened (tests install a recorder); an empty
// opener restores the user's browser. The opener returns whether it opened.
using UrlOpener = std::function<bool(const QUrl& url)>;
void setUrlOpener(UrlOpener opener);

QString termsPageURL();
QString privacyPageURL();
QString contactPageURL();
// The configured review page, else "/review" on the company site.
QString reviewPageAddress();

// Each opens its page through openURL().
void openTermsPage(PageAnswer answer = {});
void openPrivacyPage(PageAnswer answer = {});
void openContactPage(PageAnswer answer = {});
void openReviewPage(PageAnswer answer = {});
