// When the update prompt appears, what it offers and how it shows it.

#include "app/UpdateCheck.h"

#include "app/UpdateVersionView.h"
#include "model/CheckUpdateModel.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {

CheckUpdateModel replyWithVersion(const QString& version, const QString& urlBase = {}, const QString& url = {})
{
    CheckUpdateModel reply;
    reply.data.version = version;
    reply.data.url_base = urlBase;
    reply.data.url = url;
    reply.data.description = QStringLiteral("Faster export");
    return reply;
}

TEST(UpdateCheckTest, SameVersionOffersNothing)
{
    EXPECT_FALSE(UpdateCheck::promptFor(replyWithVersion(QStringLiteral("1.0.0")), QStringLiteral("1.0.0")));
}

TEST(UpdateCheckTest, AnyOtherVersionIsOfferedNewerOrOlder)
{
    const auto newer = UpdateCheck::promptFor(replyWithVersion(QStringLiteral("1.2.0")), QStringLiteral("1.0.0"));
    ASSERT_TRUE(newer);
    EXPECT_EQ(newer->content, QStringLiteral("Faster export"));
    EXPECT_TRUE(UpdateCheck::promptFor(replyWithVersion(QStringLiteral("0.9")), QStringLiteral("1.0.0")));
    // Plain text comparison: a different spelling of the same number differs.
    EXPECT_TRUE(UpdateCheck::promptFor(replyWithVersion(QStringLiteral("1.0")), QStringLiteral("1.0.0")));
}

TEST(UpdateCheckTest, ReplyWithoutVersionOffersNothing)
{
    EXPECT_FALSE(UpdateCheck::promptFor(replyWithVersion(QString()), QStringLiteral("1.0.0")));
    EXPECT_FALSE(UpdateCheck::promptFor(CheckUpdateModel(), QStringLiteral("Unknown")));
}

TEST(UpdateCheckTest, AddressJoinsBaseAndPathAsTheyStand)
{
    const QString app = QStringLiteral("1.0.0");
    EXPECT_EQ(UpdateCheck::promptFor(replyWithVersion("2", "http://h/dl/", "app.deb"), app)->url,
        QStringLiteral("http://h/dl/app.deb"));
    EXPECT_EQ(UpdateCheck::promptFor(replyWithVersion("2", "http://h/dl", "app.deb"), app)->url,
        QStringLiteral("http://h/dlapp.deb"));
    EXPECT_EQ(UpdateCheck::promptFor(replyWithVersion("2"), app)->url, QString());
}

TEST(UpdateVersionViewTest, ShowsTheDescriptionAsTextNeverAsMarkup)
{
    UpdateVersionView prompt;
    prompt.setUpdate(QStringLiteral("<img src=x> & <b>bold</b>"), QStringLiteral("http://h/app.deb"));
    EXPECT_EQ(prompt.width(), 438);
    bool shownEscaped = false;
    for (const QLabel* label : prompt.findChildren<QLabel*>()) {
        EXPECT_FALSE(label->text().contains(QStringLiteral("<img")));
        shownEscaped = shownEscaped || label->text().contains(QStringLiteral("&lt;img src=x&gt; &amp; &lt;b&gt;"));
    }
    EXPECT_TRUE(shownEscaped);
}

} // namespace
