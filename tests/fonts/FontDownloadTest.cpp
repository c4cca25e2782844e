// Font downloads into the cache and the saved catalogue, without any screen.

#include "fonts/FontDownload.h"

#include "fonts/FontCatalogue.h"
#include "support/StandinHarness.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace FontUtils;

namespace {

struct Outcome {
    QString path;
    QString failure;
    int calls = 0;
};

Outcome download(const QString& url)
{
    auto outcome = std::make_shared<Outcome>();
    downloadFont(
        url,
        [outcome](const QString& path) {
            outcome->path = path;
            ++outcome->calls;
        },
        [outcome](const QString& message) {
            outcome->failure = message;
            ++outcome->calls;
        });
    waitUntil([&] { return outcome->calls > 0; });
    return *outcome;
}

TEST(FontDownloadTest, CachesAFontOnceAndReportsEveryFailure)
{
    StandinHarness harness;
    const QString url
        = QString::fromStdString(harness.server().baseUrl()) + QStringLiteral("/static/fonts/DejaVuSans.ttf");
    QFile::remove(fontCachePath(url));

    const Outcome first = download(url);
    EXPECT_EQ(first.path, fontCachePath(url));
    EXPECT_TRUE(QFileInfo(first.path).fileName().endsWith(QStringLiteral(".ttf")));
    EXPECT_EQ(QFileInfo(first.path).fileName().size(), 40 + 4); // SHA-1 in hexadecimal
    const std::size_t requests = harness.server().requests().size();
    EXPECT_EQ(download(url).path, first.path);
    EXPECT_EQ(harness.server().requests().size(), requests);

    const QString base = QString::fromStdString(harness.server().baseUrl());
    harness.server().setReply("/static/fonts/Broken.ttf", 200, "not a font", "font/ttf");
    for (const QString& bad : { base + QStringLiteral("/static/fonts/Missing.ttf"),
             base + QStringLiteral("/static/fonts/Broken.ttf"), QStringLiteral("not a url") }) {
        const Outcome failed = download(bad);
        EXPECT_EQ(failed.calls, 1) << bad.toStdString();
        EXPECT_FALSE(failed.failure.isEmpty());
        EXPECT_FALSE(QFile::exists(fontCachePath(bad)));
    }
}

TEST(FontDownloadTest, SavesTheCatalogueAsJsonInDocuments)
{
    QTemporaryDir home;
    const QByteArray previous = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    globalFontModel() = ResourceFontListModel();
    globalFontModel().code = 7;
    EXPECT_TRUE(saveGlobalFontModel());
    QFile file(QDir(home.path()).filePath(QStringLiteral("Documents/txt/json.txt")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(nlohmann::json::parse(file.readAll().toStdString()).value("code", 0), 7);
    qputenv("HOME", previous);
    globalFontModel() = ResourceFontListModel();
}

} // namespace
