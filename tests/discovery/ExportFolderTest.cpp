#include "core/ExportFolder.h"

#include "DiscoveryFixture.h"
#include "support/TestFiles.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

struct DownloadOutcome {
    int successes = 0;
    int failures = 0;
    QString path;
    QString message;
    bool done() const { return successes + failures > 0; }
};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ExportFolderTest : public DiscoveryFixture {
protected:
    DownloadOutcome download(const QString& url, const QString& fileName, QObject* context = nullptr)
    {
        auto outcome = std::make_shared<DownloadOutcome>();
        downloadImageToDocuments(
            url, fileName, QStringLiteral("WEBP"), context,
            [outcome](const QString& path) {
                ++outcome->successes;
                outcome->path = path;
            },
            [outcome](const QString& message) {
                ++outcome->failures;
                outcome->message = message;
            });
        waitUntil([&] { return outcome->done(); });
        pumpEvents(50);
        return *outcome;
    }

    QString url(const std::string& path) { return QString::fromStdString(server().baseUrl() + path); }
};

TEST_F(ExportFolderTest, CreatesTheFolderWithItsParentsAndReusesIt)
{
    const std::optional<QString> folder = getOrCreateDocumentsFolder(QStringLiteral("Tessaly/WEBP"));
    ASSERT_TRUE(folder);
    EXPECT_EQ(*folder, QDir(documentsPath()).filePath(QStringLiteral("Tessaly/WEBP")));
    EXPECT_TRUE(QFileInfo(*folder).isDir());
    EXPECT_EQ(getOrCreateDocumentsFolder(QStringLiteral("Tessaly/WEBP")), folder);
}

TEST_F(ExportFolderTest, NamesFilesAfterTheCurrentSecond)
{
    const qint64 before = QDateTime::currentSecsSinceEpoch();
    const QString name = exportFileName(QStringLiteral(".webp"));
    const qint64 after = QDateTime::currentSecsSinceEpoch();
    const QRegularExpressionMatch match
        = QRegularExpression(QStringLiteral("^Tessaly_([1-9][0-9]*)\\.webp$")).match(name);
    ASSERT_TRUE(match.hasMatch()) << name.toStdString();
    const qint64 seconds = match.captured(1).toLongLong();
    EXPECT_GE(seconds, before);
    EXPECT_LE(seconds, after);
}

TEST_F(ExportFolderTest, WritesTheDownloadedBytesAndOpensTheFolder)
{
    const std::string image("RIFF\x10\0\0\0WEBPVP8 fake image bytes", 32);
    server().setReply("/static/test/picture.webp", 200, image, "image/webp");

    const DownloadOutcome outcome = download(url("/static/test/picture.webp"), QStringLiteral("Tessaly_1.webp"));

    ASSERT_EQ(outcome.successes, 1) << outcome.message.toStdString();
    EXPECT_EQ(outcome.failures, 0);
    const QString expected = QDir(documentsPath()).filePath(QStringLiteral("Tessaly/WEBP/Tessaly_1.webp"));
    EXPECT_EQ(outcome.path, expected);
    EXPECT_EQ(readAll(expected), QByteArray::fromStdString(image));
    EXPECT_EQ(openedFolders, QStringList { QDir(documentsPath()).filePath(QStringLiteral("Tessaly")) });
}

TEST_F(ExportFolderTest, ReportsEveryFailureAndWritesNothing)
{
    server().setFault("/static/test/broken.webp", standin::Fault::Http500);
    server().setFault("/static/test/dropped.webp", standin::Fault::Drop);
    const QString webp = QDir(documentsPath()).filePath(QStringLiteral("Tessaly/WEBP"));

    for (const QString& source : { url("/static/test/broken.webp"), url("/static/test/dropped.webp"), QString(),
             QStringLiteral("not a url"), QStringLiteral("http://127.0.0.1:1/refused.webp") }) {
        const DownloadOutcome outcome = download(source, QStringLiteral("Tessaly_2.webp"));
        EXPECT_EQ(outcome.successes, 0) << source.toStdString();
        EXPECT_EQ(outcome.failures, 1) << source.toStdString();
        EXPECT_FALSE(QFile::exists(QDir(webp).filePath(QStringLiteral("Tessaly_2.webp")))) << source.toStdString();
    }
    EXPECT_TRUE(openedFolders.isEmpty());
}

TEST_F(ExportFolderTest, ATakenNameGetsANumberInsteadOfBeingReplaced)
{
    server().setReply("/static/test/picture.webp", 200, "new", "image/webp");
    const QString folder = QDir(documentsPath()).filePath(QStringLiteral("Tessaly/WEBP"));
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const char* taken : { "Tessaly_5.webp", "Tessaly_5_2.webp" })
        ASSERT_TRUE(writeFile(QDir(folder).filePath(QLatin1String(taken)), "old"));

    const DownloadOutcome outcome = download(url("/static/test/picture.webp"), QStringLiteral("Tessaly_5.webp"));

    EXPECT_EQ(outcome.path, QDir(folder).filePath(QStringLiteral("Tessaly_5_3.webp")));
    EXPECT_EQ(readAll(QDir(folder).filePath(QStringLiteral("Tessaly_5.webp"))), "old");
    EXPECT_EQ(readAll(outcome.path), "new");
}

TEST_F(ExportFolderTest, AFailedWriteIsAFailure)
{
    server().setReply("/static/test/picture.webp", 200, "bytes", "image/webp");
    // A file where the type folder should be makes the write fail.
    ASSERT_TRUE(QDir().mkpath(QDir(documentsPath()).filePath(QStringLiteral("Tessaly"))));
    ASSERT_TRUE(writeFile(QDir(documentsPath()).filePath(QStringLiteral("Tessaly/WEBP"))));

    const DownloadOutcome outcome = download(url("/static/test/picture.webp"), QStringLiteral("Tessaly_3.webp"));

    EXPECT_EQ(outcome.successes, 0);
    EXPECT_EQ(outcome.failures, 1);
    EXPECT_TRUE(outcome.message.startsWith(QStringLiteral("文件写入错误: "))) << outcome.message.toStdString();
    EXPECT_TRUE(openedFolders.isEmpty());
}

TEST_F(ExportFolderTest, WritesTheFileEvenWhenTheCallerHasGone)
{
    server().setReply("/static/test/picture.webp", 200, "bytes", "image/webp");
    auto context = std::make_unique<QObject>();
    int callbacks = 0;
    downloadImageToDocuments(
        url("/static/test/picture.webp"), QStringLiteral("Tessaly_4.webp"), QStringLiteral("WEBP"), context.get(),
        [&](const QString&) { ++callbacks; }, [&](const QString&) { ++callbacks; });
    context.reset();
    const QString path = QDir(documentsPath()).filePath(QStringLiteral("Tessaly/WEBP/Tessaly_4.webp"));
    EXPECT_TRUE(waitUntil([&] { return QFile::exists(path); }));
    pumpEvents(50);
    EXPECT_EQ(callbacks, 0);
}
