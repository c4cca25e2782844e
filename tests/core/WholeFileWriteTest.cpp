// A file is written whole or not at all, also when the disk fills up under it.

#include "core/ExportFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int reportedFailure = 0;
constexpr int reportedSuccess = 1;

// Writes `bytes` in a child process that may not make a file larger than
// `limit` bytes, as on a nearly full disk; whether the write reported its
// failure with the system's reason, or -1 when the child didn't get that far.
int writeInChildLimitedTo(const QString& path, const QByteArray& bytes, rlim_t limit)
{
    const pid_t child = fork();
    if (child == 0) {
        // Without this the kernel ends the child at the first write past the limit.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit fileSize { limit, limit };
        if (setrlimit(RLIMIT_FSIZE, &fileSize) != 0)
            _exit(2);
        _exit(writeFileWhole(path, bytes) == qt_error_string(EFBIG) ? reportedFailure : reportedSuccess);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

} // namespace

TEST(WholeFileWrite, ShortWriteOnAFullDiskIsReportedAndLeavesNoFile)
{
    struct Case {
        const char* name;
        qsizetype payloadSize;
        bool targetExists;
    };
    // Under and over the size that a buffered file keeps in memory until it is flushed.
    const Case cases[] = {
        { "8 KiB, new file", 8 * 1024, false },
        { "100 KiB, new file", 100 * 1024, false },
        { "8 KiB, over a file", 8 * 1024, true },
        { "100 KiB, over a file", 100 * 1024, true },
    };
    const QByteArray before = "the file as it was";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("Tessaly_1.webp"));
        if (c.targetExists) {
            QFile target(path);
            ASSERT_TRUE(target.open(QIODevice::WriteOnly) && target.write(before) == before.size());
        }

        EXPECT_EQ(writeInChildLimitedTo(path, QByteArray(c.payloadSize, 'x'), c.payloadSize / 2), reportedFailure);

        const QStringList left = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
        if (c.targetExists) {
            EXPECT_EQ(left, QStringList { QStringLiteral("Tessaly_1.webp") });
            QFile target(path);
            ASSERT_TRUE(target.open(QIODevice::ReadOnly));
            EXPECT_EQ(target.readAll(), before);
        } else {
            EXPECT_TRUE(left.isEmpty()) << left.join(u' ').toStdString();
        }
    }
}
