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

bool openURL(const QString& urlString)
{
    const QUrl url(urlString, QUrl::StrictMode);
    if (urlString.isEmpty() || !url.isValid() || url.isRelative())
        return true;
    if (urlOpener())
        return urlOpener()(url);
    return OwnChildEnvironment::openInUsersProgram(url);
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

bool openTermsPage()
{
    return openURL(termsPageURL());
}
bool openPrivacyPage()
{
    return openURL(privacyPageURL());
}
bool openContactPage()
{
    return openURL(contactPageURL());
}
bool openReviewPage()
{
    return openURL(reviewPageAddress());
}
