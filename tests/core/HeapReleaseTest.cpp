// The heap settings reach the processes the program starts (the web
// engine's), which mallopt() alone does not.

#include "core/HeapRelease.h"

#include <QCoreApplication>
#include <QProcess>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

constexpr const char* childMarker = "TESSALY_HEAP_CHILD";

// Whether a 1 MiB block gets a mapping of its own right after a 4 MiB one
// was freed. Left to its defaults, glibc raises its threshold to the freed
// block's size, and the next large block goes into the heap. The flag is
// glibc's own mark of a mapped chunk, in the size word before the block.
bool largeBlockIsMappedAfterALargerOneWasFreed()
{
    // volatile: the compiler would drop a block that is never used.
    void* volatile larger = std::malloc(std::size_t(4) << 20);
    std::free(larger);
    void* block = std::malloc(std::size_t(1) << 20);
    const auto sizeWord
        = reinterpret_cast<const std::size_t*>(reinterpret_cast<std::uintptr_t>(block) - sizeof(std::size_t));
    const bool mapped = (*sizeWord & 2) != 0;
    std::free(block);
    return mapped;
}

} // namespace

TEST(HeapRelease, AProcessStartedAfterwardsKeepsLargeBlocksOutOfItsHeap)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer's allocator takes no glibc settings";
#endif
    if (qEnvironmentVariableIsSet(childMarker))
        std::_Exit(largeBlockIsMappedAfterALargerOneWasFreed() ? 0 : 1);

    // The developer's own tunables may set the very threshold under test.
    qunsetenv("GLIBC_TUNABLES");
    HeapRelease::keepHeapCompact();
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(childMarker), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
        { QStringLiteral("--gtest_filter=HeapRelease.AProcessStartedAfterwardsKeepsLargeBlocksOutOfItsHeap") });
    ASSERT_TRUE(child.waitForFinished(30000));
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0) << "the large block went into the child's heap";
}

TEST(HeapRelease, AUsersOwnHeapTunablesStand)
{
    EXPECT_EQ(HeapRelease::tunablesKeepingHeapCompact("glibc.malloc.arena_max=1"),
        "glibc.malloc.arena_max=1:glibc.malloc.mmap_threshold=262144");
}
