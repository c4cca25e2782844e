// One running instance per user: a later launch hands over and ends.

#include "app/SingleInstance.h"

#include "support/TestFiles.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SingleInstanceTest, ALaterLaunchHandsOverToTheRunningOneAndEnds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tessaly.socket"));
    SingleInstance running(path);
    QSignalSpy activations(&running, &SingleInstance::activationRequested);
    ASSERT_FALSE(running.handOverOrListen());

    for (int launch = 1; launch <= 2; ++launch) {
        SingleInstance later(path);
        EXPECT_TRUE(later.handOverOrListen()) << launch;
        EXPECT_TRUE(waitForSignals(activations, launch)) << launch;
    }
    pumpEvents(50);
    EXPECT_EQ(activations.count(), 2);
}

TEST(SingleInstanceTest, ALaunchAfterTheRunningOneEndedRunsEvenOverALeftoverSocketFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tessaly.socket"));
    {
        SingleInstance ended(path);
        ASSERT_FALSE(ended.handOverOrListen());
    }
    EXPECT_FALSE(SingleInstance(path).handOverOrListen());

    // What a process that was killed leaves behind: a file nobody listens on.
    ASSERT_TRUE(writeFile(path));
    SingleInstance next(path);
    EXPECT_FALSE(next.handOverOrListen());
    EXPECT_TRUE(SingleInstance(path).handOverOrListen());
}
