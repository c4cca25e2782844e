#include "core/WebPages.h"

#include "core/Configs.h"
#include "core/OwnChildEnvironment.h"

namespace {

UrlOpener& urlOpener()
{
    static UrlOpener opener;
    return opener;
}

} // namespace

void openURL(const QString& urlString)
{
    const QUrl url(urlString, QUrl::StrictMode);
    if (urlString.isEmpty() || !url.isValid() || url.isRelative())
        return;
    if (urlOpener())
        urlOpener()(url);
    else
        OwnChildEnvironment::openInUsersProgram(url);
}

void setUrlOpener(UrlOpener opener)
{
    urlOpener() = std::move(opener);
}

QString termsPageURL()
{
    return Configs::Network::companySiteURL + QStringLiteral("/license-agreement");
}
QString privacyPageURL()
{
    return Configs::Network::companySiteURL + QStringLiteral("/privacy-policy");
}
QString contactPageURL()
{
    return Configs::Network::companySiteURL + QStringLiteral("/about/contact");
}
QString reviewPageAddress()
{
    if (!Configs::Network::reviewPageURL.isEmpty())
        return Configs::Network::reviewPageURL;
    return Configs::Network::companySiteURL + QStringLiteral("/review");
}

void openTermsPage()
{
    openURL(termsPageURL());
}
void openPrivacyPage()
{
    openURL(privacyPageURL());
}
void openContactPage()
{
    openURL(contactPageURL());
}
void openReviewPage()
{
    openURL(reviewPageAddress());
}
