// One running instance per user: a later launch hands over and ends.

#include "app/SingleInstance.h"

#include "support/TestFiles.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cstring>
#include <future>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

// A launch of another process: it waits for the running instance's answer
// while this thread, the running one's, runs its event loop.
bool launchElsewhere(const QString& path)
{
    std::future<bool> handedOver
        = std::async(std::launch::async, [path] { return SingleInstance(path).handOverOrListen(); });
    EXPECT_TRUE(
        waitUntil([&] { return handedOver.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 60000));
    return handedOver.get();
}

} // namespace

TEST(SingleInstanceTest, ALaterLaunchHandsOverToTheRunningOneAndEnds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tessaly.socket"));
    SingleInstance running(path);
    QSignalSpy activations(&running, &SingleInstance::activationRequested);
    ASSERT_FALSE(running.handOverOrListen());

    for (int launch = 1; launch <= 2; ++launch) {
        EXPECT_TRUE(launchElsewhere(path)) << launch;
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
    {
        SingleInstance next(path);
        EXPECT_FALSE(next.handOverOrListen());
        EXPECT_TRUE(launchElsewhere(path));
    }

    // What a process being killed leaves for a moment: its socket takes the
    // connection, and drops it once the process is gone.
    const int dying = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    ASSERT_LT(static_cast<std::size_t>(name.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    ASSERT_EQ(::bind(dying, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(dying, 4), 0);
    std::thread gone([dying] {
        pollfd connection { dying, POLLIN, 0 };
        ::poll(&connection, 1, 60000);
        ::close(dying);
    });
    SingleInstance afterTheKill(path);
    EXPECT_FALSE(afterTheKill.handOverOrListen());
    gone.join();
    QLocalSocket probe;
    probe.connectToServer(path);
    EXPECT_TRUE(probe.waitForConnected(1000)) << "the launch listens in its place";
}
