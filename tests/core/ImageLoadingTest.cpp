#include "CannedStandin.h"
#include "core/AsyncImageView.h"
#include "core/ImageCache.h"
#include "core/ImageFiles.h"
#include "core/ImageLoader.h"
#include "core/NetworkAccess.h"
#include "support/TestSupport.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ImageLoadingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ImageCache::shared().removeAll();
        m_server = std::make_unique<CannedStandin>();
        ASSERT_TRUE(m_server->isRunning());
    }

    void TearDown() override
    {
        sharedNetworkAccessManager().clearConnectionCache();
        m_server.reset();
        ImageCache::shared().removeAll();
    }

    static bool settle(const ImageLoader& loader)
    {
        return waitUntil([&loader] { return !loader.isLoading(); }, 10000);
    }

    std::unique_ptr<CannedStandin> m_server;
};

QColor pixelAt(QWidget& widget, int x, int y)
{
    return widget.grab().toImage().pixelColor(x, y);
}

} // namespace

TEST_F(ImageLoadingTest, APictureIsCachedAndShownInTheNextViewsFirstFrame)
{
    const QString url = m_server->url("/image.png");
    ImageLoader loader;
    loader.load(url);
    EXPECT_FALSE(loader.image());
    ASSERT_TRUE(settle(loader));
    ASSERT_TRUE(loader.image());
    EXPECT_EQ(loader.image()->size(), QSize(8, 6));
    EXPECT_TRUE(ImageCache::shared().contains(url));

    AsyncImageView view(url, 80, 60, 0);
    ASSERT_TRUE(view.imageLoader()->image());
    EXPECT_FALSE(view.imageLoader()->isLoading());
    EXPECT_EQ(m_server->hits("/image.png"), 1);
    EXPECT_EQ(pixelAt(view, 40, 30), QColor(200, 40, 40));
}

TEST_F(ImageLoadingTest, ErrorRepliesAndUndecodableBytesFailWithoutCaching)
{
    for (const char* path : { "/missing", "/error", "/garbage.png" }) {
        const QString url = m_server->url(path);
        ImageLoader loader;
        loader.load(url);
        ASSERT_TRUE(settle(loader)) << path;
        EXPECT_TRUE(loader.hasFailed()) << path;
        EXPECT_FALSE(loader.image()) << path;
        EXPECT_FALSE(ImageCache::shared().contains(url)) << path;
    }
    // Nothing cached, so the next view asks again.
    ImageLoader again;
    again.load(m_server->url("/garbage.png"));
    ASSERT_TRUE(settle(again));
    EXPECT_EQ(m_server->hits("/garbage.png"), 2);
}

TEST_F(ImageLoadingTest, RefusedConnectionShowsTheBarePlaceholder)
{
    AsyncImageView loading(CannedStandin::refusedUrl(), 100, 100, 0);
    const QColor gradientCorner = pixelAt(loading, 2, 2);
    ASSERT_TRUE(settle(*loading.imageLoader()));
    EXPECT_TRUE(loading.imageLoader()->hasFailed());
    const QColor failedCorner = pixelAt(loading, 2, 2);

    EXPECT_NEAR(gradientCorner.red(), 0xF5, 2);
    EXPECT_NEAR(gradientCorner.blue(), 0xFF, 2);
    EXPECT_NE(failedCorner, gradientCorner);
}

TEST_F(ImageLoadingTest, InvalidUrlsKeepThePlaceholderForGood)
{
    for (const char* text : { "", "no scheme here", "http://exa mple.com/a.png" }) {
        AsyncImageView view(QString::fromLatin1(text), 40, 40, 8);
        EXPECT_FALSE(view.imageLoader()->isLoading()) << text;
        pumpEvents(20);
        EXPECT_FALSE(view.imageLoader()->image()) << text;
        EXPECT_FALSE(view.imageLoader()->hasFailed()) << text;
    }
}

TEST_F(ImageLoadingTest, DestroyingTheLoaderCancelsItsDownload)
{
    const QString url = m_server->url("/slow.png");
    QPointer<QNetworkReply> reply;
    {
        ImageLoader loader;
        loader.load(url);
        ASSERT_TRUE(loader.isLoading());
        for (QNetworkReply* running : sharedNetworkAccessManager().findChildren<QNetworkReply*>()) {
            if (running->url() == QUrl(url))
                reply = running;
        }
        ASSERT_TRUE(reply);
        EXPECT_FALSE(reply->isFinished());
    }
    // The server answers only after 1.5 s; the download ended with the loader.
    ASSERT_TRUE(reply);
    EXPECT_TRUE(reply->isFinished());
    EXPECT_EQ(reply->error(), QNetworkReply::OperationCanceledError);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(reply.isNull());
}

TEST(ImageCacheBound, InsertingPastTheBoundForgetsTheLeastRecentlyUsed)
{
    ImageCache& cache = ImageCache::shared();
    cache.removeAll();
    const QImage picture(512, 512, QImage::Format_ARGB32);
    const int fitting = int(ImageCache::maxBytes / picture.sizeInBytes());
    const auto url = [](int i) { return QStringLiteral("http://127.0.0.1/%1.png").arg(i); };
    for (int i = 0; i < fitting; ++i)
        cache.insert(url(i), picture);
    ASSERT_TRUE(cache.image(url(0))); // now the most recently used
    cache.insert(url(fitting), picture);
    cache.insert(url(fitting + 1), picture);
    EXPECT_LE(cache.byteCount(), ImageCache::maxBytes);
    for (int i : { 0, 3, fitting - 1, fitting, fitting + 1 })
        EXPECT_TRUE(cache.contains(url(i))) << i;
    for (int i : { 1, 2 })
        EXPECT_FALSE(cache.contains(url(i))) << i;
    cache.removeAll();
}

TEST(ImageFiles, Base64AcceptsBareTextAndDataUrlsButNotBlanks)
{
    QImage source(3, 2, QImage::Format_RGB32);
    source.fill(Qt::blue);
    const QByteArray png = QByteArray::fromStdString(CannedStandin::pngBytes(Qt::blue));
    const QString base64 = QString::fromLatin1(png.toBase64());

    ASSERT_TRUE(imageFromBase64(base64));
    EXPECT_EQ(imageFromBase64(base64)->size(), QSize(8, 6));
    EXPECT_TRUE(imageFromBase64(QStringLiteral("data:image/png;base64,") + base64));
    EXPECT_FALSE(imageFromBase64(base64.left(20) + u'\n' + base64.mid(20)));
    EXPECT_FALSE(imageFromBase64(base64.left(20) + u' ' + base64.mid(20)));
    EXPECT_FALSE(imageFromBase64(QString::fromLatin1(QByteArray("not a picture").toBase64())));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.png"));
    testing::internal::CaptureStdout();
    EXPECT_TRUE(writePngFile(source, path));
    EXPECT_FALSE(writePngFile(source, dir.filePath(QStringLiteral("missing/folder/out.png"))));
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_EQ(QImage(path).size(), QSize(3, 2));
    EXPECT_NE(log.find("Image saved to file://"), std::string::npos) << log;
    EXPECT_NE(log.find("Failed to save image: "), std::string::npos) << log;
}
