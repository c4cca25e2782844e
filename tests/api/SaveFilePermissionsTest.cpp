// The save's temporary files are private to their owner.

#include "api/SaveAndUploadSVG.h"
#include "support/StandinHarness.h"
#include "support/TestSupport.h"

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(SaveFilePermissions, TemporarySvgAndGzipAreOwnerReadWriteOnly)
{
    StandinHarness harness;
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QByteArray savedTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(root.path()));
    // The usual umask, which leaves new files readable by everyone.
    const mode_t savedMask = ::umask(022);

    bool finished = false;
    saveAndUploadSVG(QStringLiteral("1"), QString::fromLatin1(QByteArray("<svg/>").toBase64()),
        QStringLiteral("template"), [&finished](bool) { finished = true; });
    // The files exist until the upload's reply has come back.
    QStringList seen;
    for (QDirIterator it(root.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        seen << QFileInfo(path).fileName();
        EXPECT_EQ(QFile::permissions(path),
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser)
            << path.toStdString();
    }
    EXPECT_TRUE(seen.contains(QStringLiteral("tempOriginal.svg")));
    EXPECT_TRUE(seen.contains(QStringLiteral("tempOriginal.svg.gz")));
    waitUntil([&] { return finished; }, 8000);

    ::umask(savedMask);
    qputenv("TMPDIR", savedTmp);
}
