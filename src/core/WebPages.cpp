#include "core/WebPages.h"

#include "core/Configs.h"
#include "core/Localization.h"
#include "core/OwnChildEnvironment.h"
#include "core/RxBus.h"
#include "core/SharedEvents.h"

namespace {

UrlOpener& urlOpener()
{
    static UrlOpener opener;
    return opener;
}

} // namespace

void openURL(const QString& urlString, PageAnswer answer)
{
    const QUrl url(urlString, QUrl::StrictMode);
    if (urlString.isEmpty() || !url.isValid() || url.isRelative()) {
        if (answer)
            answer(true);
        return;
    }
    if (urlOpener()) {
        const bool opened = urlOpener()(url);
        if (answer)
            answer(opened);
        return;
    }
    OwnChildEnvironment::openInUsersProgram(url, std::move(answer));
}

void toastUnlessOpened(bool opened)
{
    if (!opened)
        RxBus::shared().post(
            ContentViewEventBus::ToastEvent { localized(QStringLiteral("The page could not be opened.")) });
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

void openTermsPage(PageAnswer answer)
{
    openURL(termsPageURL(), std::move(answer));
}
void openPrivacyPage(PageAnswer answer)
{
    openURL(privacyPageURL(), std::move(answer));
}
void openContactPage(PageAnswer answer)
{
    openURL(contactPageURL(), std::move(answer));
}
void openReviewPage(PageAnswer answer)
{
    openURL(reviewPageAddress(), std::move(answer));
}
