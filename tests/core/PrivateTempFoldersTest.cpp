#include "core/PrivateTempFolders.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(PrivateTempFolders, RemovesOnlyTheFoldersOfProcessesThatHaveEnded)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    QProcess running;
    running.start(QStringLiteral("sleep"), { QStringLiteral("30") });
    ASSERT_TRUE(running.waitForStarted());
    QProcess ended;
    ended.start(QStringLiteral("true"), {});
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 endedPid = ended.processId();
    ASSERT_TRUE(ended.waitForFinished());

    const QString own = QStringLiteral("tessaly-save-%1-aB3dE9").arg(QCoreApplication::applicationPid());
    const QString other = QStringLiteral("tessaly-save-%1-Xy12zz").arg(running.processId());
    const QString abandoned = QStringLiteral("tessaly-save-%1-q1w2e3").arg(endedPid);
    const QString unrelated = QStringLiteral("someone-save-%1-q1w2e3").arg(endedPid);
    for (const QString& name : { own, other, abandoned, unrelated }) {
        ASSERT_TRUE(QDir(root.path()).mkpath(name + QStringLiteral("/inner")));
        QFile file(root.filePath(name + QStringLiteral("/inner/tempOriginal.svg")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    EXPECT_EQ(PrivateTempFolders::removeAbandoned(root.path()), 1);
    EXPECT_FALSE(QFileInfo::exists(root.filePath(abandoned)));
    for (const QString& kept : { own, other, unrelated })
        EXPECT_TRUE(QFileInfo::exists(root.filePath(kept + QStringLiteral("/inner/tempOriginal.svg"))))
            << kept.toStdString();
    running.kill();
    running.waitForFinished();
}
